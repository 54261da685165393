// Quon geometry: the three-float Vector and the affine Matrix shared by the
// tracking library and its clients. Header-only: every operation has exactly
// one implementation, and each step is rounded to single precision in the
// order written, so results are bit-identical wherever this is compiled
// (build with -ffp-contract=off and SSE floating point on 32-bit x86).
#ifndef QUON_MATH_H
#define QUON_MATH_H

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace Quon {

// Single-precision constants, given by their exact bit patterns.
constexpr float PI = 3.14159274101257324219f;          // 0x40490FDB
constexpr float DEG_TO_RAD = 0.01745329238474369049f;  // 0x3C8EFA35
constexpr float RAD_TO_DEG = 57.29578018188476562500f; // 0x42652EE1
constexpr float EPSILON = 1.1920928955078125e-07f;     // 0x34000000, 2^-23
constexpr float FLOAT_MAX = 3.40282346638528859812e+38f;

namespace detail {
// Transcendental functions are evaluated in double and rounded once to float:
// the double routines of every C library we target agree far below float
// resolution, so the rounded result is the same everywhere. Angles beyond one
// turn are first reduced with fmod, which is exact on every platform; some C
// libraries' own reduction of very large arguments is not.
inline double one_turn(float a) {
  const double x = static_cast<double>(a);
  constexpr double kTwoPi = 6.283185307179586476925286766559;
  return std::fabs(x) > kTwoPi ? std::fmod(x, kTwoPi) : x;
}
inline float sin_f(float a) { return static_cast<float>(std::sin(one_turn(a))); }
inline float cos_f(float a) { return static_cast<float>(std::cos(one_turn(a))); }
inline float acos_f(float a) { return static_cast<float>(std::acos(static_cast<double>(a))); }
inline float atan2_f(float y, float x) {
  return static_cast<float>(std::atan2(static_cast<double>(y), static_cast<double>(x)));
}
inline float sqrt_f(float a) { return std::sqrt(a); }  // IEEE square root is exact everywhere

// Appends one float as a text stream in its default state writes it:
// 6 significant digits, general notation, no trailing zeros.
inline void append_float(std::string& out, float v) {
  char buf[32];
  int n = std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
  if (n > 0) out.append(buf, static_cast<size_t>(n));
}
}  // namespace detail

struct Vector {
  float x, y, z;

  constexpr Vector() : x(0), y(0), z(0) {}
  constexpr Vector(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

  float magnitudeSquared() const { return (x * x + y * y) + z * z; }
  float magnitude() const { return detail::sqrt_f(magnitudeSquared()); }

  float distanceTo(const Vector& o) const {
    float dx = x - o.x, dy = y - o.y, dz = z - o.z;
    return detail::sqrt_f((dx * dx + dy * dy) + dz * dz);
  }

  float dot(const Vector& o) const { return (x * o.x + y * o.y) + z * o.z; }

  Vector cross(const Vector& o) const {
    return Vector(y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x);
  }

  float angleTo(const Vector& o) const {
    float m = magnitudeSquared() * o.magnitudeSquared();
    if (m <= EPSILON) return 0.0f;
    float v = dot(o) / detail::sqrt_f(m);
    if (v >= 1.0f) return 0.0f;
    if (v <= -1.0f) return PI;
    return detail::acos_f(v);  // a NaN flows through to here
  }

  float pitch() const { return detail::atan2_f(y, -z); }
  float yaw() const { return detail::atan2_f(x, -z); }
  float roll() const { return detail::atan2_f(x, -y); }

  // A too-short vector normalises to zero; the zero is made here, never read
  // from a shared instance that a program could have written into.
  Vector normalized() const {
    float m = magnitudeSquared();
    if (m <= EPSILON) return Vector();
    float r = 1.0f / detail::sqrt_f(m);
    return Vector(x * r, y * r, z * r);
  }

  Vector operator-() const { return Vector(-x, -y, -z); }
  Vector operator+(const Vector& o) const { return Vector(x + o.x, y + o.y, z + o.z); }
  Vector operator-(const Vector& o) const { return Vector(x - o.x, y - o.y, z - o.z); }
  Vector operator*(float s) const { return Vector(x * s, y * s, z * s); }
  Vector operator/(float s) const {
    float r = 1.0f / s;
    return Vector(x * r, y * r, z * r);
  }
  Vector& operator+=(const Vector& o) { x += o.x; y += o.y; z += o.z; return *this; }
  Vector& operator-=(const Vector& o) { x -= o.x; y -= o.y; z -= o.z; return *this; }
  Vector& operator*=(float s) { x *= s; y *= s; z *= s; return *this; }
  Vector& operator/=(float s) {
    float r = 1.0f / s;
    x *= r; y *= r; z *= r;
    return *this;
  }

  bool operator==(const Vector& o) const { return x == o.x && y == o.y && z == o.z; }
  bool operator!=(const Vector& o) const { return !(*this == o); }

  bool isValid() const {
    return (x >= -FLOAT_MAX && x <= FLOAT_MAX) && (y >= -FLOAT_MAX && y <= FLOAT_MAX) &&
           (z >= -FLOAT_MAX && z <= FLOAT_MAX);
  }

  // Components by index; any index past z reads as 0.
  float operator[](unsigned int index) const {
    return index == 0 ? x : index == 1 ? y : index == 2 ? z : 0.0f;
  }

  void appendTo(std::string& out) const {
    out += '(';
    detail::append_float(out, x);
    out += ", ";
    detail::append_float(out, y);
    out += ", ";
    detail::append_float(out, z);
    out += ')';
  }
  std::string toString() const {
    std::string s;
    appendTo(s);
    return s;
  }

  static constexpr Vector zero() { return Vector(0, 0, 0); }
  static constexpr Vector xAxis() { return Vector(1, 0, 0); }
  static constexpr Vector yAxis() { return Vector(0, 1, 0); }
  static constexpr Vector zAxis() { return Vector(0, 0, 1); }
  static constexpr Vector forward() { return Vector(0, 0, -1); }
  static constexpr Vector backward() { return Vector(0, 0, 1); }
  static constexpr Vector left() { return Vector(-1, 0, 0); }
  static constexpr Vector right() { return Vector(1, 0, 0); }
  static constexpr Vector up() { return Vector(0, 1, 0); }
  static constexpr Vector down() { return Vector(0, -1, 0); }
};

inline Vector operator*(float s, const Vector& v) { return v * s; }

// An affine transform: a point p maps to xBasis*p.x + yBasis*p.y + zBasis*p.z + origin.
struct Matrix {
  Vector xBasis, yBasis, zBasis, origin;

  constexpr Matrix() : xBasis(1, 0, 0), yBasis(0, 1, 0), zBasis(0, 0, 1), origin(0, 0, 0) {}
  constexpr Matrix(const Vector& x, const Vector& y, const Vector& z)
      : xBasis(x), yBasis(y), zBasis(z), origin(0, 0, 0) {}
  constexpr Matrix(const Vector& x, const Vector& y, const Vector& z, const Vector& o)
      : xBasis(x), yBasis(y), zBasis(z), origin(o) {}
  Matrix(const Vector& axis, float angleRadians) : origin(0, 0, 0) {
    setRotation(axis, angleRadians);
  }
  Matrix(const Vector& axis, float angleRadians, const Vector& translation)
      : origin(translation) {
    setRotation(axis, angleRadians);
  }

  // Rotation about the axis by the angle; origin unchanged. Turns clockwise
  // as seen from the tip of the axis. A too-short axis leaves c on the diagonal.
  void setRotation(const Vector& axis, float angleRadians) {
    const Vector n = axis.normalized();
    const float s = detail::sin_f(angleRadians);
    const float c = detail::cos_f(angleRadians);
    const float C = 1.0f - c;
    const float x = n.x, y = n.y, z = n.z;
    xBasis = Vector((x * x) * C + c, (y * x) * C - z * s, y * s + (z * x) * C);
    yBasis = Vector(z * s + (y * x) * C, (y * y) * C + c, (y * z) * C - x * s);
    zBasis = Vector((z * x) * C - y * s, x * s + (y * z) * C, (z * z) * C + c);
  }

  Vector transformDirection(const Vector& d) const {
    return Vector((xBasis.x * d.x + yBasis.x * d.y) + zBasis.x * d.z,
                  (xBasis.y * d.x + yBasis.y * d.y) + zBasis.y * d.z,
                  (xBasis.z * d.x + yBasis.z * d.y) + zBasis.z * d.z);
  }

  Vector transformPoint(const Vector& p) const {
    return Vector(((xBasis.x * p.x + yBasis.x * p.y) + zBasis.x * p.z) + origin.x,
                  ((xBasis.y * p.x + yBasis.y * p.y) + zBasis.y * p.z) + origin.y,
                  ((xBasis.z * p.x + yBasis.z * p.y) + zBasis.z * p.z) + origin.z);
  }

  // Inverse of a rigid transform: transposed bases, origin moved back.
  Matrix rigidInverse() const {
    Matrix r(Vector(xBasis.x, yBasis.x, zBasis.x), Vector(xBasis.y, yBasis.y, zBasis.y),
             Vector(xBasis.z, yBasis.z, zBasis.z));
    r.origin = r.transformDirection(-origin);
    return r;
  }

  // The product applies `other` first, then this matrix.
  Matrix operator*(const Matrix& other) const {
    return Matrix(transformDirection(other.xBasis), transformDirection(other.yBasis),
                  transformDirection(other.zBasis), transformPoint(other.origin));
  }
  Matrix& operator*=(const Matrix& other) {
    const Matrix product = *this * other;
    *this = product;
    return *this;
  }

  bool operator==(const Matrix& o) const {
    return xBasis == o.xBasis && yBasis == o.yBasis && zBasis == o.zBasis && origin == o.origin;
  }
  bool operator!=(const Matrix& o) const { return !(*this == o); }

  std::string toString() const {
    std::string s("xBasis:");
    xBasis.appendTo(s);
    s += " yBasis:";
    yBasis.appendTo(s);
    s += " zBasis:";
    zBasis.appendTo(s);
    s += " origin:";
    origin.appendTo(s);
    return s;
  }

  static constexpr Matrix identity() { return Matrix(); }
};

}  // namespace Quon

#endif  // QUON_MATH_H
