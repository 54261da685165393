// The simulated tracking scene. A frame is a pure function of the seed, the
// frame period, the options and the frame index, so runs repeat exactly.
//
// Scene script (t in seconds since the first frame):
// - the right hand is present except during the last half second of every
//   40 s; the left hand comes and goes on a 12 s cycle (8 s present);
// - both palms drift on Lissajous paths, turn a little, open and close;
// - every 8 s the right hand performs, in order, a swipe to the right
//   (0.5-1.0 s), two turns of a circle (2.0-3.6 s), a screen tap (peak at
//   4.65 s) and a key tap (peak at 6.15 s);
// - a tool is held in view for 3 s of every 15 s;
// - a tracked sheet is visible for 14 s of every 20 s.
#include <algorithm>
#include <cmath>

#include "internal.h"

namespace Quon {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kGestureCycle = 8.0;
constexpr double kSwipeStart = 0.5, kSwipeEnd = 1.0, kSwipeReturn = 1.8;
constexpr double kCircleStart = 2.0, kCircleEnd = 3.6, kCircleRadius = 30.0;
constexpr double kScreenTapStart = 4.5, kKeyTapStart = 6.0, kTapLength = 0.3;
constexpr int kImageWidth = 640, kImageHeight = 240;
constexpr int kGridPoints = 64;

uint64_t splitmix(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

struct Params {
  double phase[8];
  double freq[4];
  double leftOffset, toolOffset;
};

Params makeParams(uint64_t seed) {
  Params p;
  uint64_t s = seed;
  auto unit = [&s] { return static_cast<double>(splitmix(s) >> 11) * (1.0 / 9007199254740992.0); };
  for (double& ph : p.phase) ph = unit() * kTwoPi;
  for (double& f : p.freq) f = 0.8 + 0.4 * unit();
  p.leftOffset = unit() * 12.0;
  p.toolOffset = unit() * 15.0;
  return p;
}

float f(double v) { return static_cast<float>(v); }
double smoothstep(double u) {
  u = std::clamp(u, 0.0, 1.0);
  return u * u * (3.0 - 2.0 * u);
}

// Displacement of the right palm by the gesture script.
Vector gestureOffset(double t) {
  double tau = std::fmod(t, kGestureCycle);
  double x = 0, y = 0, z = 0;
  if (tau >= kSwipeStart && tau < kSwipeEnd) {
    x = 160.0 * smoothstep((tau - kSwipeStart) / (kSwipeEnd - kSwipeStart));
  } else if (tau >= kSwipeEnd && tau < kSwipeReturn) {
    x = 160.0 * (1.0 - smoothstep((tau - kSwipeEnd) / (kSwipeReturn - kSwipeEnd)));
  } else if (tau >= kCircleStart && tau < kCircleEnd) {
    double w = 2.0 * kTwoPi / (kCircleEnd - kCircleStart);
    double u = tau - kCircleStart;
    x = kCircleRadius * (std::cos(w * u) - 1.0);
    y = kCircleRadius * std::sin(w * u);
  } else if (tau >= kScreenTapStart && tau < kScreenTapStart + kTapLength) {
    z = -40.0 * std::sin(3.141592653589793 * (tau - kScreenTapStart) / kTapLength);
  } else if (tau >= kKeyTapStart && tau < kKeyTapStart + kTapLength) {
    y = -30.0 * std::sin(3.141592653589793 * (tau - kKeyTapStart) / kTapLength);
  }
  return Vector(f(x), f(y), f(z));
}

struct FingerShape {
  Vector base, mcp, dir;
  float lengths[3];
  float width;
  float flexScale;
};

// Finger layout in the hand's own frame: x to the right, y up from the back
// of the hand, fingers along -z; ts is +1 when the thumb is on the +x side.
FingerShape fingerShape(int finger, float ts) {
  switch (finger) {
    case 0: return {Vector(ts * 20, -5, 25), Vector(ts * 42, -8, 0), Vector(ts * 0.6f, -0.1f, -0.8f), {32, 25, 21}, 20, 0.6f};
    case 1: return {Vector(ts * 12, 0, 40), Vector(ts * 24, 0, -40), Vector(ts * 0.1f, 0, -1), {40, 24, 20}, 18, 1.0f};
    case 2: return {Vector(ts * 2, 0, 40), Vector(ts * 4, 0, -42), Vector(0, 0, -1), {45, 28, 22}, 17, 1.0f};
    case 3: return {Vector(-ts * 8, 0, 40), Vector(-ts * 15, 0, -38), Vector(-ts * 0.08f, 0, -1), {42, 27, 21}, 16, 1.0f};
    default: return {Vector(-ts * 16, 0, 40), Vector(-ts * 32, 0, -30), Vector(-ts * 0.18f, 0, -1), {33, 20, 18}, 15, 1.0f};
  }
}

Vector upFor(const Vector& d) {
  Vector y(0, 1, 0);
  return (y - d * d.dot(y)).normalized();
}

Matrix boneBasis(const Vector& dir, const Vector& up) {
  Vector z = -dir;
  Vector y = up;
  return Matrix(y.cross(z), y, z);
}

struct HandModel {
  HandData hand;
  PointableData fingers[5];
};

// The hand of one slot (0 right, 1 left) at time t.
HandModel handModel(const Params& p, int slot, double t) {
  HandModel m;
  const bool left = slot == 1;
  const float ts = left ? 1.0f : -1.0f;
  const double* ph = p.phase;
  Vector base(left ? -80.0f : 80.0f, 200.0f, 20.0f);
  Vector drift(f(60.0 * std::sin(0.5 * p.freq[0] * t + ph[slot])),
               f(40.0 * std::sin(0.7 * p.freq[1] * t + ph[slot + 2])),
               f(30.0 * std::sin(0.4 * p.freq[2] * t + ph[slot + 4])));
  Vector palm = base + drift;
  if (!left) palm += gestureOffset(t);

  float yaw = f(0.3 * std::sin(0.31 * t + ph[slot + 1]));
  float pitch = f(0.25 * std::sin(0.43 * t + ph[slot + 3]));
  float roll = f(0.35 * std::sin(0.37 * t + ph[slot + 5]));
  Matrix R = Matrix(Vector::yAxis(), yaw) * Matrix(Vector::xAxis(), pitch) * Matrix(Vector::zAxis(), roll);
  auto world = [&](const Vector& local) { return palm + R.transformDirection(local); };
  auto worldDir = [&](const Vector& local) { return R.transformDirection(local); };

  double grab = 0.5 - 0.5 * std::cos(0.55 * p.freq[3] * t + ph[6 + slot]);

  HandData& h = m.hand;
  h.left = left;
  h.palm = palm;
  h.direction = worldDir(Vector(0, 0, -1));
  h.normal = worldDir(Vector(0, -1, 0));
  h.basis = Matrix(R.xBasis, R.yBasis, R.zBasis);
  h.palmWidth = 85.0f;
  h.wrist = world(Vector(0, 0, 50));
  h.arm.wrist = h.wrist;
  h.arm.elbow = world(Vector(0, 0, 310));
  h.arm.width = 65.0f;
  h.arm.basis = h.basis;
  h.grab = f(grab);
  h.sphereRadius = f(40.0 + 80.0 * (1.0 - grab));
  h.sphereCenter = palm + h.normal * (h.sphereRadius * 0.8f);
  h.confidence = f(0.85 + 0.15 * std::sin(0.21 * t + ph[slot]));

  for (int fi = 0; fi < 5; ++fi) {
    FingerShape s = fingerShape(fi, ts);
    double curl = std::clamp(grab + 0.25 * std::sin(1.1 * t + 0.9 * fi + ph[7]), 0.0, 1.0);
    PointableData& pd = m.fingers[fi];
    pd.isFinger = true;
    pd.fingerType = fi;
    pd.width = s.width;
    pd.extended = curl < 0.45;
    // Metacarpal: from its base in the palm to the knuckle.
    Vector md = (s.mcp - s.base).normalized();
    pd.bones[0].prev = world(s.base);
    pd.bones[0].next = world(s.mcp);
    pd.bones[0].width = s.width;
    pd.bones[0].basis = boneBasis(worldDir(md), worldDir(upFor(md)));
    // Phalanges: each joint flexes toward the palm side.
    Vector d = s.dir.normalized();
    Vector u = upFor(d);
    Vector joint = s.mcp;
    const float flex[3] = {f(curl * 1.3 * s.flexScale), f(curl * 1.5 * s.flexScale),
                           f(curl * 1.0 * s.flexScale)};
    float total = 0;
    for (int b = 0; b < 3; ++b) {
      float c = detail::cos_f(flex[b]), sn = detail::sin_f(flex[b]);
      Vector nd = d * c - u * sn;
      Vector nu = u * c + d * sn;
      d = nd.normalized();
      u = nu.normalized();
      Vector next = joint + d * s.lengths[b];
      BoneData& bone = pd.bones[b + 1];
      bone.prev = world(joint);
      bone.next = world(next);
      bone.width = s.width * (1.0f - 0.08f * static_cast<float>(b));
      bone.basis = boneBasis(worldDir(d), worldDir(u));
      joint = next;
      total += s.lengths[b];
    }
    pd.length = total;
    pd.tip = pd.bones[3].next;
    pd.direction = -pd.bones[3].basis.zBasis;
  }
  Vector thumbTip = m.fingers[0].tip, indexTip = m.fingers[1].tip;
  h.pinch = f(std::clamp(1.0 - (static_cast<double>(thumbTip.distanceTo(indexTip)) - 20.0) / 60.0, 0.0, 1.0));
  return m;
}

void touch(PointableData& p) {
  p.touchDistance = std::clamp(p.tip.z / 100.0f, -1.0f, 1.0f);
  p.zone = p.tip.z > 100.0f ? Pointable::ZONE_NONE
           : p.tip.z > 0.0f ? Pointable::ZONE_HOVERING
                            : Pointable::ZONE_TOUCHING;
}

struct ToolModel {
  Vector tip, direction;
};
ToolModel toolModel(const Params& p, double t) {
  ToolModel m;
  m.tip = Vector(f(120.0 * std::sin(0.8 * t + p.phase[2])), f(180.0 + 30.0 * std::cos(1.1 * t)),
                 f(30.0 * std::sin(0.5 * t + p.phase[3])));
  m.direction = Vector(f(0.2 * std::sin(0.3 * t)), -0.3f, -1.0f).normalized();
  return m;
}

// Presence of the hand in a slot: its id and how long it has been visible.
bool handPresent(const Params& p, int slot, double t, int32_t* id, double* visible) {
  if (slot == 0) {
    double cycle = std::floor(t / 40.0);
    double tau = t - cycle * 40.0;
    if (tau >= 39.5) return false;
    *id = static_cast<int32_t>(1 + 2 * cycle);
    *visible = tau;
    return true;
  }
  double shifted = t + p.leftOffset;
  double cycle = std::floor(shifted / 12.0);
  double tau = shifted - cycle * 12.0;
  if (tau >= 8.0) return false;
  *id = static_cast<int32_t>(2 + 2 * cycle);
  *visible = std::min(tau, t);
  return true;
}


// Camera images: two cameras 40 mm apart looking up, 8-bit infrared.
ImagePtr renderImage(const SimulationSettings& s, const FrameData& frame, const FrameScene& scene, int camera) {
  auto img = std::make_shared<ImageData>();
  img->id = camera;
  img->sequenceId = frame.id;
  img->timestamp = frame.timestamp;
  img->width = kImageWidth;
  img->height = kImageHeight;
  img->bytesPerPixel = 1;
  img->format = Image::INFRARED;
  img->rayOffsetX = 0.5f;
  img->rayOffsetY = 0.5f;
  img->rayScaleX = 0.25f;
  img->rayScaleY = 0.25f;
  img->radialK = 0.01f;
  (void)s;

  // Distortion grid: for slopes on a regular grid over [-2, 2], the
  // normalised pixel position (x, y) that each ray lands on.
  img->distortionWidth = kGridPoints * 2;
  img->distortionHeight = kGridPoints;
  img->distortion.resize(static_cast<size_t>(kGridPoints * kGridPoints * 2));
  for (int j = 0; j < kGridPoints; ++j)
    for (int i = 0; i < kGridPoints; ++i) {
      float sx = -2.0f + 4.0f * static_cast<float>(i) / (kGridPoints - 1);
      float sy = -2.0f + 4.0f * static_cast<float>(j) / (kGridPoints - 1);
      Vector px = warpSlope(*img, sx, sy);
      size_t k = static_cast<size_t>((j * kGridPoints + i) * 2);
      img->distortion[k] = px.x / kImageWidth;
      img->distortion[k + 1] = px.y / kImageHeight;
    }

  img->pixels.assign(static_cast<size_t>(kImageWidth * kImageHeight), 12);
  const float cx = camera == 0 ? -20.0f : 20.0f;
  auto blob = [&](const Vector& p, float radiusMm) {
    if (p.y < 20.0f) return;
    Vector c = warpSlope(*img, (p.x - cx) / p.y, p.z / p.y);
    float rx = radiusMm / p.y * img->rayScaleX * kImageWidth;
    float ry = radiusMm / p.y * img->rayScaleY * kImageHeight;
    rx = std::max(rx, 1.0f);
    ry = std::max(ry, 1.0f);
    float brightness = 255.0f * std::clamp(1.3f - p.y / 450.0f, 0.15f, 1.0f);
    int x0 = std::max(0, static_cast<int>(c.x - rx)), x1 = std::min(kImageWidth - 1, static_cast<int>(c.x + rx));
    int y0 = std::max(0, static_cast<int>(c.y - ry)), y1 = std::min(kImageHeight - 1, static_cast<int>(c.y + ry));
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) {
        float dx = (static_cast<float>(x) - c.x) / rx, dy = (static_cast<float>(y) - c.y) / ry;
        float d2 = dx * dx + dy * dy;
        if (d2 >= 1.0f) continue;
        unsigned char v = static_cast<unsigned char>(brightness * (1.0f - 0.6f * d2));
        unsigned char& px = img->pixels[static_cast<size_t>(y * kImageWidth + x)];
        px = std::max(px, v);
      }
  };
  for (const HandData& h : scene.hands) blob(h.palm, 40.0f);
  for (const PointableData& p : scene.pointables) {
    if (!p.isFinger) {
      for (int k = 0; k <= 8; ++k) blob(p.tip - p.direction * (p.length * static_cast<float>(k) / 8.0f), p.width * 0.5f);
      continue;
    }
    for (const BoneData& b : p.bones)
      for (int k = 0; k <= 4; ++k) {
        float u = static_cast<float>(k) / 4.0f;
        blob(b.prev + (b.next - b.prev) * u, b.width * 0.5f);
      }
  }
  return img;
}

// The tracked sheet's mask in one camera image: the pixels inside the
// projected quadrilateral, over its bounding rectangle.
MaskPtr renderMask(const QuadData& q, const ImageData& img, int64_t sequence) {
  const float cx = img.id == 0 ? -20.0f : 20.0f;
  Vector corners[4];
  const float hw = q.width * 0.5f, hh = q.height * 0.5f;
  const float sx[4] = {-1, 1, 1, -1}, sy[4] = {-1, -1, 1, 1};
  float minX = 1e9f, minY = 1e9f, maxX = -1e9f, maxY = -1e9f;
  for (int k = 0; k < 4; ++k) {
    Vector p = q.position + q.orientation.xBasis * (hw * sx[k]) + q.orientation.yBasis * (hh * sy[k]);
    corners[k] = warpSlope(img, (p.x - cx) / p.y, p.z / p.y);
    minX = std::min(minX, corners[k].x);
    maxX = std::max(maxX, corners[k].x);
    minY = std::min(minY, corners[k].y);
    maxY = std::max(maxY, corners[k].y);
  }
  int x0 = std::max(0, static_cast<int>(minX)), x1 = std::min(img.width - 1, static_cast<int>(maxX));
  int y0 = std::max(0, static_cast<int>(minY)), y1 = std::min(img.height - 1, static_cast<int>(maxY));
  if (x1 < x0 || y1 < y0) return nullptr;
  auto m = std::make_shared<MaskData>();
  m->id = img.id;
  m->sequenceId = sequence;
  m->offsetX = x0;
  m->offsetY = y0;
  m->width = x1 - x0 + 1;
  m->height = y1 - y0 + 1;
  m->pixels.assign(static_cast<size_t>(m->width * m->height), 0);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      // Inside a convex quadrilateral: the same side of all four edges.
      int positive = 0, negative = 0;
      for (int k = 0; k < 4; ++k) {
        const Vector& a = corners[k];
        const Vector& b = corners[(k + 1) % 4];
        float cross = (b.x - a.x) * (static_cast<float>(y) - a.y) - (b.y - a.y) * (static_cast<float>(x) - a.x);
        if (cross > 0) ++positive;
        if (cross < 0) ++negative;
      }
      if (positive == 0 || negative == 0)
        m->pixels[static_cast<size_t>((y - y0) * m->width + (x - x0))] = 255;
    }
  return m;
}

// Gesture bookkeeping for one scripted window [start, end) of the cycle.
struct Window {
  bool inside = false;
  bool first = false, last = false;
  int64_t firstIndex = 0;
  int64_t cycle = 0;
};

Window windowAt(double period, int64_t index, double start, double end) {
  Window w;
  double t = static_cast<double>(index) * period;
  w.cycle = static_cast<int64_t>(std::floor(t / kGestureCycle));
  double cycleStart = static_cast<double>(w.cycle) * kGestureCycle;
  double a = cycleStart + start, b = cycleStart + end;
  if (t < a || t >= b) return w;
  w.inside = true;
  w.firstIndex = static_cast<int64_t>(std::ceil(a / period));
  if (static_cast<double>(w.firstIndex) * period < a) ++w.firstIndex;
  w.first = index == w.firstIndex;
  w.last = static_cast<double>(index + 1) * period >= b;
  return w;
}

}  // namespace

int64_t sceneTimestamp(const SimulationSettings& s, int64_t index) {
  return kTimeBase + static_cast<int64_t>(std::llround(static_cast<double>(index) * s.framePeriod * 1e6));
}

std::shared_ptr<FrameData> simulateFrame(const SimulationSettings& s, int64_t index) {
  auto frame = std::make_shared<FrameData>();
  frame->id = index + 1;
  frame->timestamp = sceneTimestamp(s, index);
  frame->fps = f(1.0 / s.framePeriod);
  frame->box.center = Vector(0, 200, 0);
  frame->box.width = 235.0f;
  frame->box.height = 235.0f;
  frame->box.depth = 147.0f;
  frame->simulateLater(s, index);
  return frame;
}

void FrameData::buildScene() const {
  std::call_once(sceneOnce_, [this] {
    simulateScene(settings_, index_, *this, scene_);
    sceneReady_.store(true, std::memory_order_release);
  });
}

void simulateScene(const SimulationSettings& s, int64_t index, const FrameData& header, FrameScene& scene) {
  const Params p = makeParams(s.seed);
  const double dt = s.framePeriod;
  const double t = static_cast<double>(index) * dt;
  constexpr double h = 0.001;  // step for velocities
  constexpr double lag = 0.03;  // stabilisation delay

  int32_t rightId = -1;
  for (int slot = 0; slot < 2; ++slot) {
    int32_t id = 0;
    double visible = 0;
    if (!handPresent(p, slot, t, &id, &visible)) continue;
    HandModel now = handModel(p, slot, t);
    HandModel before = handModel(p, slot, t - h);
    HandModel after = handModel(p, slot, t + h);
    HandModel lagged = handModel(p, slot, t - std::min(lag, visible));
    HandData hand = now.hand;
    hand.id = id;
    hand.timeVisible = f(visible);
    hand.palmVelocity = (after.hand.palm - before.hand.palm) / f(2 * h);
    hand.stabilizedPalm = lagged.hand.palm;
    scene.hands.push_back(hand);
    if (slot == 0) rightId = id;
    for (int fi = 0; fi < 5; ++fi) {
      PointableData pd = now.fingers[fi];
      pd.id = id * 10 + fi;
      pd.handId = id;
      pd.timeVisible = hand.timeVisible;
      pd.tipVelocity = (after.fingers[fi].tip - before.fingers[fi].tip) / f(2 * h);
      pd.stabilizedTip = lagged.fingers[fi].tip;
      touch(pd);
      scene.pointables.push_back(pd);
    }
  }

  // The tool.
  {
    double shifted = t + p.toolOffset;
    double cycle = std::floor(shifted / 15.0);
    double tau = shifted - cycle * 15.0;
    if (tau < 3.0) {
      ToolModel now = toolModel(p, t), before = toolModel(p, t - h), after = toolModel(p, t + h);
      ToolModel lagged = toolModel(p, t - std::min(lag, tau));
      PointableData tool;
      tool.id = static_cast<int32_t>(100000 + cycle);
      tool.handId = -1;
      tool.isFinger = false;
      tool.fingerType = 0;
      tool.tip = now.tip;
      tool.direction = now.direction;
      tool.tipVelocity = (after.tip - before.tip) / f(2 * h);
      tool.stabilizedTip = lagged.tip;
      tool.width = 6.0f;
      tool.length = 140.0f;
      tool.extended = true;
      tool.timeVisible = f(std::min(tau, t));
      for (BoneData& b : tool.bones) b = BoneData();
      touch(tool);
      scene.pointables.push_back(tool);
    }
  }

  // Gestures of the right hand's index finger.
  if (rightId >= 0 && s.gestureMask != 0) {
    const int32_t indexId = rightId * 10 + 1;
    const PointableData* index1 = nullptr;
    for (const PointableData& pd : scene.pointables)
      if (pd.id == indexId) index1 = &pd;
    auto add = [&](int type, int kind, const Window& w, bool discrete) {
      GestureData g;
      g.id = static_cast<int32_t>(w.cycle * 4 + kind + 1);
      g.type = type;
      g.state = discrete || w.last ? Gesture::STATE_STOP : w.first ? Gesture::STATE_START : Gesture::STATE_UPDATE;
      g.duration = discrete ? 0 : sceneTimestamp(s, index) - sceneTimestamp(s, w.firstIndex);
      g.pointableId = indexId;
      g.handIds.push_back(rightId);
      g.pointableIds.push_back(indexId);
      return g;
    };
    auto enabled = [&](int type) { return (s.gestureMask & (1u << type)) != 0; };

    Window sw = windowAt(dt, index, kSwipeStart, kSwipeEnd);
    if (sw.inside && enabled(Gesture::TYPE_SWIPE) && index1) {
      GestureData g = add(Gesture::TYPE_SWIPE, 0, sw, false);
      HandModel start = handModel(p, 0, static_cast<double>(sw.firstIndex) * dt);
      g.a = start.fingers[1].tip;
      g.b = index1->tip;
      g.c = index1->tipVelocity.normalized();
      g.f0 = index1->tipVelocity.magnitude();
      scene.gestures.push_back(g);
    }
    Window cw = windowAt(dt, index, kCircleStart, kCircleEnd);
    if (cw.inside && enabled(Gesture::TYPE_CIRCLE) && index1) {
      GestureData g = add(Gesture::TYPE_CIRCLE, 1, cw, false);
      double tau = t - static_cast<double>(cw.cycle) * kGestureCycle - kCircleStart;
      double w = 2.0 * kTwoPi / (kCircleEnd - kCircleStart);
      Vector around(f(kCircleRadius * std::cos(w * tau)), f(kCircleRadius * std::sin(w * tau)), 0);
      g.a = index1->tip - around;
      g.b = Vector(0, 0, 1);  // counter-clockwise as seen from the user
      g.f0 = f(w * tau / kTwoPi);
      g.f1 = f(kCircleRadius);
      scene.gestures.push_back(g);
    }
    // Taps are reported once, on the frame that reaches the deepest point.
    const double peak = kTapLength * 0.5;
    Window stw = windowAt(dt, index, kScreenTapStart + peak, kScreenTapStart + peak + dt);
    if (stw.inside && stw.first && enabled(Gesture::TYPE_SCREEN_TAP) && index1) {
      GestureData g = add(Gesture::TYPE_SCREEN_TAP, 2, stw, true);
      g.a = index1->tip;
      g.b = Vector(0, 0, -1);
      g.f0 = 1.0f;
      scene.gestures.push_back(g);
    }
    Window ktw = windowAt(dt, index, kKeyTapStart + peak, kKeyTapStart + peak + dt);
    if (ktw.inside && ktw.first && enabled(Gesture::TYPE_KEY_TAP) && index1) {
      GestureData g = add(Gesture::TYPE_KEY_TAP, 3, ktw, true);
      g.a = index1->tip;
      g.b = Vector(0, -1, 0);
      g.f0 = 1.0f;
      scene.gestures.push_back(g);
    }
  }

  // The tracked sheet.
  QuadData& q = scene.quad;
  q.valid = true;
  q.width = 210.0f;
  q.height = 297.0f;
  q.resolutionX = 420;
  q.resolutionY = 594;
  q.visible = std::fmod(t, 20.0) < 14.0;
  q.position = Vector(f(20.0 * std::sin(0.2 * t)), 320.0f, -40.0f);
  q.orientation = Matrix(Vector::yAxis(), f(0.2 * std::sin(0.1 * t))) *
                  Matrix(Vector(1, 0, 0), Vector(0, 0, -1), Vector(0, 1, 0));

  if (s.images) {
    for (int camera = 0; camera < 2; ++camera) scene.images.push_back(renderImage(s, header, scene, camera));
    if (q.visible)
      for (const ImagePtr& img : scene.images)
        if (MaskPtr m = renderMask(q, *img, header.id)) q.masks.push_back(std::move(m));
  }
}

}  // namespace Quon
