// Library-internal data model: the immutable frame snapshot that every
// tracking handle points into, and the typed boxes behind the handles.
#ifndef QUON_INTERNAL_H
#define QUON_INTERNAL_H

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "Quon.h"

namespace Quon {

// Counters behind quon_live_handles() / quon_live_objects().
extern std::atomic<long long> g_liveHandles;
extern std::atomic<long long> g_liveObjects;

struct Interface::Implementation {
  std::atomic<int> references{1};
  Implementation() { g_liveObjects.fetch_add(1, std::memory_order_relaxed); }
  Implementation(const Implementation&) = delete;
  Implementation& operator=(const Implementation&) = delete;
  virtual ~Implementation() { g_liveObjects.fetch_sub(1, std::memory_order_relaxed); }
  virtual Implementation* clone() const = 0;
};

// ---------------------------------------------------------------------------
// Snapshot data

struct BoneData {
  Vector prev, next;
  float width = 0;
  Matrix basis;
};

struct PointableData {
  int32_t id = 0;
  int32_t handId = -1;  // -1: held by no hand
  bool isFinger = true;
  int32_t fingerType = 0;
  Vector tip, tipVelocity, direction, stabilizedTip;
  float width = 0, length = 0;
  bool extended = false;
  int32_t zone = 0;
  float touchDistance = 0;
  float timeVisible = 0;
  BoneData bones[4];
};

struct ArmData {
  Vector elbow, wrist;
  float width = 0;
  Matrix basis;
};

struct HandData {
  int32_t id = 0;
  bool left = false;
  Vector palm, stabilizedPalm, palmVelocity, normal, direction;
  Matrix basis;
  float palmWidth = 0;
  Vector wrist, sphereCenter;
  float sphereRadius = 0, grab = 0, pinch = 0, timeVisible = 0, confidence = 0;
  ArmData arm;
};

// Kind-specific values: swipe a=start, b=position, c=direction, f0=speed;
// circle a=center, b=normal, f0=progress, f1=radius; taps a=position,
// b=direction, f0=progress.
struct GestureData {
  int32_t id = 0;
  int32_t type = Gesture::TYPE_INVALID;
  int32_t state = Gesture::STATE_INVALID;
  int64_t duration = 0;
  int32_t pointableId = -1;
  Vector a, b, c;
  float f0 = 0, f1 = 0;
  std::vector<int32_t> handIds, pointableIds;
};

struct ImageData {
  int32_t id = 0;
  int64_t sequenceId = 0, timestamp = 0;
  int32_t width = 0, height = 0, bytesPerPixel = 1, format = Image::INFRARED;
  int32_t distortionWidth = 0, distortionHeight = 0;
  float rayOffsetX = 0.5f, rayOffsetY = 0.5f, rayScaleX = 0.125f, rayScaleY = 0.125f;
  float radialK = 0;  // lens distortion coefficient
  std::vector<unsigned char> pixels;
  std::vector<float> distortion;
};

struct MaskData {
  int32_t id = 0;
  int64_t sequenceId = 0;
  int32_t width = 0, height = 0, offsetX = 0, offsetY = 0;
  std::vector<unsigned char> pixels;
};

struct QuadData {
  bool valid = false;
  float width = 0, height = 0;
  int32_t resolutionX = 0, resolutionY = 0;
  bool visible = false;
  Matrix orientation;
  Vector position;
  std::vector<std::shared_ptr<const MaskData>> masks;
};

struct BoxData {
  Vector center;
  float width = 0, height = 0, depth = 0;
};

// The tracked content of a frame: everything but its header.
struct FrameScene {
  std::vector<HandData> hands;
  std::vector<PointableData> pointables;
  std::vector<GestureData> gestures;
  std::vector<std::shared_ptr<const ImageData>> images;
  QuadData quad;
};

// The simulated service's frames.
struct SimulationSettings {
  uint64_t seed = 0;
  double framePeriod = 1.0 / 110.0;  // seconds of scene time between frames
  bool images = false;
  unsigned gestureMask = 0;  // bit (1 << Gesture::Type) per enabled kind
};

struct FrameData {
  int64_t id = 0, timestamp = 0;
  float fps = 0;
  BoxData box;
  // The frame before this one, while the controller's history keeps it.
  std::weak_ptr<const FrameData> previous;

  // Serialised bytes, made once on first request.
  mutable std::once_flag serializedOnce;
  mutable std::string serialized;

  // The content. A simulated frame computes it on first use (most frames of
  // a fast stream are never looked into); it is a pure function of the
  // settings and the index, so when it is made does not matter.
  const FrameScene& scene() const {
    if (!sceneReady_.load(std::memory_order_acquire)) buildScene();
    return scene_;
  }
  // Content filled in directly, before the frame is shared (decoding).
  FrameScene& sceneToFill() { return scene_; }
  void simulateLater(const SimulationSettings& settings, int64_t index) {
    settings_ = settings;
    index_ = index;
    simulated_ = true;
    sceneReady_.store(false, std::memory_order_release);
  }
  // Whether the content has camera images, without computing it.
  bool hasImages() const { return simulated_ ? settings_.images : !scene().images.empty(); }

  int handIndex(int32_t handId) const {
    const auto& hands = scene().hands;
    for (size_t i = 0; i < hands.size(); ++i)
      if (hands[i].id == handId) return static_cast<int>(i);
    return -1;
  }
  int pointableIndex(int32_t pointableId) const {
    const auto& pointables = scene().pointables;
    for (size_t i = 0; i < pointables.size(); ++i)
      if (pointables[i].id == pointableId) return static_cast<int>(i);
    return -1;
  }

 private:
  void buildScene() const;

  mutable FrameScene scene_;
  mutable std::atomic<bool> sceneReady_{true};
  mutable std::once_flag sceneOnce_;
  SimulationSettings settings_;
  int64_t index_ = 0;
  bool simulated_ = false;
};

using FramePtr = std::shared_ptr<const FrameData>;

// An element of a frame: a hand, pointable, gesture, arm (hand index), bone
// (pointable index * 4 + bone type), or the frame itself / its box / quad.
// The kind keeps handles of different classes apart.
enum ElemKind { kHand, kPointable, kGesture, kArm, kBone, kFrame, kBox, kQuad };
template <int Kind>
struct Ref {
  FramePtr frame;
  int index = 0;
};
using HandRef = Ref<kHand>;
using PointableRef = Ref<kPointable>;
using GestureRef = Ref<kGesture>;
using ArmRef = Ref<kArm>;
using BoneRef = Ref<kBone>;
using FrameRef = Ref<kFrame>;
using BoxRef = Ref<kBox>;
using QuadRef = Ref<kQuad>;
using ImagePtr = std::shared_ptr<const ImageData>;
using MaskPtr = std::shared_ptr<const MaskData>;

struct ScreenData {
  int32_t id = 0;
  Vector horizontal, vertical, bottomLeft;
  int32_t widthPixels = 0, heightPixels = 0;
};

struct DeviceData {
  float hAngle = 0, vAngle = 0, range = 0, baseline = 0;
  bool embedded = false, streaming = false, flipped = false;
  int32_t type = Device::TYPE_PERIPHERAL;
  std::string serial;
  Vector position;
  Matrix orientation;
};

class Service;
class ConfigStore;
struct BugReportState;

struct ControllerState {
  std::shared_ptr<Service> service;
  bool owning = false;  // the user's controller: its end stops the service
  ControllerState(std::shared_ptr<Service> s, bool own) : service(std::move(s)), owning(own) {}
  // Only the one state made by the user's controller owns the service: a
  // moved-from state holds nothing and a copy never owns.
  ControllerState(ControllerState&& other) noexcept
      : service(std::move(other.service)), owning(other.owning) {}
  ControllerState(const ControllerState& other) : service(other.service), owning(false) {}
  ControllerState& operator=(const ControllerState&) = delete;
  ~ControllerState();
};

// The library's access to handle internals.
class LibraryAccess {
 public:
  using Impl = Interface::Implementation;

  // The typed object behind a handle.
  template <class T>
  struct Box final : Impl {
    T value;
    explicit Box(T v) : value(std::move(v)) {}
    Impl* clone() const override { return new Box<T>(value); }
  };

  template <class H, class T>
  static H make(T value) {
    return H(static_cast<Impl*>(new Box<T>(std::move(value))));
  }
  template <class T>
  static const T* get(const Interface& handle) {
    auto* box = dynamic_cast<const Box<T>*>(handle.m_object);
    return box ? &box->value : nullptr;
  }
  // A value of this handle alone: shared objects are copied first.
  template <class T>
  static T& own(Interface& handle, T fresh = T()) {
    auto* box = dynamic_cast<Box<T>*>(handle.m_object);
    if (!box) {
      release(handle.m_object);
      box = new Box<T>(std::move(fresh));
      handle.m_object = box;
    } else if (box->references.load(std::memory_order_acquire) > 1) {
      auto* copy = static_cast<Box<T>*>(box->clone());
      release(handle.m_object);
      handle.m_object = copy;
      box = copy;
    }
    return box->value;
  }
  static void reset(Interface& handle, Impl* replacement) {
    Impl* old = handle.m_object;
    handle.m_object = replacement;
    release(old);
  }
  static void release(Impl* object) {
    if (object && object->references.fetch_sub(1, std::memory_order_acq_rel) == 1) delete object;
  }
};

// Handle makers used across the library.
Hand makeHand(const FramePtr& f, int index);
Pointable makePointable(const FramePtr& f, int index);
Finger makeFinger(const FramePtr& f, int index);
Tool makeTool(const FramePtr& f, int index);
Gesture makeGesture(const FramePtr& f, int index);
Frame makeFrame(const FramePtr& f);
Image makeImage(const std::shared_ptr<const ImageData>& d);
ImageList makeImageList(const std::vector<std::shared_ptr<const ImageData>>& images);
const FrameData* frameDataOf(const Frame& frame);
FramePtr framePtrOf(const Frame& frame);

// Strings handed to callers, freed with Interface::deleteCString.
const char* newCString(const std::string& s);

// Serialisation of a frame; decoding gives null for malformed input.
std::string encodeFrame(const FrameData& frame);
std::shared_ptr<FrameData> decodeFrame(const unsigned char* bytes, size_t length);

// Image geometry shared by rendering and the Image methods.
Vector warpSlope(const ImageData& image, float sx, float sy);
Vector rectifyPixel(const ImageData& image, const Vector& uv);

// A simulated frame's header, its content left to be computed on first use;
// the service sets the timestamp.
std::shared_ptr<FrameData> simulateFrame(const SimulationSettings& settings, int64_t index);
// Its content, computed now.
void simulateScene(const SimulationSettings& settings, int64_t index, const FrameData& header, FrameScene& scene);
// Scene time of a frame index as a timestamp: frame index 0 is at kTimeBase.
int64_t sceneTimestamp(const SimulationSettings& settings, int64_t index);
constexpr int64_t kTimeBase = 1000000;  // microseconds

ScreenData simulatedScreen();
ScreenList makeScreenList(const std::vector<ScreenData>& screens);
DeviceList makeDeviceList(const std::vector<DeviceData>& devices);
DeviceData simulatedDevice(uint64_t seed, bool streaming);

}  // namespace Quon

#endif  // QUON_INTERNAL_H
