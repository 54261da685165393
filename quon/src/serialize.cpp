// Frame serialisation: a versioned, length-checked little-endian format.
//
//   "QFRM" | u16 version | u16 flags (0) | u32 payload length | payload
//
// The payload holds every field of the snapshot in a fixed order. Decoding
// checks each count against fixed limits and against the bytes left before
// allocating, and the payload must be consumed exactly; anything else yields
// no frame.
#include <cstring>

#include "internal.h"

namespace Quon {

namespace {

constexpr uint16_t kVersion = 1;
constexpr size_t kHeaderSize = 12;
constexpr uint32_t kMaxHands = 64, kMaxPointables = 1024, kMaxGestures = 1024, kMaxIds = 64;
constexpr uint32_t kMaxImages = 8, kMaxMasks = 8;
constexpr int32_t kMaxImageSide = 4096;

class Writer {
 public:
  std::string out;
  void bytes(const void* p, size_t n) { out.append(static_cast<const char*>(p), n); }
  void u8(uint8_t v) { out.push_back(static_cast<char>(v)); }
  void u32(uint32_t v) {
    for (int i = 0; i < 4; ++i) u8(static_cast<uint8_t>(v >> (8 * i)));
  }
  void u16(uint16_t v) {
    u8(static_cast<uint8_t>(v));
    u8(static_cast<uint8_t>(v >> 8));
  }
  void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
  void i64(int64_t v) {
    uint64_t u = static_cast<uint64_t>(v);
    for (int i = 0; i < 8; ++i) u8(static_cast<uint8_t>(u >> (8 * i)));
  }
  void f32(float v) {
    uint32_t u;
    std::memcpy(&u, &v, 4);
    u32(u);
  }
  void b(bool v) { u8(v ? 1 : 0); }
  void vec(const Vector& v) {
    f32(v.x);
    f32(v.y);
    f32(v.z);
  }
  void mat(const Matrix& m) {
    vec(m.xBasis);
    vec(m.yBasis);
    vec(m.zBasis);
    vec(m.origin);
  }
  void ids(const std::vector<int32_t>& v) {
    u32(static_cast<uint32_t>(v.size()));
    for (int32_t id : v) i32(id);
  }
};

class Reader {
 public:
  Reader(const unsigned char* p, size_t n) : p_(p), n_(n) {}
  bool ok() const { return ok_; }
  size_t left() const { return n_ - pos_; }
  bool take(void* dst, size_t n) {
    if (!ok_ || n > left()) return ok_ = false;
    if (n) std::memcpy(dst, p_ + pos_, n);
    pos_ += n;
    return true;
  }
  uint8_t u8() {
    uint8_t v = 0;
    take(&v, 1);
    return v;
  }
  uint32_t u32() {
    unsigned char b[4] = {0, 0, 0, 0};
    take(b, 4);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
           (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
  }
  uint16_t u16() {
    unsigned char b[2] = {0, 0};
    take(b, 2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
  }
  int32_t i32() { return static_cast<int32_t>(u32()); }
  int64_t i64() {
    uint64_t lo = u32();
    uint64_t hi = u32();
    return static_cast<int64_t>(lo | (hi << 32));
  }
  float f32() {
    uint32_t u = u32();
    float v;
    std::memcpy(&v, &u, 4);
    return v;
  }
  bool b() {
    uint8_t v = u8();
    if (v > 1) ok_ = false;
    return v == 1;
  }
  Vector vec() {
    float x = f32(), y = f32(), z = f32();
    return Vector(x, y, z);
  }
  Matrix mat() {
    Vector x = vec(), y = vec(), z = vec(), o = vec();
    return Matrix(x, y, z, o);
  }
  // A count of items of at least minItemSize bytes each, within a limit.
  uint32_t count(uint32_t limit, size_t minItemSize) {
    uint32_t n = u32();
    if (!ok_ || n > limit || static_cast<uint64_t>(n) * minItemSize > left()) {
      ok_ = false;
      return 0;
    }
    return n;
  }
  std::vector<int32_t> ids() {
    std::vector<int32_t> v(count(kMaxIds, 4));
    for (int32_t& id : v) id = i32();
    return v;
  }
  void fail() { ok_ = false; }

 private:
  const unsigned char* p_;
  size_t n_;
  size_t pos_ = 0;
  bool ok_ = true;
};

void writeBone(Writer& w, const BoneData& b) {
  w.vec(b.prev);
  w.vec(b.next);
  w.f32(b.width);
  w.mat(b.basis);
}
BoneData readBone(Reader& r) {
  BoneData b;
  b.prev = r.vec();
  b.next = r.vec();
  b.width = r.f32();
  b.basis = r.mat();
  return b;
}

}  // namespace

std::string encodeFrame(const FrameData& f) {
  const FrameScene& scene = f.scene();
  Writer w;
  w.i64(f.id);
  w.i64(f.timestamp);
  w.f32(f.fps);
  w.vec(f.box.center);
  w.f32(f.box.width);
  w.f32(f.box.height);
  w.f32(f.box.depth);

  w.u32(static_cast<uint32_t>(scene.hands.size()));
  for (const HandData& h : scene.hands) {
    w.i32(h.id);
    w.b(h.left);
    w.vec(h.palm);
    w.vec(h.stabilizedPalm);
    w.vec(h.palmVelocity);
    w.vec(h.normal);
    w.vec(h.direction);
    w.mat(h.basis);
    w.f32(h.palmWidth);
    w.vec(h.wrist);
    w.vec(h.sphereCenter);
    w.f32(h.sphereRadius);
    w.f32(h.grab);
    w.f32(h.pinch);
    w.f32(h.timeVisible);
    w.f32(h.confidence);
    w.vec(h.arm.elbow);
    w.vec(h.arm.wrist);
    w.f32(h.arm.width);
    w.mat(h.arm.basis);
  }

  w.u32(static_cast<uint32_t>(scene.pointables.size()));
  for (const PointableData& p : scene.pointables) {
    w.i32(p.id);
    w.i32(p.handId);
    w.b(p.isFinger);
    w.i32(p.fingerType);
    w.vec(p.tip);
    w.vec(p.tipVelocity);
    w.vec(p.direction);
    w.vec(p.stabilizedTip);
    w.f32(p.width);
    w.f32(p.length);
    w.b(p.extended);
    w.i32(p.zone);
    w.f32(p.touchDistance);
    w.f32(p.timeVisible);
    for (const BoneData& b : p.bones) writeBone(w, b);
  }

  w.u32(static_cast<uint32_t>(scene.gestures.size()));
  for (const GestureData& g : scene.gestures) {
    w.i32(g.id);
    w.i32(g.type);
    w.i32(g.state);
    w.i64(g.duration);
    w.i32(g.pointableId);
    w.vec(g.a);
    w.vec(g.b);
    w.vec(g.c);
    w.f32(g.f0);
    w.f32(g.f1);
    w.ids(g.handIds);
    w.ids(g.pointableIds);
  }

  w.u32(static_cast<uint32_t>(scene.images.size()));
  for (const ImagePtr& ip : scene.images) {
    const ImageData& i = *ip;
    w.i32(i.id);
    w.i64(i.sequenceId);
    w.i64(i.timestamp);
    w.i32(i.width);
    w.i32(i.height);
    w.i32(i.bytesPerPixel);
    w.i32(i.format);
    w.i32(i.distortionWidth);
    w.i32(i.distortionHeight);
    w.f32(i.rayOffsetX);
    w.f32(i.rayOffsetY);
    w.f32(i.rayScaleX);
    w.f32(i.rayScaleY);
    w.f32(i.radialK);
    w.bytes(i.pixels.data(), i.pixels.size());
    for (float d : i.distortion) w.f32(d);
  }

  const QuadData& q = scene.quad;
  w.b(q.valid);
  w.f32(q.width);
  w.f32(q.height);
  w.i32(q.resolutionX);
  w.i32(q.resolutionY);
  w.b(q.visible);
  w.mat(q.orientation);
  w.vec(q.position);
  w.u32(static_cast<uint32_t>(q.masks.size()));
  for (const MaskPtr& mp : q.masks) {
    const MaskData& m = *mp;
    w.i32(m.id);
    w.i64(m.sequenceId);
    w.i32(m.width);
    w.i32(m.height);
    w.i32(m.offsetX);
    w.i32(m.offsetY);
    w.bytes(m.pixels.data(), m.pixels.size());
  }

  Writer out;
  out.bytes("QFRM", 4);
  out.u16(kVersion);
  out.u16(0);
  out.u32(static_cast<uint32_t>(w.out.size()));
  out.out += w.out;
  return std::move(out.out);
}

std::shared_ptr<FrameData> decodeFrame(const unsigned char* bytes, size_t length) {
  if (!bytes || length < kHeaderSize || std::memcmp(bytes, "QFRM", 4) != 0) return nullptr;
  Reader header(bytes + 4, kHeaderSize - 4);
  uint16_t version = header.u16();
  uint16_t flags = header.u16();
  uint32_t payload = header.u32();
  if (version != kVersion || flags != 0 || payload != length - kHeaderSize) return nullptr;

  Reader r(bytes + kHeaderSize, payload);
  auto f = std::make_shared<FrameData>();
  FrameScene& scene = f->sceneToFill();
  f->id = r.i64();
  f->timestamp = r.i64();
  f->fps = r.f32();
  f->box.center = r.vec();
  f->box.width = r.f32();
  f->box.height = r.f32();
  f->box.depth = r.f32();

  scene.hands.resize(r.count(kMaxHands, 200));
  for (HandData& h : scene.hands) {
    h.id = r.i32();
    h.left = r.b();
    h.palm = r.vec();
    h.stabilizedPalm = r.vec();
    h.palmVelocity = r.vec();
    h.normal = r.vec();
    h.direction = r.vec();
    h.basis = r.mat();
    h.palmWidth = r.f32();
    h.wrist = r.vec();
    h.sphereCenter = r.vec();
    h.sphereRadius = r.f32();
    h.grab = r.f32();
    h.pinch = r.f32();
    h.timeVisible = r.f32();
    h.confidence = r.f32();
    h.arm.elbow = r.vec();
    h.arm.wrist = r.vec();
    h.arm.width = r.f32();
    h.arm.basis = r.mat();
  }

  scene.pointables.resize(r.count(kMaxPointables, 300));
  for (PointableData& p : scene.pointables) {
    p.id = r.i32();
    p.handId = r.i32();
    p.isFinger = r.b();
    p.fingerType = r.i32();
    p.tip = r.vec();
    p.tipVelocity = r.vec();
    p.direction = r.vec();
    p.stabilizedTip = r.vec();
    p.width = r.f32();
    p.length = r.f32();
    p.extended = r.b();
    p.zone = r.i32();
    p.touchDistance = r.f32();
    p.timeVisible = r.f32();
    for (BoneData& b : p.bones) b = readBone(r);
  }

  scene.gestures.resize(r.count(kMaxGestures, 70));
  for (GestureData& g : scene.gestures) {
    g.id = r.i32();
    g.type = r.i32();
    g.state = r.i32();
    g.duration = r.i64();
    g.pointableId = r.i32();
    g.a = r.vec();
    g.b = r.vec();
    g.c = r.vec();
    g.f0 = r.f32();
    g.f1 = r.f32();
    g.handIds = r.ids();
    g.pointableIds = r.ids();
  }

  uint32_t imageCount = r.count(kMaxImages, 64);
  for (uint32_t n = 0; n < imageCount && r.ok(); ++n) {
    auto i = std::make_shared<ImageData>();
    i->id = r.i32();
    i->sequenceId = r.i64();
    i->timestamp = r.i64();
    i->width = r.i32();
    i->height = r.i32();
    i->bytesPerPixel = r.i32();
    i->format = r.i32();
    i->distortionWidth = r.i32();
    i->distortionHeight = r.i32();
    i->rayOffsetX = r.f32();
    i->rayOffsetY = r.f32();
    i->rayScaleX = r.f32();
    i->rayScaleY = r.f32();
    i->radialK = r.f32();
    if (!r.ok() || i->width < 0 || i->width > kMaxImageSide || i->height < 0 ||
        i->height > kMaxImageSide || i->bytesPerPixel < 1 || i->bytesPerPixel > 4 ||
        i->distortionWidth < 0 || i->distortionWidth > kMaxImageSide ||
        i->distortionHeight < 0 || i->distortionHeight > kMaxImageSide)
      return nullptr;
    size_t pixelBytes = static_cast<size_t>(i->width) * static_cast<size_t>(i->height) *
                        static_cast<size_t>(i->bytesPerPixel);
    size_t gridBytes =
        static_cast<size_t>(i->distortionWidth) * static_cast<size_t>(i->distortionHeight) * 4;
    if (pixelBytes > r.left() || gridBytes > r.left() - pixelBytes) return nullptr;
    i->pixels.resize(pixelBytes);
    r.take(i->pixels.data(), pixelBytes);
    i->distortion.resize(gridBytes / 4);
    for (float& d : i->distortion) d = r.f32();
    scene.images.push_back(std::move(i));
  }

  QuadData& q = scene.quad;
  q.valid = r.b();
  q.width = r.f32();
  q.height = r.f32();
  q.resolutionX = r.i32();
  q.resolutionY = r.i32();
  q.visible = r.b();
  q.orientation = r.mat();
  q.position = r.vec();
  uint32_t maskCount = r.count(kMaxMasks, 28);
  for (uint32_t n = 0; n < maskCount && r.ok(); ++n) {
    auto m = std::make_shared<MaskData>();
    m->id = r.i32();
    m->sequenceId = r.i64();
    m->width = r.i32();
    m->height = r.i32();
    m->offsetX = r.i32();
    m->offsetY = r.i32();
    if (!r.ok() || m->width < 0 || m->width > kMaxImageSide || m->height < 0 ||
        m->height > kMaxImageSide)
      return nullptr;
    size_t maskBytes = static_cast<size_t>(m->width) * static_cast<size_t>(m->height);
    if (maskBytes > r.left()) return nullptr;
    m->pixels.resize(maskBytes);
    r.take(m->pixels.data(), maskBytes);
    q.masks.push_back(std::move(m));
  }

  if (!r.ok() || r.left() != 0) return nullptr;
  return f;
}

}  // namespace Quon
