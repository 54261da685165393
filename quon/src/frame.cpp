// Frames, the interaction box, images, masks, the tracked quad, screens and
// devices.
#include <cmath>
#include <limits>

#include "internal.h"

namespace Quon {

namespace {
using LA = LibraryAccess;

template <int Tag, class T>
struct Vec {
  std::vector<T> items;
};
using ImageVec = Vec<10, ImagePtr>;
using MaskVec = Vec<11, MaskPtr>;
using ScreenVec = Vec<12, ScreenData>;
using DeviceVec = Vec<13, DeviceData>;

const char* invalidString(const char* what) { return newCString(std::string("Invalid ") + what); }

const BoxData* boxData(const Interface& h) {
  const BoxRef* r = LA::get<BoxRef>(h);
  return r && r->frame ? &r->frame->box : nullptr;
}
const QuadData* quadData(const Interface& h) {
  const QuadRef* r = LA::get<QuadRef>(h);
  return r && r->frame && r->frame->scene().quad.valid ? &r->frame->scene().quad : nullptr;
}
const ImageData* imageData(const Interface& h) {
  const ImagePtr* p = LA::get<ImagePtr>(h);
  return p ? p->get() : nullptr;
}
const MaskData* maskData(const Interface& h) {
  const MaskPtr* p = LA::get<MaskPtr>(h);
  return p ? p->get() : nullptr;
}
const ScreenData* screenData(const Interface& h) { return LA::get<ScreenData>(h); }
const DeviceData* deviceData(const Interface& h) { return LA::get<DeviceData>(h); }

Vector nanVector() {
  const float n = std::numeric_limits<float>::quiet_NaN();
  return Vector(n, n, n);
}
}  // namespace

const FrameData* frameDataOf(const Frame& frame) {
  const FrameRef* r = LA::get<FrameRef>(frame);
  return r ? r->frame.get() : nullptr;
}
FramePtr framePtrOf(const Frame& frame) {
  const FrameRef* r = LA::get<FrameRef>(frame);
  return r ? r->frame : FramePtr();
}
Image makeImage(const ImagePtr& d) { return d ? LA::make<Image>(d) : Image(); }
ImageList makeImageList(const std::vector<ImagePtr>& images) {
  return LA::make<ImageList>(ImageVec{images});
}

// ---------------------------------------------------------------------------
// Frame

Frame::Frame() : Interface(nullptr) {}
Frame::Frame(Implementation* reference) : Interface(reference) {}
int64_t Frame::id() const {
  const FrameData* f = frameDataOf(*this);
  return f ? f->id : -1;
}
int64_t Frame::timestamp() const {
  const FrameData* f = frameDataOf(*this);
  return f ? f->timestamp : 0;
}
float Frame::currentFramesPerSecond() const {
  const FrameData* f = frameDataOf(*this);
  return f ? f->fps : 0.0f;
}
ImageList Frame::images() const {
  const FrameData* f = frameDataOf(*this);
  return f ? makeImageList(f->scene().images) : ImageList();
}
InteractionBox Frame::interactionBox() const {
  FramePtr p = framePtrOf(*this);
  return p ? LA::make<InteractionBox>(BoxRef{p, 0}) : InteractionBox();
}
TrackedQuad Frame::trackedQuad() const {
  FramePtr p = framePtrOf(*this);
  return p && p->scene().quad.valid ? LA::make<TrackedQuad>(QuadRef{p, 0}) : TrackedQuad();
}
bool Frame::isValid() const { return frameDataOf(*this) != nullptr; }
bool Frame::operator==(const Frame& other) const {
  const FrameData* a = frameDataOf(*this);
  const FrameData* b = frameDataOf(other);
  return a && b && (a == b || (a->id == b->id && a->timestamp == b->timestamp));
}
bool Frame::operator!=(const Frame& other) const { return !(*this == other); }
const char* Frame::toCString() const {
  const FrameData* f = frameDataOf(*this);
  if (!f) return invalidString("Frame");
  return newCString("Frame Id:" + std::to_string(f->id) + " Timestamp:" +
                    std::to_string(f->timestamp) + " Hands:" + std::to_string(f->scene().hands.size()) +
                    " Pointables:" + std::to_string(f->scene().pointables.size()) +
                    " Gestures:" + std::to_string(f->scene().gestures.size()));
}

const char* Frame::serializeCString(unsigned int& length) const {
  static const char empty[1] = {0};
  const FrameData* f = frameDataOf(*this);
  if (!f) {
    length = 0;
    return empty;
  }
  std::call_once(f->serializedOnce, [f] { f->serialized = encodeFrame(*f); });
  length = static_cast<unsigned int>(f->serialized.size());
  return f->serialized.data();
}

void Frame::deserializeCString(const char* str, unsigned int length) {
  std::shared_ptr<FrameData> decoded =
      str ? decodeFrame(reinterpret_cast<const unsigned char*>(str), length) : nullptr;
  if (!decoded) {
    LA::reset(*this, nullptr);
    return;
  }
  Frame fresh = makeFrame(decoded);
  *this = fresh;
}

// ---------------------------------------------------------------------------
// InteractionBox

InteractionBox::InteractionBox() : Interface(nullptr) {}
InteractionBox::InteractionBox(Implementation* reference) : Interface(reference) {}
Vector InteractionBox::normalizePoint(const Vector& position, bool clamp) const {
  const BoxData* b = boxData(*this);
  if (!b || b->width <= 0 || b->height <= 0 || b->depth <= 0) return Vector();
  Vector n((position.x - b->center.x) / b->width + 0.5f,
           (position.y - b->center.y) / b->height + 0.5f,
           (position.z - b->center.z) / b->depth + 0.5f);
  if (clamp) {
    n.x = std::fmin(1.0f, std::fmax(0.0f, n.x));
    n.y = std::fmin(1.0f, std::fmax(0.0f, n.y));
    n.z = std::fmin(1.0f, std::fmax(0.0f, n.z));
  }
  return n;
}
Vector InteractionBox::denormalizePoint(const Vector& n) const {
  const BoxData* b = boxData(*this);
  if (!b) return Vector();
  return Vector((n.x - 0.5f) * b->width + b->center.x, (n.y - 0.5f) * b->height + b->center.y,
                (n.z - 0.5f) * b->depth + b->center.z);
}
Vector InteractionBox::center() const {
  const BoxData* b = boxData(*this);
  return b ? b->center : Vector();
}
float InteractionBox::width() const {
  const BoxData* b = boxData(*this);
  return b ? b->width : 0.0f;
}
float InteractionBox::height() const {
  const BoxData* b = boxData(*this);
  return b ? b->height : 0.0f;
}
float InteractionBox::depth() const {
  const BoxData* b = boxData(*this);
  return b ? b->depth : 0.0f;
}
bool InteractionBox::isValid() const { return boxData(*this) != nullptr; }
bool InteractionBox::operator==(const InteractionBox& other) const {
  const BoxData* a = boxData(*this);
  const BoxData* b = boxData(other);
  return a && b && a->center == b->center && a->width == b->width && a->height == b->height &&
         a->depth == b->depth;
}
bool InteractionBox::operator!=(const InteractionBox& other) const { return !(*this == other); }
const char* InteractionBox::toCString() const {
  const BoxData* b = boxData(*this);
  if (!b) return invalidString("InteractionBox");
  return newCString("InteractionBox center:" + b->center.toString() +
                    " size:" + Vector(b->width, b->height, b->depth).toString());
}

// ---------------------------------------------------------------------------
// Image

// Ray slopes to pixels: radial lens distortion, then the linear ray mapping.
Vector warpSlope(const ImageData& image, float sx, float sy) {
  float r2 = sx * sx + sy * sy;
  float f = 1.0f + image.radialK * r2;
  float dx = sx * f, dy = sy * f;
  return Vector((dx * image.rayScaleX + image.rayOffsetX) * static_cast<float>(image.width),
                (dy * image.rayScaleY + image.rayOffsetY) * static_cast<float>(image.height), 0.0f);
}

// Pixels back to ray slopes: undo the linear mapping, then solve the radial
// distortion r_d = r (1 + k r^2) for r by Newton's method (monotonic for k >= 0).
Vector rectifyPixel(const ImageData& image, const Vector& uv) {
  if (image.width <= 0 || image.height <= 0 || image.rayScaleX == 0 || image.rayScaleY == 0)
    return Vector();
  double dx = (static_cast<double>(uv.x) / image.width - image.rayOffsetX) / image.rayScaleX;
  double dy = (static_cast<double>(uv.y) / image.height - image.rayOffsetY) / image.rayScaleY;
  double rd = std::sqrt(dx * dx + dy * dy);
  double k = image.radialK;
  double r = rd;
  for (int i = 0; i < 30 && k > 0; ++i) {
    double g = r + k * r * r * r - rd;
    double dg = 1.0 + 3.0 * k * r * r;
    double step = g / dg;
    r -= step;
    if (std::fabs(step) < 1e-12) break;
  }
  double scale = rd > 0 ? r / rd : 1.0;
  return Vector(static_cast<float>(dx * scale), static_cast<float>(dy * scale), 0.0f);
}

Image::Image() : Interface(nullptr) {}
Image::Image(Implementation* reference) : Interface(reference) {}
int64_t Image::sequenceId() const {
  const ImageData* i = imageData(*this);
  return i ? i->sequenceId : -1;
}
int32_t Image::id() const {
  const ImageData* i = imageData(*this);
  return i ? i->id : -1;
}
const unsigned char* Image::data() const {
  const ImageData* i = imageData(*this);
  return i && !i->pixels.empty() ? i->pixels.data() : nullptr;
}
const float* Image::distortion() const {
  const ImageData* i = imageData(*this);
  return i && !i->distortion.empty() ? i->distortion.data() : nullptr;
}
int Image::width() const {
  const ImageData* i = imageData(*this);
  return i ? i->width : 0;
}
int Image::height() const {
  const ImageData* i = imageData(*this);
  return i ? i->height : 0;
}
int Image::bytesPerPixel() const {
  const ImageData* i = imageData(*this);
  return i ? i->bytesPerPixel : 0;
}
Image::FormatType Image::format() const {
  const ImageData* i = imageData(*this);
  return i ? static_cast<FormatType>(i->format) : INFRARED;
}
int Image::distortionWidth() const {
  const ImageData* i = imageData(*this);
  return i ? i->distortionWidth : 0;
}
int Image::distortionHeight() const {
  const ImageData* i = imageData(*this);
  return i ? i->distortionHeight : 0;
}
float Image::rayOffsetX() const {
  const ImageData* i = imageData(*this);
  return i ? i->rayOffsetX : 0.0f;
}
float Image::rayOffsetY() const {
  const ImageData* i = imageData(*this);
  return i ? i->rayOffsetY : 0.0f;
}
float Image::rayScaleX() const {
  const ImageData* i = imageData(*this);
  return i ? i->rayScaleX : 0.0f;
}
float Image::rayScaleY() const {
  const ImageData* i = imageData(*this);
  return i ? i->rayScaleY : 0.0f;
}
Vector Image::rectify(const Vector& uv) const {
  const ImageData* i = imageData(*this);
  return i ? rectifyPixel(*i, uv) : nanVector();
}
Vector Image::warp(const Vector& xy) const {
  const ImageData* i = imageData(*this);
  return i ? warpSlope(*i, xy.x, xy.y) : nanVector();
}
int64_t Image::timestamp() const {
  const ImageData* i = imageData(*this);
  return i ? i->timestamp : 0;
}
bool Image::isValid() const { return imageData(*this) != nullptr; }
bool Image::operator==(const Image& other) const {
  const ImageData* a = imageData(*this);
  const ImageData* b = imageData(other);
  return a && b && (a == b || (a->id == b->id && a->sequenceId == b->sequenceId));
}
bool Image::operator!=(const Image& other) const { return !(*this == other); }
const char* Image::toCString() const {
  const ImageData* i = imageData(*this);
  if (!i) return invalidString("Image");
  return newCString("Image Id:" + std::to_string(i->id) + " sequence:" +
                    std::to_string(i->sequenceId) + " " + std::to_string(i->width) + "x" +
                    std::to_string(i->height));
}

// ---------------------------------------------------------------------------
// Mask

Mask::Mask() : Interface(nullptr) {}
Mask::Mask(Implementation* reference) : Interface(reference) {}
int64_t Mask::sequenceId() const {
  const MaskData* m = maskData(*this);
  return m ? m->sequenceId : -1;
}
int32_t Mask::id() const {
  const MaskData* m = maskData(*this);
  return m ? m->id : -1;
}
const unsigned char* Mask::data() const {
  const MaskData* m = maskData(*this);
  return m && !m->pixels.empty() ? m->pixels.data() : nullptr;
}
int Mask::width() const {
  const MaskData* m = maskData(*this);
  return m ? m->width : 0;
}
int Mask::height() const {
  const MaskData* m = maskData(*this);
  return m ? m->height : 0;
}
int Mask::offsetX() const {
  const MaskData* m = maskData(*this);
  return m ? m->offsetX : 0;
}
int Mask::offsetY() const {
  const MaskData* m = maskData(*this);
  return m ? m->offsetY : 0;
}
bool Mask::isValid() const { return maskData(*this) != nullptr; }
bool Mask::operator==(const Mask& other) const {
  const MaskData* a = maskData(*this);
  const MaskData* b = maskData(other);
  return a && b && (a == b || (a->id == b->id && a->sequenceId == b->sequenceId));
}
bool Mask::operator!=(const Mask& other) const { return !(*this == other); }
const char* Mask::toCString() const {
  const MaskData* m = maskData(*this);
  if (!m) return invalidString("Mask");
  return newCString("Mask Id:" + std::to_string(m->id) + " sequence:" +
                    std::to_string(m->sequenceId) + " " + std::to_string(m->width) + "x" +
                    std::to_string(m->height) + " at (" + std::to_string(m->offsetX) + ", " +
                    std::to_string(m->offsetY) + ")");
}

// ---------------------------------------------------------------------------
// TrackedQuad

TrackedQuad::TrackedQuad() : Interface(nullptr) {}
TrackedQuad::TrackedQuad(Implementation* reference) : Interface(reference) {}
float TrackedQuad::width() const {
  const QuadData* q = quadData(*this);
  return q ? q->width : 0.0f;
}
float TrackedQuad::height() const {
  const QuadData* q = quadData(*this);
  return q ? q->height : 0.0f;
}
int TrackedQuad::resolutionX() const {
  const QuadData* q = quadData(*this);
  return q ? q->resolutionX : 0;
}
int TrackedQuad::resolutionY() const {
  const QuadData* q = quadData(*this);
  return q ? q->resolutionY : 0;
}
bool TrackedQuad::visible() const {
  const QuadData* q = quadData(*this);
  return q && q->visible;
}
Matrix TrackedQuad::orientation() const {
  const QuadData* q = quadData(*this);
  return q ? q->orientation : Matrix();
}
Vector TrackedQuad::position() const {
  const QuadData* q = quadData(*this);
  return q ? q->position : Vector();
}
MaskList TrackedQuad::masks() const {
  const QuadData* q = quadData(*this);
  return q ? LA::make<MaskList>(MaskVec{q->masks}) : MaskList();
}
ImageList TrackedQuad::images() const {
  const QuadRef* r = LA::get<QuadRef>(*this);
  return r && r->frame && r->frame->scene().quad.valid ? makeImageList(r->frame->scene().images) : ImageList();
}
bool TrackedQuad::isValid() const { return quadData(*this) != nullptr; }
bool TrackedQuad::operator==(const TrackedQuad& other) const {
  const QuadRef* a = LA::get<QuadRef>(*this);
  const QuadRef* b = LA::get<QuadRef>(other);
  return isValid() && other.isValid() &&
         (a->frame == b->frame ||
          (a->frame->id == b->frame->id && a->frame->timestamp == b->frame->timestamp));
}
bool TrackedQuad::operator!=(const TrackedQuad& other) const { return !(*this == other); }
const char* TrackedQuad::toCString() const {
  const QuadData* q = quadData(*this);
  if (!q) return invalidString("TrackedQuad");
  return newCString("TrackedQuad position:" + q->position.toString() + " size:" +
                    Vector(q->width, q->height, 0).toString() +
                    (q->visible ? " visible" : " hidden"));
}

// ---------------------------------------------------------------------------
// Image and mask lists

ImageList::ImageList() : Interface(nullptr) {}
ImageList::ImageList(Implementation* reference) : Interface(reference) {}
int ImageList::count() const {
  const ImageVec* v = LA::get<ImageVec>(*this);
  return v ? static_cast<int>(v->items.size()) : 0;
}
bool ImageList::isEmpty() const { return count() == 0; }
Image ImageList::operator[](int index) const {
  const ImageVec* v = LA::get<ImageVec>(*this);
  if (!v || index < 0 || index >= static_cast<int>(v->items.size())) return Image();
  return makeImage(v->items[static_cast<size_t>(index)]);
}
ImageList& ImageList::append(const ImageList& other) {
  const ImageVec* src = LA::get<ImageVec>(other);
  if (src && !src->items.empty()) {
    auto copy = src->items;
    ImageVec& dst = LA::own<ImageVec>(*this);
    dst.items.insert(dst.items.end(), copy.begin(), copy.end());
  }
  return *this;
}

MaskList::MaskList() : Interface(nullptr) {}
MaskList::MaskList(Implementation* reference) : Interface(reference) {}
int MaskList::count() const {
  const MaskVec* v = LA::get<MaskVec>(*this);
  return v ? static_cast<int>(v->items.size()) : 0;
}
bool MaskList::isEmpty() const { return count() == 0; }
Mask MaskList::operator[](int index) const {
  const MaskVec* v = LA::get<MaskVec>(*this);
  if (!v || index < 0 || index >= static_cast<int>(v->items.size())) return Mask();
  return LA::make<Mask>(v->items[static_cast<size_t>(index)]);
}
MaskList& MaskList::append(const MaskList& other) {
  const MaskVec* src = LA::get<MaskVec>(other);
  if (src && !src->items.empty()) {
    auto copy = src->items;
    MaskVec& dst = LA::own<MaskVec>(*this);
    dst.items.insert(dst.items.end(), copy.begin(), copy.end());
  }
  return *this;
}

// ---------------------------------------------------------------------------
// Screen

namespace {
// Screen coordinates (u, v) of a point on the plane, clamped about the centre.
Vector screenResult(const ScreenData& s, const Vector& onPlane, bool normalize, float clampRatio) {
  Vector rel = onPlane - s.bottomLeft;
  float u = rel.dot(s.horizontal) / s.horizontal.magnitudeSquared();
  float v = rel.dot(s.vertical) / s.vertical.magnitudeSquared();
  float half = clampRatio * 0.5f;
  u = std::fmin(0.5f + half, std::fmax(0.5f - half, u));
  v = std::fmin(0.5f + half, std::fmax(0.5f - half, v));
  if (normalize) return Vector(u, v, 0.0f);
  return s.bottomLeft + s.horizontal * u + s.vertical * v;
}
Vector screenNormal(const ScreenData& s) { return s.horizontal.cross(s.vertical).normalized(); }

// Distance along the ray to the plane, or a negative value when it misses.
float rayDistance(const ScreenData& s, const Vector& position, const Vector& direction) {
  Vector n = screenNormal(s);
  Vector d = direction.normalized();
  float denom = d.dot(n);
  if (std::fabs(denom) < 1e-6f) return -1.0f;
  return (s.bottomLeft - position).dot(n) / denom;
}
}  // namespace

Screen::Screen() : Interface(nullptr) {}
Screen::Screen(Implementation* reference) : Interface(reference) {}
int32_t Screen::id() const {
  const ScreenData* s = screenData(*this);
  return s ? s->id : -1;
}
Vector Screen::intersect(const Pointable& pointable, bool normalize, float clampRatio) const {
  if (!pointable.isValid()) return nanVector();
  return intersect(pointable.tipPosition(), pointable.direction(), normalize, clampRatio);
}
Vector Screen::intersect(const Vector& position, const Vector& direction, bool normalize,
                         float clampRatio) const {
  const ScreenData* s = screenData(*this);
  if (!s) return nanVector();
  float t = rayDistance(*s, position, direction);
  if (!(t >= 0)) return nanVector();
  return screenResult(*s, position + direction.normalized() * t, normalize, clampRatio);
}
Vector Screen::project(const Vector& position, bool normalize, float clampRatio) const {
  const ScreenData* s = screenData(*this);
  if (!s) return nanVector();
  Vector n = screenNormal(*s);
  Vector onPlane = position - n * (position - s->bottomLeft).dot(n);
  return screenResult(*s, onPlane, normalize, clampRatio);
}
Vector Screen::horizontalAxis() const {
  const ScreenData* s = screenData(*this);
  return s ? s->horizontal : Vector();
}
Vector Screen::verticalAxis() const {
  const ScreenData* s = screenData(*this);
  return s ? s->vertical : Vector();
}
Vector Screen::bottomLeftCorner() const {
  const ScreenData* s = screenData(*this);
  return s ? s->bottomLeft : Vector();
}
Vector Screen::normal() const {
  const ScreenData* s = screenData(*this);
  return s ? screenNormal(*s) : Vector();
}
int Screen::widthPixels() const {
  const ScreenData* s = screenData(*this);
  return s ? s->widthPixels : 0;
}
int Screen::heightPixels() const {
  const ScreenData* s = screenData(*this);
  return s ? s->heightPixels : 0;
}
float Screen::distanceToPoint(const Vector& point) const {
  const ScreenData* s = screenData(*this);
  return s ? std::fabs((point - s->bottomLeft).dot(screenNormal(*s))) : 0.0f;
}
bool Screen::isValid() const { return screenData(*this) != nullptr; }
bool Screen::operator==(const Screen& other) const {
  const ScreenData* a = screenData(*this);
  const ScreenData* b = screenData(other);
  return a && b && a->id == b->id;
}
bool Screen::operator!=(const Screen& other) const { return !(*this == other); }
const char* Screen::toCString() const {
  const ScreenData* s = screenData(*this);
  if (!s) return invalidString("Screen");
  return newCString("Screen Id:" + std::to_string(s->id) + " " + std::to_string(s->widthPixels) +
                    "x" + std::to_string(s->heightPixels) + "px bottomLeft:" +
                    s->bottomLeft.toString());
}

ScreenList::ScreenList() : Interface(nullptr) {}
ScreenList::ScreenList(Implementation* reference) : Interface(reference) {}
int ScreenList::count() const {
  const ScreenVec* v = LA::get<ScreenVec>(*this);
  return v ? static_cast<int>(v->items.size()) : 0;
}
bool ScreenList::isEmpty() const { return count() == 0; }
Screen ScreenList::operator[](int index) const {
  const ScreenVec* v = LA::get<ScreenVec>(*this);
  if (!v || index < 0 || index >= static_cast<int>(v->items.size())) return Screen();
  return LA::make<Screen>(v->items[static_cast<size_t>(index)]);
}
Screen ScreenList::closestScreenHit(const Pointable& pointable) const {
  if (!pointable.isValid()) return Screen();
  return closestScreenHit(pointable.tipPosition(), pointable.direction());
}
Screen ScreenList::closestScreenHit(const Vector& position, const Vector& direction) const {
  const ScreenVec* v = LA::get<ScreenVec>(*this);
  if (!v) return Screen();
  int best = -1;
  float bestT = 0;
  for (size_t i = 0; i < v->items.size(); ++i) {
    float t = rayDistance(v->items[i], position, direction);
    if (t >= 0 && (best < 0 || t < bestT)) {
      best = static_cast<int>(i);
      bestT = t;
    }
  }
  return (*this)[best];
}
Screen ScreenList::closestScreen(const Vector& position) const {
  const ScreenVec* v = LA::get<ScreenVec>(*this);
  if (!v) return Screen();
  int best = -1;
  float bestD = 0;
  for (size_t i = 0; i < v->items.size(); ++i) {
    const ScreenData& s = v->items[i];
    float d = std::fabs((position - s.bottomLeft).dot(screenNormal(s)));
    if (best < 0 || d < bestD) {
      best = static_cast<int>(i);
      bestD = d;
    }
  }
  return (*this)[best];
}

ScreenData simulatedScreen() {
  ScreenData s;
  s.id = 0;
  s.horizontal = Vector(600, 0, 0);
  s.vertical = Vector(0, 340, 0);
  s.bottomLeft = Vector(-300, 60, -250);
  s.widthPixels = 1920;
  s.heightPixels = 1080;
  return s;
}

ScreenList makeScreenList(const std::vector<ScreenData>& screens) {
  return LA::make<ScreenList>(ScreenVec{screens});
}

// ---------------------------------------------------------------------------
// Device

Device::Device() : Interface(nullptr) {}
Device::Device(Implementation* reference) : Interface(reference) {}
float Device::horizontalViewAngle() const {
  const DeviceData* d = deviceData(*this);
  return d ? d->hAngle : 0.0f;
}
float Device::verticalViewAngle() const {
  const DeviceData* d = deviceData(*this);
  return d ? d->vAngle : 0.0f;
}
float Device::range() const {
  const DeviceData* d = deviceData(*this);
  return d ? d->range : 0.0f;
}
float Device::baseline() const {
  const DeviceData* d = deviceData(*this);
  return d ? d->baseline : 0.0f;
}
// The field of view is the wedge above the device bounded by the two view
// angles and the range; the distance is to the nearest of its faces.
float Device::distanceToBoundary(const Vector& position) const {
  const DeviceData* d = deviceData(*this);
  if (!d) return 0.0f;
  Vector p = d->orientation.rigidInverse().transformPoint(position - d->position);
  float sh = detail::sin_f(d->hAngle * 0.5f), ch = detail::cos_f(d->hAngle * 0.5f);
  float sv = detail::sin_f(d->vAngle * 0.5f), cv = detail::cos_f(d->vAngle * 0.5f);
  float toSideX = p.y * sh - std::fabs(p.x) * ch;
  float toSideZ = p.y * sv - std::fabs(p.z) * cv;
  float toRange = d->range - p.magnitude();
  float m = std::fmin(toSideX, std::fmin(toSideZ, toRange));
  return m > 0 && p.y > 0 ? m : 0.0f;
}
bool Device::isEmbedded() const {
  const DeviceData* d = deviceData(*this);
  return d && d->embedded;
}
bool Device::isStreaming() const {
  const DeviceData* d = deviceData(*this);
  return d && d->streaming;
}
bool Device::isFlipped() const {
  const DeviceData* d = deviceData(*this);
  return d && d->flipped;
}
Device::Type Device::type() const {
  const DeviceData* d = deviceData(*this);
  return d ? static_cast<Type>(d->type) : TYPE_PERIPHERAL;
}
const char* Device::serialNumberCString() const {
  const DeviceData* d = deviceData(*this);
  return newCString(d ? d->serial : std::string());
}
Vector Device::position() const {
  const DeviceData* d = deviceData(*this);
  return d ? d->position : Vector();
}
Matrix Device::orientation() const {
  const DeviceData* d = deviceData(*this);
  return d ? d->orientation : Matrix();
}
bool Device::isValid() const { return deviceData(*this) != nullptr; }
bool Device::operator==(const Device& other) const {
  const DeviceData* a = deviceData(*this);
  const DeviceData* b = deviceData(other);
  return a && b && a->serial == b->serial;
}
bool Device::operator!=(const Device& other) const { return !(*this == other); }
const char* Device::toCString() const {
  const DeviceData* d = deviceData(*this);
  if (!d) return invalidString("Device");
  char buf[64];
  std::snprintf(buf, sizeof buf, " range:%gmm baseline:%gmm", static_cast<double>(d->range),
                static_cast<double>(d->baseline));
  return newCString("Device " + d->serial + buf + (d->streaming ? " streaming" : ""));
}

DeviceData simulatedDevice(uint64_t seed, bool streaming) {
  DeviceData d;
  d.hAngle = 150.0f * DEG_TO_RAD;
  d.vAngle = 120.0f * DEG_TO_RAD;
  d.range = 600.0f;
  d.baseline = 40.0f;
  d.streaming = streaming;
  char serial[32];
  std::snprintf(serial, sizeof serial, "QN-SIM-%08X", static_cast<unsigned>(seed & 0xffffffffu));
  d.serial = serial;
  return d;
}

DeviceList::DeviceList() : Interface(nullptr) {}
DeviceList::DeviceList(Implementation* reference) : Interface(reference) {}
int DeviceList::count() const {
  const DeviceVec* v = LA::get<DeviceVec>(*this);
  return v ? static_cast<int>(v->items.size()) : 0;
}
bool DeviceList::isEmpty() const { return count() == 0; }
Device DeviceList::operator[](int index) const {
  const DeviceVec* v = LA::get<DeviceVec>(*this);
  if (!v || index < 0 || index >= static_cast<int>(v->items.size())) return Device();
  return LA::make<Device>(v->items[static_cast<size_t>(index)]);
}
DeviceList& DeviceList::append(const DeviceList& other) {
  const DeviceVec* src = LA::get<DeviceVec>(other);
  if (src && !src->items.empty()) {
    auto copy = src->items;
    DeviceVec& dst = LA::own<DeviceVec>(*this);
    dst.items.insert(dst.items.end(), copy.begin(), copy.end());
  }
  return *this;
}

DeviceList makeDeviceList(const std::vector<DeviceData>& devices) {
  return LA::make<DeviceList>(DeviceVec{devices});
}

}  // namespace Quon
