// The hand model handles: pointables, fingers, tools, bones, arms, hands,
// gestures and the lists that hold them. Every handle points into an
// immutable frame snapshot, so reads need no locking.
#include <cmath>
#include <limits>

#include "internal.h"

namespace Quon {

namespace {

using LA = LibraryAccess;

const char* kFingerNames[] = {"Thumb", "Index", "Middle", "Ring", "Pinky"};
const char* kBoneNames[] = {"Metacarpal", "Proximal", "Intermediate", "Distal"};

template <class R>
const R* validRef(const Interface& h) {
  const R* r = LA::get<R>(h);
  return (r && r->frame) ? r : nullptr;
}

const HandData* handData(const Interface& h) {
  const HandRef* r = validRef<HandRef>(h);
  return r ? &r->frame->scene().hands[static_cast<size_t>(r->index)] : nullptr;
}
const PointableData* pointableData(const Interface& h) {
  const PointableRef* r = validRef<PointableRef>(h);
  return r ? &r->frame->scene().pointables[static_cast<size_t>(r->index)] : nullptr;
}
const GestureData* gestureData(const Interface& h) {
  const GestureRef* r = validRef<GestureRef>(h);
  return r ? &r->frame->scene().gestures[static_cast<size_t>(r->index)] : nullptr;
}
const ArmData* armData(const Interface& h) {
  const ArmRef* r = validRef<ArmRef>(h);
  return r ? &r->frame->scene().hands[static_cast<size_t>(r->index)].arm : nullptr;
}
const BoneData* boneData(const Interface& h, int* type = nullptr) {
  const BoneRef* r = validRef<BoneRef>(h);
  if (!r) return nullptr;
  if (type) *type = r->index % 4;
  return &r->frame->scene().pointables[static_cast<size_t>(r->index / 4)].bones[r->index % 4];
}

bool sameFrame(const FramePtr& a, const FramePtr& b) {
  return a == b || (a->id == b->id && a->timestamp == b->timestamp);
}

template <class R>
bool sameElement(const Interface& x, const Interface& y) {
  const R* a = validRef<R>(x);
  const R* b = validRef<R>(y);
  return a && b && a->index == b->index && sameFrame(a->frame, b->frame);
}

std::string vec(const Vector& v) { return v.toString(); }

template <int Tag, class T>
struct Vec {
  std::vector<T> items;
};
using PointableVec = Vec<0, PointableRef>;
using FingerVec = Vec<1, PointableRef>;
using ToolVec = Vec<2, PointableRef>;
using HandVec = Vec<3, HandRef>;
using GestureVec = Vec<4, GestureRef>;

template <class V>
int listCount(const Interface& h) {
  const V* v = LA::get<V>(h);
  return v ? static_cast<int>(v->items.size()) : 0;
}

template <class V>
const typename decltype(V::items)::value_type* listAt(const Interface& h, int index) {
  const V* v = LA::get<V>(h);
  if (!v || index < 0 || static_cast<size_t>(index) >= v->items.size()) return nullptr;
  return &v->items[static_cast<size_t>(index)];
}

template <class V>
void listAppend(Interface& h, const Interface& other) {
  const V* src = LA::get<V>(other);
  if (!src || src->items.empty()) return;
  auto copy = src->items;  // the other list may be this one
  V& dst = LA::own<V>(h);
  dst.items.insert(dst.items.end(), copy.begin(), copy.end());
}

// Index of the extreme pointable by tip position: axis 0 = x, 2 = z.
template <class V>
int extremePointable(const Interface& h, int axis, bool largest) {
  const V* v = LA::get<V>(h);
  if (!v) return -1;
  int best = -1;
  float bestValue = 0;
  for (size_t i = 0; i < v->items.size(); ++i) {
    const PointableRef& r = v->items[i];
    float value = r.frame->scene().pointables[static_cast<size_t>(r.index)].tip[static_cast<unsigned>(axis)];
    if (best < 0 || (largest ? value > bestValue : value < bestValue)) {
      best = static_cast<int>(i);
      bestValue = value;
    }
  }
  return best;
}

PointableVec pointablesWhere(const FramePtr& f, int32_t handId, int kind) {
  // kind: 0 all, 1 fingers, 2 tools
  PointableVec out;
  for (size_t i = 0; i < f->scene().pointables.size(); ++i) {
    const PointableData& p = f->scene().pointables[i];
    if (handId != -2 && p.handId != handId) continue;
    if ((kind == 1 && !p.isFinger) || (kind == 2 && p.isFinger)) continue;
    out.items.push_back(PointableRef{f, static_cast<int>(i)});
  }
  return out;
}

// Motion of one hand between two snapshots.
struct HandMotion {
  bool found = false;
  Vector translation;
  Matrix rotation;
  float scale = 1.0f;
  float probability = 0.0f;
};

HandMotion handMotion(const HandData& now, const FrameData* since) {
  HandMotion m;
  if (!since) return m;
  int i = since->handIndex(now.id);
  if (i < 0) return m;
  const HandData& then = since->scene().hands[static_cast<size_t>(i)];
  m.found = true;
  m.translation = now.palm - then.palm;
  Matrix a(now.basis.xBasis, now.basis.yBasis, now.basis.zBasis);
  Matrix b(then.basis.xBasis, then.basis.yBasis, then.basis.zBasis);
  m.rotation = a * b.rigidInverse();
  m.rotation.origin = Vector();
  m.scale = then.sphereRadius > 0 ? now.sphereRadius / then.sphereRadius : 1.0f;
  m.probability = std::fmin(now.confidence, then.confidence);
  return m;
}

float rotationAngleOf(const Matrix& r) {
  float c = ((r.xBasis.x + r.yBasis.y) + r.zBasis.z - 1.0f) * 0.5f;
  if (c >= 1.0f) return 0.0f;
  if (c <= -1.0f) return PI;
  return detail::acos_f(c);
}

// The axis about which Matrix(axis, angle) reproduces the rotation.
Vector rotationAxisOf(const Matrix& r) {
  Vector skew(r.yBasis.z - r.zBasis.y, r.zBasis.x - r.xBasis.z, r.xBasis.y - r.yBasis.x);
  return (-skew).normalized();
}

const char* invalidString(const char* what) { return newCString(std::string("Invalid ") + what); }

}  // namespace

// ---------------------------------------------------------------------------
// Handle makers

Hand makeHand(const FramePtr& f, int index) { return LA::make<Hand>(HandRef{f, index}); }
Pointable makePointable(const FramePtr& f, int index) {
  return LA::make<Pointable>(PointableRef{f, index});
}
Finger makeFinger(const FramePtr& f, int index) { return LA::make<Finger>(PointableRef{f, index}); }
Tool makeTool(const FramePtr& f, int index) { return LA::make<Tool>(PointableRef{f, index}); }
Gesture makeGesture(const FramePtr& f, int index) {
  return LA::make<Gesture>(GestureRef{f, index});
}
Frame makeFrame(const FramePtr& f) { return f ? LA::make<Frame>(FrameRef{f, 0}) : Frame(); }

// ---------------------------------------------------------------------------
// Pointable, Finger, Tool

Pointable::Pointable() : Interface(nullptr) {}
Pointable::Pointable(Implementation* reference) : Interface(reference) {}

int32_t Pointable::id() const {
  const PointableData* p = pointableData(*this);
  return p ? p->id : -1;
}
Frame Pointable::frame() const {
  const PointableRef* r = validRef<PointableRef>(*this);
  return r ? makeFrame(r->frame) : Frame();
}
Hand Pointable::hand() const {
  const PointableRef* r = validRef<PointableRef>(*this);
  if (!r) return Hand();
  int i = r->frame->handIndex(r->frame->scene().pointables[static_cast<size_t>(r->index)].handId);
  return i >= 0 ? makeHand(r->frame, i) : Hand();
}
Vector Pointable::tipPosition() const {
  const PointableData* p = pointableData(*this);
  return p ? p->tip : Vector();
}
Vector Pointable::tipVelocity() const {
  const PointableData* p = pointableData(*this);
  return p ? p->tipVelocity : Vector();
}
Vector Pointable::direction() const {
  const PointableData* p = pointableData(*this);
  return p ? p->direction : Vector();
}
float Pointable::width() const {
  const PointableData* p = pointableData(*this);
  return p ? p->width : 0.0f;
}
float Pointable::length() const {
  const PointableData* p = pointableData(*this);
  return p ? p->length : 0.0f;
}
bool Pointable::isTool() const {
  const PointableData* p = pointableData(*this);
  return p && !p->isFinger;
}
bool Pointable::isFinger() const {
  const PointableData* p = pointableData(*this);
  return p && p->isFinger;
}
bool Pointable::isExtended() const {
  const PointableData* p = pointableData(*this);
  return p && p->extended;
}
bool Pointable::isValid() const { return pointableData(*this) != nullptr; }
Pointable::Zone Pointable::touchZone() const {
  const PointableData* p = pointableData(*this);
  return p ? static_cast<Zone>(p->zone) : ZONE_NONE;
}
float Pointable::touchDistance() const {
  const PointableData* p = pointableData(*this);
  return p ? p->touchDistance : 0.0f;
}
Vector Pointable::stabilizedTipPosition() const {
  const PointableData* p = pointableData(*this);
  return p ? p->stabilizedTip : Vector();
}
float Pointable::timeVisible() const {
  const PointableData* p = pointableData(*this);
  return p ? p->timeVisible : 0.0f;
}
bool Pointable::operator==(const Pointable& other) const {
  return sameElement<PointableRef>(*this, other);
}
bool Pointable::operator!=(const Pointable& other) const { return !(*this == other); }

namespace {
const char* pointableString(const PointableData* p, const char* what) {
  if (!p) return invalidString(what);
  std::string s;
  if (p->isFinger) {
    s = "Finger Id:" + std::to_string(p->id) + " type:" +
        (p->fingerType >= 0 && p->fingerType < 5 ? kFingerNames[p->fingerType] : "Unknown");
  } else {
    s = "Tool Id:" + std::to_string(p->id);
  }
  s += " tip:" + vec(p->tip) + " direction:" + vec(p->direction);
  return newCString(s);
}
}  // namespace

const char* Pointable::toCString() const {
  return pointableString(pointableData(*this), "Pointable");
}

Finger::Finger() : Pointable() {}
Finger::Finger(Implementation* reference) : Pointable(reference) {}
Finger::Finger(const Pointable& pointable) : Pointable(pointable) {
  if (!pointable.isFinger()) LA::reset(*this, nullptr);
}
Vector Finger::jointPosition(Joint jointIx) const {
  const PointableData* p = pointableData(*this);
  if (!p || !p->isFinger || jointIx < JOINT_MCP || jointIx > JOINT_TIP) return Vector();
  return jointIx == JOINT_TIP ? p->bones[3].next : p->bones[static_cast<int>(jointIx) + 1].prev;
}
Bone Finger::bone(Bone::Type boneIx) const {
  const PointableRef* r = validRef<PointableRef>(*this);
  if (!r || !r->frame->scene().pointables[static_cast<size_t>(r->index)].isFinger ||
      boneIx < Bone::TYPE_METACARPAL || boneIx > Bone::TYPE_DISTAL)
    return Bone();
  return LA::make<Bone>(BoneRef{r->frame, r->index * 4 + static_cast<int>(boneIx)});
}
Finger::Type Finger::type() const {
  const PointableData* p = pointableData(*this);
  return p && p->isFinger ? static_cast<Type>(p->fingerType) : TYPE_THUMB;
}
const char* Finger::toCString() const {
  return pointableString(isFinger() ? pointableData(*this) : nullptr, "Finger");
}

Tool::Tool() : Pointable() {}
Tool::Tool(Implementation* reference) : Pointable(reference) {}
Tool::Tool(const Pointable& pointable) : Pointable(pointable) {
  if (!pointable.isTool()) LA::reset(*this, nullptr);
}
const char* Tool::toCString() const {
  return pointableString(isTool() ? pointableData(*this) : nullptr, "Tool");
}

// ---------------------------------------------------------------------------
// Bone and Arm

Bone::Bone() : Interface(nullptr) {}
Bone::Bone(Implementation* reference) : Interface(reference) {}
Vector Bone::prevJoint() const {
  const BoneData* b = boneData(*this);
  return b ? b->prev : Vector();
}
Vector Bone::nextJoint() const {
  const BoneData* b = boneData(*this);
  return b ? b->next : Vector();
}
Vector Bone::center() const {
  const BoneData* b = boneData(*this);
  return b ? (b->prev + b->next) * 0.5f : Vector();
}
Vector Bone::direction() const {
  const BoneData* b = boneData(*this);
  return b ? -b->basis.zBasis : Vector();
}
float Bone::length() const {
  const BoneData* b = boneData(*this);
  return b ? b->prev.distanceTo(b->next) : 0.0f;
}
float Bone::width() const {
  const BoneData* b = boneData(*this);
  return b ? b->width : 0.0f;
}
Bone::Type Bone::type() const {
  int t = 0;
  return boneData(*this, &t) ? static_cast<Type>(t) : TYPE_METACARPAL;
}
Matrix Bone::basis() const {
  const BoneData* b = boneData(*this);
  return b ? b->basis : Matrix();
}
bool Bone::isValid() const { return boneData(*this) != nullptr; }
bool Bone::operator==(const Bone& other) const { return sameElement<BoneRef>(*this, other); }
bool Bone::operator!=(const Bone& other) const { return !(*this == other); }
const char* Bone::toCString() const {
  int t = 0;
  const BoneData* b = boneData(*this, &t);
  if (!b) return invalidString("Bone");
  return newCString(std::string("Bone type:") + kBoneNames[t] + " prev:" + vec(b->prev) +
                    " next:" + vec(b->next));
}

Arm::Arm() : Interface(nullptr) {}
Arm::Arm(Implementation* reference) : Interface(reference) {}
float Arm::width() const {
  const ArmData* a = armData(*this);
  return a ? a->width : 0.0f;
}
Vector Arm::direction() const {
  const ArmData* a = armData(*this);
  return a ? -a->basis.zBasis : Vector();
}
Matrix Arm::basis() const {
  const ArmData* a = armData(*this);
  return a ? a->basis : Matrix();
}
Vector Arm::elbowPosition() const {
  const ArmData* a = armData(*this);
  return a ? a->elbow : Vector();
}
Vector Arm::wristPosition() const {
  const ArmData* a = armData(*this);
  return a ? a->wrist : Vector();
}
Vector Arm::center() const {
  const ArmData* a = armData(*this);
  return a ? (a->elbow + a->wrist) * 0.5f : Vector();
}
bool Arm::isValid() const { return armData(*this) != nullptr; }
bool Arm::operator==(const Arm& other) const { return sameElement<ArmRef>(*this, other); }
bool Arm::operator!=(const Arm& other) const { return !(*this == other); }
const char* Arm::toCString() const {
  const ArmData* a = armData(*this);
  if (!a) return invalidString("Arm");
  return newCString("Arm elbow:" + vec(a->elbow) + " wrist:" + vec(a->wrist));
}

// ---------------------------------------------------------------------------
// Hand

Hand::Hand() : Interface(nullptr) {}
Hand::Hand(Implementation* reference) : Interface(reference) {}

int32_t Hand::id() const {
  const HandData* h = handData(*this);
  return h ? h->id : -1;
}
Frame Hand::frame() const {
  const HandRef* r = validRef<HandRef>(*this);
  return r ? makeFrame(r->frame) : Frame();
}
PointableList Hand::pointables() const {
  const HandRef* r = validRef<HandRef>(*this);
  if (!r) return PointableList();
  return LA::make<PointableList>(pointablesWhere(r->frame, handData(*this)->id, 0));
}
FingerList Hand::fingers() const {
  const HandRef* r = validRef<HandRef>(*this);
  if (!r) return FingerList();
  return LA::make<FingerList>(FingerVec{pointablesWhere(r->frame, handData(*this)->id, 1).items});
}
ToolList Hand::tools() const {
  const HandRef* r = validRef<HandRef>(*this);
  if (!r) return ToolList();
  return LA::make<ToolList>(ToolVec{pointablesWhere(r->frame, handData(*this)->id, 2).items});
}
Pointable Hand::pointable(int32_t id) const {
  const HandRef* r = validRef<HandRef>(*this);
  if (!r) return Pointable();
  int i = r->frame->pointableIndex(id);
  if (i < 0 || r->frame->scene().pointables[static_cast<size_t>(i)].handId != handData(*this)->id)
    return Pointable();
  return makePointable(r->frame, i);
}
Finger Hand::finger(int32_t id) const { return Finger(pointable(id)); }
Tool Hand::tool(int32_t id) const { return Tool(pointable(id)); }

#define QUON_HAND_GETTER(Type, name, expr, fallback) \
  Type Hand::name() const {                          \
    const HandData* h = handData(*this);             \
    return h ? (expr) : (fallback);                  \
  }
QUON_HAND_GETTER(Vector, palmPosition, h->palm, Vector())
QUON_HAND_GETTER(Vector, stabilizedPalmPosition, h->stabilizedPalm, Vector())
QUON_HAND_GETTER(Vector, palmVelocity, h->palmVelocity, Vector())
QUON_HAND_GETTER(Vector, palmNormal, h->normal, Vector())
QUON_HAND_GETTER(float, palmWidth, h->palmWidth, 0.0f)
QUON_HAND_GETTER(Vector, direction, h->direction, Vector())
QUON_HAND_GETTER(Matrix, basis, h->basis, Matrix())
QUON_HAND_GETTER(Vector, wristPosition, h->wrist, Vector())
QUON_HAND_GETTER(Vector, sphereCenter, h->sphereCenter, Vector())
QUON_HAND_GETTER(float, sphereRadius, h->sphereRadius, 0.0f)
QUON_HAND_GETTER(float, grabStrength, h->grab, 0.0f)
QUON_HAND_GETTER(float, pinchStrength, h->pinch, 0.0f)
QUON_HAND_GETTER(float, timeVisible, h->timeVisible, 0.0f)
QUON_HAND_GETTER(float, confidence, h->confidence, 0.0f)
QUON_HAND_GETTER(bool, isLeft, h->left, false)
QUON_HAND_GETTER(bool, isRight, !h->left, false)
#undef QUON_HAND_GETTER

Arm Hand::arm() const {
  const HandRef* r = validRef<HandRef>(*this);
  return r ? LA::make<Arm>(ArmRef{r->frame, r->index}) : Arm();
}
bool Hand::isValid() const { return handData(*this) != nullptr; }

namespace {
HandMotion motionOf(const Hand& hand, const Frame& since) {
  const HandData* h = handData(hand);
  return h ? handMotion(*h, frameDataOf(since)) : HandMotion();
}
}  // namespace

Vector Hand::translation(const Frame& sinceFrame) const {
  return motionOf(*this, sinceFrame).translation;
}
float Hand::translationProbability(const Frame& sinceFrame) const {
  return motionOf(*this, sinceFrame).probability;
}
Vector Hand::rotationAxis(const Frame& sinceFrame) const {
  HandMotion m = motionOf(*this, sinceFrame);
  return m.found ? rotationAxisOf(m.rotation) : Vector();
}
float Hand::rotationAngle(const Frame& sinceFrame) const {
  HandMotion m = motionOf(*this, sinceFrame);
  return m.found ? rotationAngleOf(m.rotation) : 0.0f;
}
float Hand::rotationAngle(const Frame& sinceFrame, const Vector& axis) const {
  HandMotion m = motionOf(*this, sinceFrame);
  if (!m.found) return 0.0f;
  return rotationAngleOf(m.rotation) * rotationAxisOf(m.rotation).dot(axis.normalized());
}
Matrix Hand::rotationMatrix(const Frame& sinceFrame) const {
  return motionOf(*this, sinceFrame).rotation;
}
float Hand::rotationProbability(const Frame& sinceFrame) const {
  return motionOf(*this, sinceFrame).probability;
}
float Hand::scaleFactor(const Frame& sinceFrame) const {
  return motionOf(*this, sinceFrame).scale;
}
float Hand::scaleProbability(const Frame& sinceFrame) const {
  return motionOf(*this, sinceFrame).probability;
}
bool Hand::operator==(const Hand& other) const { return sameElement<HandRef>(*this, other); }
bool Hand::operator!=(const Hand& other) const { return !(*this == other); }
const char* Hand::toCString() const {
  const HandData* h = handData(*this);
  if (!h) return invalidString("Hand");
  return newCString("Hand Id:" + std::to_string(h->id) + (h->left ? " left" : " right") +
                    " palm:" + vec(h->palm) + " normal:" + vec(h->normal));
}

// ---------------------------------------------------------------------------
// Gestures

Gesture::Gesture() : Interface(nullptr) {}
Gesture::Gesture(Implementation* reference) : Interface(reference) {}
Gesture::Gesture(const Gesture& other, Type kind) : Interface(other) {
  if (other.type() != kind) LA::reset(*this, nullptr);
}
Gesture::Type Gesture::type() const {
  const GestureData* g = gestureData(*this);
  return g ? static_cast<Type>(g->type) : TYPE_INVALID;
}
Gesture::State Gesture::state() const {
  const GestureData* g = gestureData(*this);
  return g ? static_cast<State>(g->state) : STATE_INVALID;
}
int32_t Gesture::id() const {
  const GestureData* g = gestureData(*this);
  return g ? g->id : -1;
}
int64_t Gesture::duration() const {
  const GestureData* g = gestureData(*this);
  return g ? g->duration : 0;
}
float Gesture::durationSeconds() const {
  return static_cast<float>(static_cast<double>(duration()) * 1e-6);
}
Frame Gesture::frame() const {
  const GestureRef* r = validRef<GestureRef>(*this);
  return r ? makeFrame(r->frame) : Frame();
}
HandList Gesture::hands() const {
  const GestureRef* r = validRef<GestureRef>(*this);
  if (!r) return HandList();
  HandVec out;
  for (int32_t id : gestureData(*this)->handIds) {
    int i = r->frame->handIndex(id);
    if (i >= 0) out.items.push_back(HandRef{r->frame, i});
  }
  return LA::make<HandList>(std::move(out));
}
PointableList Gesture::pointables() const {
  const GestureRef* r = validRef<GestureRef>(*this);
  if (!r) return PointableList();
  PointableVec out;
  for (int32_t id : gestureData(*this)->pointableIds) {
    int i = r->frame->pointableIndex(id);
    if (i >= 0) out.items.push_back(PointableRef{r->frame, i});
  }
  return LA::make<PointableList>(std::move(out));
}
bool Gesture::isValid() const { return gestureData(*this) != nullptr; }
bool Gesture::operator==(const Gesture& other) const {
  return sameElement<GestureRef>(*this, other);
}
bool Gesture::operator!=(const Gesture& other) const { return !(*this == other); }
const char* Gesture::toCString() const {
  const GestureData* g = gestureData(*this);
  if (!g) return invalidString("Gesture");
  const char* kind = g->type == TYPE_SWIPE        ? "Swipe"
                     : g->type == TYPE_CIRCLE     ? "Circle"
                     : g->type == TYPE_SCREEN_TAP ? "ScreenTap"
                     : g->type == TYPE_KEY_TAP    ? "KeyTap"
                                                  : "Unknown";
  const char* state = g->state == STATE_START    ? "Start"
                      : g->state == STATE_UPDATE ? "Update"
                      : g->state == STATE_STOP   ? "Stop"
                                                 : "Invalid";
  return newCString("Gesture Id:" + std::to_string(g->id) + " type:" + kind + " state:" + state +
                    " duration:" + std::to_string(g->duration) + "us");
}

namespace {
Pointable gesturePointable(const Gesture& g) {
  const GestureRef* r = validRef<GestureRef>(g);
  if (!r) return Pointable();
  int i = r->frame->pointableIndex(gestureData(g)->pointableId);
  return i >= 0 ? makePointable(r->frame, i) : Pointable();
}
Vector gA(const Gesture& g) {
  const GestureData* d = gestureData(g);
  return d ? d->a : Vector();
}
Vector gB(const Gesture& g) {
  const GestureData* d = gestureData(g);
  return d ? d->b : Vector();
}
Vector gC(const Gesture& g) {
  const GestureData* d = gestureData(g);
  return d ? d->c : Vector();
}
float gF0(const Gesture& g) {
  const GestureData* d = gestureData(g);
  return d ? d->f0 : 0.0f;
}
float gF1(const Gesture& g) {
  const GestureData* d = gestureData(g);
  return d ? d->f1 : 0.0f;
}
}  // namespace

SwipeGesture::SwipeGesture() : Gesture() {}
SwipeGesture::SwipeGesture(const Gesture& rhs) : Gesture(rhs, TYPE_SWIPE) {}
Vector SwipeGesture::startPosition() const { return gA(*this); }
Vector SwipeGesture::position() const { return gB(*this); }
Vector SwipeGesture::direction() const { return gC(*this); }
float SwipeGesture::speed() const { return gF0(*this); }
Pointable SwipeGesture::pointable() const { return gesturePointable(*this); }

CircleGesture::CircleGesture() : Gesture() {}
CircleGesture::CircleGesture(const Gesture& rhs) : Gesture(rhs, TYPE_CIRCLE) {}
Vector CircleGesture::center() const { return gA(*this); }
Vector CircleGesture::normal() const { return gB(*this); }
float CircleGesture::progress() const { return gF0(*this); }
float CircleGesture::radius() const { return gF1(*this); }
Pointable CircleGesture::pointable() const { return gesturePointable(*this); }

ScreenTapGesture::ScreenTapGesture() : Gesture() {}
ScreenTapGesture::ScreenTapGesture(const Gesture& rhs) : Gesture(rhs, TYPE_SCREEN_TAP) {}
Vector ScreenTapGesture::position() const { return gA(*this); }
Vector ScreenTapGesture::direction() const { return gB(*this); }
float ScreenTapGesture::progress() const { return gF0(*this); }
Pointable ScreenTapGesture::pointable() const { return gesturePointable(*this); }

KeyTapGesture::KeyTapGesture() : Gesture() {}
KeyTapGesture::KeyTapGesture(const Gesture& rhs) : Gesture(rhs, TYPE_KEY_TAP) {}
Vector KeyTapGesture::position() const { return gA(*this); }
Vector KeyTapGesture::direction() const { return gB(*this); }
float KeyTapGesture::progress() const { return gF0(*this); }
Pointable KeyTapGesture::pointable() const { return gesturePointable(*this); }

// ---------------------------------------------------------------------------
// Lists

PointableList::PointableList() : Interface(nullptr) {}
PointableList::PointableList(Implementation* reference) : Interface(reference) {}
int PointableList::count() const { return listCount<PointableVec>(*this); }
bool PointableList::isEmpty() const { return count() == 0; }
Pointable PointableList::operator[](int index) const {
  const PointableRef* r = listAt<PointableVec>(*this, index);
  return r ? makePointable(r->frame, r->index) : Pointable();
}
PointableList& PointableList::append(const PointableList& other) {
  listAppend<PointableVec>(*this, other);
  return *this;
}
PointableList& PointableList::append(const FingerList& other) {
  const FingerVec* src = LA::get<FingerVec>(other);
  if (src && !src->items.empty()) {
    PointableVec& dst = LA::own<PointableVec>(*this);
    dst.items.insert(dst.items.end(), src->items.begin(), src->items.end());
  }
  return *this;
}
PointableList& PointableList::append(const ToolList& other) {
  const ToolVec* src = LA::get<ToolVec>(other);
  if (src && !src->items.empty()) {
    PointableVec& dst = LA::own<PointableVec>(*this);
    dst.items.insert(dst.items.end(), src->items.begin(), src->items.end());
  }
  return *this;
}
PointableList PointableList::extended() const {
  PointableVec out;
  if (const PointableVec* v = LA::get<PointableVec>(*this))
    for (const PointableRef& r : v->items)
      if (r.frame->scene().pointables[static_cast<size_t>(r.index)].extended) out.items.push_back(r);
  return LA::make<PointableList>(std::move(out));
}
Pointable PointableList::leftmost() const { return (*this)[extremePointable<PointableVec>(*this, 0, false)]; }
Pointable PointableList::rightmost() const { return (*this)[extremePointable<PointableVec>(*this, 0, true)]; }
Pointable PointableList::frontmost() const { return (*this)[extremePointable<PointableVec>(*this, 2, false)]; }

FingerList::FingerList() : Interface(nullptr) {}
FingerList::FingerList(Implementation* reference) : Interface(reference) {}
int FingerList::count() const { return listCount<FingerVec>(*this); }
bool FingerList::isEmpty() const { return count() == 0; }
Finger FingerList::operator[](int index) const {
  const PointableRef* r = listAt<FingerVec>(*this, index);
  return r ? makeFinger(r->frame, r->index) : Finger();
}
FingerList& FingerList::append(const FingerList& other) {
  listAppend<FingerVec>(*this, other);
  return *this;
}
FingerList FingerList::extended() const {
  FingerVec out;
  if (const FingerVec* v = LA::get<FingerVec>(*this))
    for (const PointableRef& r : v->items)
      if (r.frame->scene().pointables[static_cast<size_t>(r.index)].extended) out.items.push_back(r);
  return LA::make<FingerList>(std::move(out));
}
FingerList FingerList::fingerType(Finger::Type type) const {
  FingerVec out;
  if (const FingerVec* v = LA::get<FingerVec>(*this))
    for (const PointableRef& r : v->items)
      if (r.frame->scene().pointables[static_cast<size_t>(r.index)].fingerType == static_cast<int32_t>(type))
        out.items.push_back(r);
  return LA::make<FingerList>(std::move(out));
}
Finger FingerList::leftmost() const { return (*this)[extremePointable<FingerVec>(*this, 0, false)]; }
Finger FingerList::rightmost() const { return (*this)[extremePointable<FingerVec>(*this, 0, true)]; }
Finger FingerList::frontmost() const { return (*this)[extremePointable<FingerVec>(*this, 2, false)]; }

ToolList::ToolList() : Interface(nullptr) {}
ToolList::ToolList(Implementation* reference) : Interface(reference) {}
int ToolList::count() const { return listCount<ToolVec>(*this); }
bool ToolList::isEmpty() const { return count() == 0; }
Tool ToolList::operator[](int index) const {
  const PointableRef* r = listAt<ToolVec>(*this, index);
  return r ? makeTool(r->frame, r->index) : Tool();
}
ToolList& ToolList::append(const ToolList& other) {
  listAppend<ToolVec>(*this, other);
  return *this;
}
Tool ToolList::leftmost() const { return (*this)[extremePointable<ToolVec>(*this, 0, false)]; }
Tool ToolList::rightmost() const { return (*this)[extremePointable<ToolVec>(*this, 0, true)]; }
Tool ToolList::frontmost() const { return (*this)[extremePointable<ToolVec>(*this, 2, false)]; }

namespace {
int extremeHand(const Interface& list, int axis, bool largest) {
  const HandVec* v = LA::get<HandVec>(list);
  if (!v) return -1;
  int best = -1;
  float bestValue = 0;
  for (size_t i = 0; i < v->items.size(); ++i) {
    const HandRef& r = v->items[i];
    float value = r.frame->scene().hands[static_cast<size_t>(r.index)].palm[static_cast<unsigned>(axis)];
    if (best < 0 || (largest ? value > bestValue : value < bestValue)) {
      best = static_cast<int>(i);
      bestValue = value;
    }
  }
  return best;
}
}  // namespace

HandList::HandList() : Interface(nullptr) {}
HandList::HandList(Implementation* reference) : Interface(reference) {}
int HandList::count() const { return listCount<HandVec>(*this); }
bool HandList::isEmpty() const { return count() == 0; }
Hand HandList::operator[](int index) const {
  const HandRef* r = listAt<HandVec>(*this, index);
  return r ? makeHand(r->frame, r->index) : Hand();
}
HandList& HandList::append(const HandList& other) {
  listAppend<HandVec>(*this, other);
  return *this;
}
Hand HandList::leftmost() const { return (*this)[extremeHand(*this, 0, false)]; }
Hand HandList::rightmost() const { return (*this)[extremeHand(*this, 0, true)]; }
Hand HandList::frontmost() const { return (*this)[extremeHand(*this, 2, false)]; }

GestureList::GestureList() : Interface(nullptr) {}
GestureList::GestureList(Implementation* reference) : Interface(reference) {}
int GestureList::count() const { return listCount<GestureVec>(*this); }
bool GestureList::isEmpty() const { return count() == 0; }
Gesture GestureList::operator[](int index) const {
  const GestureRef* r = listAt<GestureVec>(*this, index);
  return r ? makeGesture(r->frame, r->index) : Gesture();
}
GestureList& GestureList::append(const GestureList& other) {
  listAppend<GestureVec>(*this, other);
  return *this;
}

// ---------------------------------------------------------------------------
// Frame contents that are lists of hand-model elements

HandList Frame::hands() const {
  const FrameData* f = frameDataOf(*this);
  if (!f) return HandList();
  FramePtr p = framePtrOf(*this);
  HandVec out;
  for (size_t i = 0; i < f->scene().hands.size(); ++i) out.items.push_back(HandRef{p, static_cast<int>(i)});
  return LA::make<HandList>(std::move(out));
}
Hand Frame::hand(int32_t id) const {
  const FrameData* f = frameDataOf(*this);
  int i = f ? f->handIndex(id) : -1;
  return i >= 0 ? makeHand(framePtrOf(*this), i) : Hand();
}
PointableList Frame::pointables() const {
  FramePtr p = framePtrOf(*this);
  return p ? LA::make<PointableList>(pointablesWhere(p, -2, 0)) : PointableList();
}
Pointable Frame::pointable(int32_t id) const {
  const FrameData* f = frameDataOf(*this);
  int i = f ? f->pointableIndex(id) : -1;
  return i >= 0 ? makePointable(framePtrOf(*this), i) : Pointable();
}
FingerList Frame::fingers() const {
  FramePtr p = framePtrOf(*this);
  return p ? LA::make<FingerList>(FingerVec{pointablesWhere(p, -2, 1).items}) : FingerList();
}
Finger Frame::finger(int32_t id) const { return Finger(pointable(id)); }
ToolList Frame::tools() const {
  FramePtr p = framePtrOf(*this);
  return p ? LA::make<ToolList>(ToolVec{pointablesWhere(p, -2, 2).items}) : ToolList();
}
Tool Frame::tool(int32_t id) const { return Tool(pointable(id)); }
Gesture Frame::gesture(int32_t id) const {
  const FrameData* f = frameDataOf(*this);
  if (!f) return Gesture();
  for (size_t i = 0; i < f->scene().gestures.size(); ++i)
    if (f->scene().gestures[i].id == id) return makeGesture(framePtrOf(*this), static_cast<int>(i));
  return Gesture();
}
GestureList Frame::gestures() const {
  FramePtr p = framePtrOf(*this);
  GestureVec out;
  if (p)
    for (size_t i = 0; i < p->scene().gestures.size(); ++i)
      out.items.push_back(GestureRef{p, static_cast<int>(i)});
  return LA::make<GestureList>(std::move(out));
}
GestureList Frame::gestures(const Frame& sinceFrame) const {
  FramePtr p = framePtrOf(*this);
  const FrameData* since = frameDataOf(sinceFrame);
  if (!p || !since) return gestures();
  // Walk back through the frames the history still holds, oldest first.
  std::vector<FramePtr> chain;
  for (FramePtr f = p; f && f->id > since->id; f = f->previous.lock()) chain.push_back(f);
  GestureVec out;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (size_t i = 0; i < (*it)->scene().gestures.size(); ++i)
      out.items.push_back(GestureRef{*it, static_cast<int>(i)});
  return LA::make<GestureList>(std::move(out));
}

namespace {
// The scene's motion: the mean over the hands present in both frames, the
// rotation of the most confident of them.
HandMotion frameMotion(const Frame& now, const Frame& since) {
  HandMotion total;
  const FrameData* f = frameDataOf(now);
  const FrameData* s = frameDataOf(since);
  if (!f || !s) return total;
  int matched = 0;
  Vector sumT;
  float sumScale = 0, sumProb = 0, bestConfidence = -1;
  for (const HandData& h : f->scene().hands) {
    HandMotion m = handMotion(h, s);
    if (!m.found) continue;
    ++matched;
    sumT += m.translation;
    sumScale += m.scale;
    sumProb += m.probability;
    if (h.confidence > bestConfidence) {
      bestConfidence = h.confidence;
      total.rotation = m.rotation;
    }
  }
  if (matched == 0) return total;
  float n = static_cast<float>(matched);
  total.found = true;
  total.translation = sumT / n;
  total.scale = sumScale / n;
  total.probability = sumProb / n;
  return total;
}
}  // namespace

Vector Frame::translation(const Frame& sinceFrame) const {
  return frameMotion(*this, sinceFrame).translation;
}
float Frame::translationProbability(const Frame& sinceFrame) const {
  return frameMotion(*this, sinceFrame).probability;
}
Vector Frame::rotationAxis(const Frame& sinceFrame) const {
  HandMotion m = frameMotion(*this, sinceFrame);
  return m.found ? rotationAxisOf(m.rotation) : Vector();
}
float Frame::rotationAngle(const Frame& sinceFrame) const {
  HandMotion m = frameMotion(*this, sinceFrame);
  return m.found ? rotationAngleOf(m.rotation) : 0.0f;
}
float Frame::rotationAngle(const Frame& sinceFrame, const Vector& axis) const {
  HandMotion m = frameMotion(*this, sinceFrame);
  if (!m.found) return 0.0f;
  return rotationAngleOf(m.rotation) * rotationAxisOf(m.rotation).dot(axis.normalized());
}
Matrix Frame::rotationMatrix(const Frame& sinceFrame) const {
  return frameMotion(*this, sinceFrame).rotation;
}
float Frame::rotationProbability(const Frame& sinceFrame) const {
  return frameMotion(*this, sinceFrame).probability;
}
float Frame::scaleFactor(const Frame& sinceFrame) const {
  return frameMotion(*this, sinceFrame).scale;
}
float Frame::scaleProbability(const Frame& sinceFrame) const {
  return frameMotion(*this, sinceFrame).probability;
}

}  // namespace Quon
