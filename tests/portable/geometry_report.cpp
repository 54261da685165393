// Prints the results of every geometry operation on a fixed set of inputs,
// each float as its bit pattern, so that two builds (Linux and the 32-bit
// Windows build) can be compared line by line: single-precision results must
// be identical on every platform.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "QuonMath.h"

namespace {

using Quon::Matrix;
using Quon::Vector;

std::uint32_t bits(float f) {
  std::uint32_t b;
  std::memcpy(&b, &f, sizeof b);
  return b;
}

float from_bits(std::uint32_t b) {
  float f;
  std::memcpy(&f, &b, sizeof f);
  return f;
}

void put(const char* what, int i, int j, float f) {
  std::printf("%s %d %d %08" PRIx32 "\n", what, i, j, bits(f));
}
void put(const char* what, int i, int j, const Vector& v) {
  std::printf("%s %d %d %08" PRIx32 " %08" PRIx32 " %08" PRIx32 "\n", what, i, j, bits(v.x),
              bits(v.y), bits(v.z));
}
void put(const char* what, int i, int j, const Matrix& m) {
  put(what, i, j, m.xBasis);
  put(what, i, j, m.yBasis);
  put(what, i, j, m.zBasis);
  put(what, i, j, m.origin);
}
void put(const char* what, int i, int j, const std::string& s) {
  std::printf("%s %d %d %s\n", what, i, j, s.c_str());
}

// A repeatable stream of finite floats of every magnitude the tracking data
// has (millimetres, unit vectors, radians) plus a few extreme ones.
struct Inputs {
  std::uint32_t state = 12345u;
  std::uint32_t next() {
    state = state * 1664525u + 1013904223u;
    return state;
  }
  float number() {
    const std::uint32_t r = next();
    switch (r % 4u) {
      case 0: return static_cast<float>(static_cast<std::int32_t>(next() % 2000001u) - 1000000) / 1000.0f;
      case 1: return static_cast<float>(static_cast<std::int32_t>(next() % 20001u) - 10000) / 10000.0f;
      case 2: return from_bits((next() & 0x807fffffu) | ((100u + next() % 56u) << 23));  // 2^-27 .. 2^28
      default: return static_cast<float>(static_cast<std::int32_t>(next() % 629u) - 314) / 100.0f;
    }
  }
  Vector vector() { return Vector(number(), number(), number()); }
};

}  // namespace

int main() {
  Inputs in;
  std::vector<Vector> vectors = {
      Vector(),          Vector(1, 0, 0),           Vector(0, 1, 0),       Vector(0, 0, -1),
      Vector(3, 4, 12),  Vector(1e-20f, 0, 0),       Vector(1e30f, 1e30f, 1e30f),
      Vector(-0.0f, 0.0f, -0.0f), Vector(1e-4f, 1e-4f, 1e-4f),
      Vector(std::numeric_limits<float>::denorm_min(), 0, 0)};
  for (int i = 0; i < 40; ++i) vectors.push_back(in.vector());
  std::vector<float> scalars = {0.0f, 1.0f, -1.0f, 0.5f, 3.0f, 1e-30f, 1e30f, Quon::PI, Quon::EPSILON};
  for (int i = 0; i < 12; ++i) scalars.push_back(in.number());

  const int nv = static_cast<int>(vectors.size());
  const int ns = static_cast<int>(scalars.size());
  for (int i = 0; i < nv; ++i) {
    const Vector& a = vectors[i];
    put("magnitude", i, 0, a.magnitude());
    put("magnitudeSquared", i, 0, a.magnitudeSquared());
    put("pitch", i, 0, a.pitch());
    put("yaw", i, 0, a.yaw());
    put("roll", i, 0, a.roll());
    put("normalized", i, 0, a.normalized());
    put("negate", i, 0, -a);
    put("isValid", i, 0, a.isValid() ? 1.0f : 0.0f);
    put("index", i, 0, Vector(a[0], a[1], a[3]));
    put("toString", i, 0, a.toString());
    for (int j = 0; j < nv; ++j) {
      const Vector& b = vectors[j];
      put("distanceTo", i, j, a.distanceTo(b));
      put("dot", i, j, a.dot(b));
      put("cross", i, j, a.cross(b));
      put("angleTo", i, j, a.angleTo(b));
      put("add", i, j, a + b);
      put("sub", i, j, a - b);
      Vector c = a;
      c += b;
      c -= vectors[(i + j) % nv];
      put("inplace", i, j, c);
    }
    for (int j = 0; j < ns; ++j) {
      const float s = scalars[j];
      put("mul", i, j, a * s);
      put("div", i, j, a / s);
      Vector c = a;
      c *= s;
      c /= scalars[(i + j) % ns];
      put("inplace_scale", i, j, c);
    }
  }

  std::vector<Matrix> matrices = {Matrix(), Matrix::identity()};
  for (int i = 0; i < nv; ++i) {
    const float angle = scalars[i % ns];
    matrices.push_back(Matrix(vectors[i], angle));
    matrices.push_back(Matrix(vectors[i], in.number(), vectors[(i * 7) % nv]));
  }
  const int nm = static_cast<int>(matrices.size());
  for (int i = 0; i < nm; ++i) {
    const Matrix& m = matrices[i];
    put("matrix", i, 0, m);
    put("rigidInverse", i, 0, m.rigidInverse());
    put("matrixString", i, 0, m.toString());
    for (int j = 0; j < nv; j += 3) {
      put("transformPoint", i, j, m.transformPoint(vectors[j]));
      put("transformDirection", i, j, m.transformDirection(vectors[j]));
    }
    for (int j = 0; j < nm; j += 5) {
      put("product", i, j, m * matrices[j]);
      Matrix p = m;
      p *= matrices[j];
      put("inplace_product", i, j, p);
    }
  }

  // Text forms of floats: C99 formatting (two-digit exponents) everywhere.
  const float texts[] = {1234567.0f, 1e-5f, 0.1f, 100000.0f, 1e6f, 3.4e38f, -0.0f,
                         std::numeric_limits<float>::infinity(), 1e-40f};
  for (float f : texts) {
    std::string s;
    Quon::detail::append_float(s, f);
    put("append_float", 0, 0, s);
  }
  return 0;
}
