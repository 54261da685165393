// Quon::Vector and Quon::Matrix arithmetic against single-precision values
// worked out by hand, step by step in the documented evaluation order, and
// compared by bit pattern.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "QuonMath.h"

namespace {

using Quon::Matrix;
using Quon::Vector;

std::uint32_t bits(float v) {
  std::uint32_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

void expect_bits(const Vector& v, std::uint32_t x, std::uint32_t y, std::uint32_t z) {
  EXPECT_EQ(bits(v.x), x) << v.toString();
  EXPECT_EQ(bits(v.y), y) << v.toString();
  EXPECT_EQ(bits(v.z), z) << v.toString();
}

// Two vectors chosen so that rounding order matters in several operations.
const Vector a(-9.43f, 6.72f, -1.34f);
const Vector b(5.2f, -10.0f, -1.1f);

TEST(Constants, BitPatterns) {
  EXPECT_EQ(bits(Quon::PI), 0x40490FDBu);
  EXPECT_EQ(bits(Quon::DEG_TO_RAD), 0x3C8EFA35u);
  EXPECT_EQ(bits(Quon::RAD_TO_DEG), 0x42652EE1u);
  EXPECT_EQ(bits(Quon::EPSILON), 0x34000000u);
  EXPECT_EQ(bits(Quon::FLOAT_MAX), 0x7F7FFFFFu);
  // The constant is the float nearest 180/pi, not 180 divided by the float PI.
  volatile float pi = Quon::PI;
  EXPECT_EQ(bits(180.0f / pi), 0x42652EE0u);
}

TEST(Vector, LengthsProductsAndDistance) {
  EXPECT_EQ(Vector(3, 4, 0).magnitude(), 5.0f);
  EXPECT_EQ(Vector(3, 4, 0).magnitudeSquared(), 25.0f);
  // (x*x + y*y) + z*z gives 0x4307E0FF; x*x + (y*y + z*z) would give 0x4307E100.
  EXPECT_EQ(bits(a.magnitudeSquared()), 0x4307E0FFu);
  EXPECT_EQ(bits(a.dot(b)), 0xC2E58624u);
  expect_bits(a.cross(b), 0xC1A65604u, 0xC18ABA5Eu, 0x426D6C8Du);
  expect_bits(Vector(1, 0, 0).cross(Vector(0, 1, 0)), bits(0.0f), bits(0.0f), bits(1.0f));
  EXPECT_EQ(bits(a.distanceTo(b)), 0x41B1BF14u);
}

TEST(Vector, AngleTo) {
  EXPECT_EQ(bits(a.angleTo(b)), 0x4027FAB5u);
  const Vector x(1, 0, 0);
  EXPECT_EQ(x.angleTo(Vector()), 0.0f);
  EXPECT_EQ(bits(x.angleTo(Vector(-1, 0, 0))), 0x40490FDBu);
  EXPECT_EQ(bits(x.angleTo(Vector(0, 1, 0))), 0x3FC90FDBu);
  EXPECT_EQ(x.angleTo(Vector(2, 0, 0)), 0.0f);
  // Perpendicular but the product of squared lengths (1e-12) is within EPSILON.
  EXPECT_EQ(Vector(0.001f, 0, 0).angleTo(Vector(0, 0.001f, 0)), 0.0f);
  EXPECT_EQ(bits(Vector(0.0001f, 0, 0).angleTo(Vector(0, 1000, 0))), 0x3FC90FDBu);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_TRUE(std::isnan(Vector(nan, 0, 0).angleTo(x)));
}

TEST(Vector, Normalized) {
  // One reciprocal, then three products: x / length would end in ...B3 and ...56.
  expect_bits(Vector(5.2f, -10.0f, -1.1f).normalized(), 0x3EEB187Du, 0xBF620DB4u, 0xBDC6ED57u);
  expect_bits(Vector().normalized(), 0, 0, 0);
  expect_bits(Vector(0.0001f, 0, 0).normalized(), 0, 0, 0);
  expect_bits(Vector(0.001f, 0, 0).normalized(), bits(1.0f), 0, 0);
  const float inf = std::numeric_limits<float>::infinity();
  const Vector n = Vector(inf, 1, 0).normalized();
  EXPECT_TRUE(std::isnan(n.x));
  EXPECT_EQ(n.y, 0.0f);
  EXPECT_EQ(n.z, 0.0f);
  const Vector m = Vector(std::nanf(""), 1, 1).normalized();
  EXPECT_TRUE(std::isnan(m.x) && std::isnan(m.y) && std::isnan(m.z));
}

TEST(Vector, Angles) {
  EXPECT_EQ(bits(a.pitch()), 0x3FAFDE5Au);
  EXPECT_EQ(bits(a.yaw()), 0xBFB6FE7Fu);
  EXPECT_EQ(bits(a.roll()), 0xC00C2800u);
  EXPECT_EQ(Vector(0, 0, -1).pitch(), 0.0f);
  EXPECT_EQ(bits(Vector(0, 1, 0).pitch()), 0x3FC90FDBu);
  EXPECT_EQ(bits(Vector(1, 0, 0).yaw()), 0x3FC90FDBu);
  EXPECT_EQ(bits(Vector(1, 0, 0).roll()), 0x3FC90FDBu);
  // atan2(+0, -0) is pi for all three angles of the zero vector.
  EXPECT_EQ(bits(Vector().pitch()), 0x40490FDBu);
  EXPECT_EQ(bits(Vector().yaw()), 0x40490FDBu);
  EXPECT_EQ(bits(Vector().roll()), 0x40490FDBu);
}

TEST(Vector, ScalarDivisionIsReciprocalThenProduct) {
  // 5 * (1/3) rounds up to 0x3FD55556 where 5 / 3 gives 0x3FD55555.
  EXPECT_EQ(bits((Vector(5, 9, 0) / 3.0f).x), 0x3FD55556u);
  expect_bits(Vector(9, 9, 9) / 0.3f, 0x41F00000u, 0x41F00000u, 0x41F00000u);
  Vector v(9, 0, 0);
  v /= 7.0f;
  EXPECT_EQ(bits(v.x), 0x3FA4924Au);
  const Vector byZero = Vector(0, 1, -1) / 0.0f;
  EXPECT_TRUE(std::isnan(byZero.x));
  EXPECT_EQ(byZero.y, std::numeric_limits<float>::infinity());
  EXPECT_EQ(byZero.z, -std::numeric_limits<float>::infinity());
}

TEST(Vector, SignsEqualityValidityIndexAndInPlace) {
  const Vector n = -Vector(0, 1, std::nanf(""));
  EXPECT_EQ(bits(n.x), 0x80000000u);
  EXPECT_TRUE(std::isnan(n.z));
  EXPECT_TRUE(Vector(0, 0, 0) == Vector(-0.0f, 0, 0));
  const Vector withNan(std::nanf(""), 0, 0);
  EXPECT_FALSE(withNan == withNan);
  EXPECT_TRUE(withNan != withNan);
  EXPECT_FALSE(withNan.isValid());
  EXPECT_FALSE(Vector(0, 0, -std::numeric_limits<float>::infinity()).isValid());
  EXPECT_TRUE(Vector(Quon::FLOAT_MAX, -Quon::FLOAT_MAX, 0).isValid());
  EXPECT_EQ(a[0], a.x);
  EXPECT_EQ(a[2], a.z);
  EXPECT_EQ(bits(a[3]), 0u);
  EXPECT_EQ(bits(a[4000000000u]), 0u);
  Vector v = a;
  v += b;
  v -= a;
  EXPECT_EQ(v, Vector(a.x + b.x - a.x, a.y + b.y - a.y, a.z + b.z - a.z));
  v *= 2.0f;
  EXPECT_EQ(v, (a + b - a) * 2.0f);
  EXPECT_EQ(2.0f * v, v * 2.0f);
}

TEST(Vector, StringForm) {
  EXPECT_EQ(Vector().toString(), "(0, 0, 0)");
  EXPECT_EQ(Vector(1, 0.5f, -2).toString(), "(1, 0.5, -2)");
  EXPECT_EQ(Vector(1234567, 0.0001f, 0.00001f).toString(), "(1.23457e+06, 0.0001, 1e-05)");
  EXPECT_EQ(Vector(123456, 1.5e-45f, -0.1f).toString(), "(123456, 1.4013e-45, -0.1)");
}

// The rotation about (1, 2, 3) by 0.5 moved to (0.1, -7.3, 2.2).
Matrix rotated() { return Matrix(Vector(1, 2, 3), 0.5f, Vector(0.1f, -7.3f, 2.2f)); }

TEST(Matrix, RotationBases) {
  const Matrix m = rotated();
  expect_bits(m.xBasis, 0x3F62E64Eu, 0xBEBBDB48u, 0x3E90A352u);
  expect_bits(m.yBasis, 0x3ECDC3B6u, 0x3F699D77u, 0xBD9AF76Eu);
  expect_bits(m.zBasis, 0xBE6B8D5Cu, 0x3E38EE49u, 0x3F74CEBBu);
  EXPECT_EQ(m.origin, Vector(0.1f, -7.3f, 2.2f));

  // About z by the float nearest pi/2: turns x to (-4.371139e-08, -1, 0).
  const Matrix q(Vector(0, 0, 1), 1.5707963705062866f);
  expect_bits(q.xBasis, 0xB33BBD2Eu, bits(-1.0f), 0);
  expect_bits(q.yBasis, bits(1.0f), 0xB33BBD2Eu, 0);
  expect_bits(q.zBasis, 0, 0, 0x3F7FFFFFu);
  expect_bits(q.origin, 0, 0, 0);
  expect_bits(q.transformDirection(Vector(1, 0, 0)), 0xB33BBD2Eu, bits(-1.0f), 0);

  // A too-short axis leaves cos(angle) on the diagonal.
  const Matrix d(Vector(0, 0, 0), 1.0f);
  expect_bits(d.xBasis, 0x3F0A5140u, 0, 0);
  expect_bits(d.yBasis, 0, 0x3F0A5140u, 0);
  expect_bits(d.zBasis, 0, 0, 0x3F0A5140u);
  const Matrix tiny(Vector(0.0001f, 0, 0), 1.0f);
  EXPECT_EQ(tiny, d);

  // set_rotation keeps the origin, and an axis aliasing a basis is read first.
  Matrix s(Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1), Vector(1, 2, 3));
  s.setRotation(s.zBasis, 1.5707963705062866f);
  EXPECT_EQ(s.xBasis, q.xBasis);
  EXPECT_EQ(s.zBasis, q.zBasis);
  EXPECT_EQ(s.origin, Vector(1, 2, 3));
}

TEST(Matrix, TransformsInverseAndProduct) {
  const Matrix m = rotated();
  // The origin is added last: adding it earlier would end in ...A9 and ...DA.
  expect_bits(m.transformPoint(a), 0xC0A7F91Eu, 0x400338A8u, 0xC0103EDBu);
  expect_bits(m.transformDirection(a), 0xC0AB2C51u, 0x41159AF7u, 0xC08E85D4u);

  const Matrix inverse = m.rigidInverse();
  expect_bits(inverse.xBasis, bits(m.xBasis.x), bits(m.yBasis.x), bits(m.zBasis.x));
  expect_bits(inverse.zBasis, bits(m.xBasis.z), bits(m.yBasis.z), bits(m.zBasis.z));
  expect_bits(inverse.origin, 0xC058DDF8u, 0x40D936F9u, 0xBF433068u);

  const Matrix n(Vector(0, 1, 0), Vector(-1, 0, 0), Vector(0, 0, 2), Vector(1, 2, 3));
  const Matrix p = m * n;
  expect_bits(p.xBasis, 0x3ECDC3B6u, 0x3F699D77u, 0xBD9AF76Eu);
  expect_bits(p.yBasis, 0xBF62E64Eu, 0x3EBBDB48u, 0xBE90A352u);
  expect_bits(p.zBasis, 0xBEEB8D5Cu, 0x3EB8EE49u, 0x3FF4CEBBu);
  expect_bits(p.origin, 0x3F8CCCCCu, 0xC0A9999Au, 0x40A66666u);

  // In place by itself: the old value on both sides.
  Matrix self = m;
  self *= self;
  expect_bits(self.xBasis, 0x3F12B92Bu, 0xBF1BE7DCu, 0x3F0C5CDAu);
  expect_bits(self.yBasis, 0x3F3D8780u, 0x3F2BF0E5u, 0xBCE46318u);
  expect_bits(self.zBasis, 0xBEB3DAC8u, 0x3ED8040Cu, 0x3F55F871u);
  expect_bits(self.origin, 0xC0501378u, 0xC1599DF0u, 0x409C4D4Cu);
  EXPECT_EQ(self, m * m);

  const Matrix moved(Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1), Vector(1, 2, 3));
  EXPECT_EQ(moved.transformPoint(Vector()), Vector(1, 2, 3));
  EXPECT_EQ(moved.transformDirection(Vector()), Vector());
  EXPECT_EQ(moved.rigidInverse(), Matrix(Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1),
                                         Vector(-1, -2, -3)));
}

TEST(Matrix, EqualityAndStringForm) {
  EXPECT_EQ(Matrix().toString(),
            "xBasis:(1, 0, 0) yBasis:(0, 1, 0) zBasis:(0, 0, 1) origin:(0, 0, 0)");
  EXPECT_EQ(Matrix::identity(), Matrix());
  Matrix m;
  m.origin.z = std::nanf("");
  EXPECT_FALSE(m == m);
  EXPECT_TRUE(m != m);
  Matrix negativeZero;
  negativeZero.origin.x = -0.0f;
  EXPECT_EQ(negativeZero, Matrix());
}

}  // namespace
