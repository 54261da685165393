// Public API of the Quon tracking library.
//
// Every tracking class is a handle: a small value that shares one library
// object through a reference-counted pointer. Copying, assigning and
// destroying handles is cheap and thread-safe, and a handle stays valid after
// the frame or controller it came from is gone. Default-constructed data
// handles are invalid objects whose getters return zeros and empty lists.
// Enumerations have a fixed underlying type, so any int a caller passes is a
// valid value of them (an unknown kind or flag is simply not recognised).
#ifndef QUON_H
#define QUON_H

#include <cstdint>
#include <string>

#include "QuonMath.h"

#if defined(_WIN32)
#  if defined(QUON_BUILDING_LIBRARY)
#    define QUON_API __declspec(dllexport)
#  else
#    define QUON_API __declspec(dllimport)
#  endif
#else
#  define QUON_API __attribute__((visibility("default")))
#endif

// Test hooks: the number of live handle instances (Interface objects) and of
// live library objects behind them. The library's static invalid instances
// are created when the library is loaded, so they are part of every count.
extern "C" QUON_API long long quon_live_handles(void);
extern "C" QUON_API long long quon_live_objects(void);

namespace Quon {

class LibraryAccess;  // library-internal access to handle internals

class Frame;
class Hand;
class Pointable;
class Finger;
class Tool;
class Gesture;
class Image;
class Mask;
class Controller;
class PointableList;
class FingerList;
class ToolList;
class HandList;
class GestureList;
class ScreenList;
class DeviceList;
class ImageList;
class MaskList;

// Base of every handle class.
class QUON_API Interface {
 public:
  Interface(const Interface& other);
  Interface& operator=(const Interface& other);
  virtual ~Interface();
  // Frees a C string returned by one of the library's *CString methods.
  static void deleteCString(const char* cstr);

 protected:
  struct Implementation;
  explicit Interface(Implementation* reference);  // adopts one reference
  Implementation* m_object;

 private:
  friend class LibraryAccess;
};

// ---------------------------------------------------------------------------
// Hand model

class QUON_API Pointable : public Interface {
 public:
  enum Zone : int32_t { ZONE_NONE = 0, ZONE_HOVERING = 1, ZONE_TOUCHING = 2 };

  Pointable();
  int32_t id() const;
  Frame frame() const;
  Hand hand() const;
  Vector tipPosition() const;
  Vector tipVelocity() const;
  Vector direction() const;
  float width() const;
  float length() const;
  bool isTool() const;
  bool isFinger() const;
  bool isExtended() const;
  bool isValid() const;
  Zone touchZone() const;
  float touchDistance() const;
  Vector stabilizedTipPosition() const;
  float timeVisible() const;

  bool operator==(const Pointable& other) const;
  bool operator!=(const Pointable& other) const;
  std::string toString() const {
    const char* c = toCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }

  static const Pointable& invalid();

 protected:
  explicit Pointable(Implementation* reference);

 private:
  friend class LibraryAccess;
  const char* toCString() const;
};

class QUON_API Arm : public Interface {
 public:
  Arm();
  float width() const;
  Vector direction() const;
  Matrix basis() const;
  Vector elbowPosition() const;
  Vector wristPosition() const;
  Vector center() const;
  bool isValid() const;

  bool operator==(const Arm& other) const;
  bool operator!=(const Arm& other) const;
  std::string toString() const {
    const char* c = toCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }

  static const Arm& invalid();

 private:
  friend class LibraryAccess;
  explicit Arm(Implementation* reference);
  const char* toCString() const;
};

class QUON_API Bone : public Interface {
 public:
  enum Type : int32_t {
    TYPE_METACARPAL = 0,
    TYPE_PROXIMAL = 1,
    TYPE_INTERMEDIATE = 2,
    TYPE_DISTAL = 3
  };

  Bone();
  Vector prevJoint() const;
  Vector nextJoint() const;
  Vector center() const;
  Vector direction() const;
  float length() const;
  float width() const;
  Type type() const;
  Matrix basis() const;
  bool isValid() const;

  bool operator==(const Bone& other) const;
  bool operator!=(const Bone& other) const;
  std::string toString() const {
    const char* c = toCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }

  static const Bone& invalid();

 private:
  friend class LibraryAccess;
  explicit Bone(Implementation* reference);
  const char* toCString() const;
};

class QUON_API Finger : public Pointable {
 public:
  enum Joint : int32_t { JOINT_MCP = 0, JOINT_PIP = 1, JOINT_DIP = 2, JOINT_TIP = 3 };
  enum Type : int32_t {
    TYPE_THUMB = 0,
    TYPE_INDEX = 1,
    TYPE_MIDDLE = 2,
    TYPE_RING = 3,
    TYPE_PINKY = 4
  };

  Finger();
  // The same finger seen as a Finger; invalid when the pointable is a tool.
  explicit Finger(const Pointable& pointable);
  Vector jointPosition(Joint jointIx) const;
  Bone bone(Bone::Type boneIx) const;
  Type type() const;

  std::string toString() const {
    const char* c = toCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }

  static const Finger& invalid();

 private:
  friend class LibraryAccess;
  explicit Finger(Implementation* reference);
  const char* toCString() const;
};

class QUON_API Tool : public Pointable {
 public:
  Tool();
  // The same tool seen as a Tool; invalid when the pointable is a finger.
  explicit Tool(const Pointable& pointable);

  std::string toString() const {
    const char* c = toCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }

  static const Tool& invalid();

 private:
  friend class LibraryAccess;
  explicit Tool(Implementation* reference);
  const char* toCString() const;
};

// ---------------------------------------------------------------------------
// Lists. operator[] with an index outside [0, count()) gives an invalid
// element. append() adds the other list's elements to this list only; copies
// of this list made before the call are not changed.

class QUON_API PointableList : public Interface {
 public:
  PointableList();
  int count() const;
  bool isEmpty() const;
  Pointable operator[](int index) const;
  PointableList& append(const PointableList& other);
  PointableList& append(const FingerList& other);
  PointableList& append(const ToolList& other);
  PointableList extended() const;
  Pointable leftmost() const;
  Pointable rightmost() const;
  Pointable frontmost() const;

 private:
  friend class LibraryAccess;
  explicit PointableList(Implementation* reference);
};

class QUON_API FingerList : public Interface {
 public:
  FingerList();
  int count() const;
  bool isEmpty() const;
  Finger operator[](int index) const;
  FingerList& append(const FingerList& other);
  FingerList extended() const;
  FingerList fingerType(Finger::Type type) const;
  Finger leftmost() const;
  Finger rightmost() const;
  Finger frontmost() const;

 private:
  friend class LibraryAccess;
  explicit FingerList(Implementation* reference);
};

class QUON_API ToolList : public Interface {
 public:
  ToolList();
  int count() const;
  bool isEmpty() const;
  Tool operator[](int index) const;
  ToolList& append(const ToolList& other);
  Tool leftmost() const;
  Tool rightmost() const;
  Tool frontmost() const;

 private:
  friend class LibraryAccess;
  explicit ToolList(Implementation* reference);
};

class QUON_API HandList : public Interface {
 public:
  HandList();
  int count() const;
  bool isEmpty() const;
  Hand operator[](int index) const;
  HandList& append(const HandList& other);
  Hand leftmost() const;
  Hand rightmost() const;
  Hand frontmost() const;

 private:
  friend class LibraryAccess;
  explicit HandList(Implementation* reference);
};

class QUON_API GestureList : public Interface {
 public:
  GestureList();
  int count() const;
  bool isEmpty() const;
  Gesture operator[](int index) const;
  GestureList& append(const GestureList& other);

 private:
  friend class LibraryAccess;
  explicit GestureList(Implementation* reference);
};

class QUON_API ImageList : public Interface {
 public:
  ImageList();
  int count() const;
  bool isEmpty() const;
  Image operator[](int index) const;
  ImageList& append(const ImageList& other);

 private:
  friend class LibraryAccess;
  explicit ImageList(Implementation* reference);
};

class QUON_API MaskList : public Interface {
 public:
  MaskList();
  int count() const;
  bool isEmpty() const;
  Mask operator[](int index) const;
  MaskList& append(const MaskList& other);

 private:
  friend class LibraryAccess;
  explicit MaskList(Implementation* reference);
};

// ---------------------------------------------------------------------------

class QUON_API Hand : public Interface {
 public:
  Hand();
  int32_t id() const;
  Frame frame() const;
  PointableList pointables() const;
  Pointable pointable(int32_t id) const;
  FingerList fingers() const;
  Finger finger(int32_t id) const;
  ToolList tools() const;
  Tool tool(int32_t id) const;
  Vector palmPosition() const;
  Vector stabilizedPalmPosition() const;
  Vector palmVelocity() const;
  Vector palmNormal() const;
  float palmWidth() const;
  Vector direction() const;
  Matrix basis() const;
  Arm arm() const;
  Vector wristPosition() const;
  Vector sphereCenter() const;
  float sphereRadius() const;
  float grabStrength() const;
  float pinchStrength() const;
  float timeVisible() const;
  float confidence() const;
  bool isLeft() const;
  bool isRight() const;
  bool isValid() const;

  // Motion of this hand since the same hand in an earlier frame.
  Vector translation(const Frame& sinceFrame) const;
  float translationProbability(const Frame& sinceFrame) const;
  Vector rotationAxis(const Frame& sinceFrame) const;
  float rotationAngle(const Frame& sinceFrame) const;
  float rotationAngle(const Frame& sinceFrame, const Vector& axis) const;
  Matrix rotationMatrix(const Frame& sinceFrame) const;
  float rotationProbability(const Frame& sinceFrame) const;
  float scaleFactor(const Frame& sinceFrame) const;
  float scaleProbability(const Frame& sinceFrame) const;

  bool operator==(const Hand& other) const;
  bool operator!=(const Hand& other) const;
  std::string toString() const {
    const char* c = toCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }

  static const Hand& invalid();

 private:
  friend class LibraryAccess;
  explicit Hand(Implementation* reference);
  const char* toCString() const;
};

// ---------------------------------------------------------------------------
// Gestures

class QUON_API Gesture : public Interface {
 public:
  enum Type : int32_t {
    TYPE_INVALID = -1,
    TYPE_SWIPE = 1,
    TYPE_CIRCLE = 4,
    TYPE_SCREEN_TAP = 5,
    TYPE_KEY_TAP = 6
  };
  enum State : int32_t {
    STATE_INVALID = -1,
    STATE_START = 1,
    STATE_UPDATE = 2,
    STATE_STOP = 3
  };

  Gesture();
  Type type() const;
  State state() const;
  int32_t id() const;
  int64_t duration() const;  // microseconds
  float durationSeconds() const;
  Frame frame() const;
  HandList hands() const;
  PointableList pointables() const;
  bool isValid() const;

  bool operator==(const Gesture& other) const;
  bool operator!=(const Gesture& other) const;
  std::string toString() const {
    const char* c = toCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }

  static const Gesture& invalid();

 protected:
  explicit Gesture(Implementation* reference);
  // A copy of `other` when it is of the given kind, otherwise invalid.
  Gesture(const Gesture& other, Type kind);

 private:
  friend class LibraryAccess;
  const char* toCString() const;
};

class QUON_API SwipeGesture : public Gesture {
 public:
  static Type classType() { return TYPE_SWIPE; }
  SwipeGesture();
  SwipeGesture(const Gesture& rhs);
  Vector startPosition() const;
  Vector position() const;
  Vector direction() const;
  float speed() const;
  Pointable pointable() const;
};

class QUON_API CircleGesture : public Gesture {
 public:
  static Type classType() { return TYPE_CIRCLE; }
  CircleGesture();
  CircleGesture(const Gesture& rhs);
  Vector center() const;
  Vector normal() const;
  float progress() const;  // number of turns so far
  float radius() const;
  Pointable pointable() const;
};

class QUON_API ScreenTapGesture : public Gesture {
 public:
  static Type classType() { return TYPE_SCREEN_TAP; }
  ScreenTapGesture();
  ScreenTapGesture(const Gesture& rhs);
  Vector position() const;
  Vector direction() const;
  float progress() const;
  Pointable pointable() const;
};

class QUON_API KeyTapGesture : public Gesture {
 public:
  static Type classType() { return TYPE_KEY_TAP; }
  KeyTapGesture();
  KeyTapGesture(const Gesture& rhs);
  Vector position() const;
  Vector direction() const;
  float progress() const;
  Pointable pointable() const;
};

// ---------------------------------------------------------------------------
// Frames

class QUON_API InteractionBox : public Interface {
 public:
  InteractionBox();
  // Maps a point of the box to [0, 1] on each axis; clamp keeps it there for
  // points outside the box.
  Vector normalizePoint(const Vector& position, bool clamp = true) const;
  Vector denormalizePoint(const Vector& normalizedPosition) const;
  Vector center() const;
  float width() const;
  float height() const;
  float depth() const;
  bool isValid() const;

  bool operator==(const InteractionBox& other) const;
  bool operator!=(const InteractionBox& other) const;
  std::string toString() const {
    const char* c = toCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }

  static const InteractionBox& invalid();

 private:
  friend class LibraryAccess;
  explicit InteractionBox(Implementation* reference);
  const char* toCString() const;
};

class QUON_API Image : public Interface {
 public:
  enum FormatType : int32_t { INFRARED = 0 };

  Image();
  int64_t sequenceId() const;
  int32_t id() const;
  const unsigned char* data() const;  // width * height * bytesPerPixel bytes
  const float* distortion() const;    // distortionWidth * distortionHeight floats
  int width() const;
  int height() const;
  int bytesPerPixel() const;
  FormatType format() const;
  int distortionWidth() const;
  int distortionHeight() const;
  float rayOffsetX() const;
  float rayOffsetY() const;
  float rayScaleX() const;
  float rayScaleY() const;
  // Pixel coordinates to ray slopes (x, y) and back.
  Vector rectify(const Vector& uv) const;
  Vector warp(const Vector& xy) const;
  int64_t timestamp() const;
  bool isValid() const;

  bool operator==(const Image& other) const;
  bool operator!=(const Image& other) const;
  std::string toString() const {
    const char* c = toCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }

  static const Image& invalid();

 private:
  friend class LibraryAccess;
  explicit Image(Implementation* reference);
  const char* toCString() const;
};

class QUON_API Mask : public Interface {
 public:
  Mask();
  int64_t sequenceId() const;
  int32_t id() const;
  const unsigned char* data() const;  // width * height bytes
  int width() const;
  int height() const;
  int offsetX() const;
  int offsetY() const;
  bool isValid() const;

  bool operator==(const Mask& other) const;
  bool operator!=(const Mask& other) const;
  std::string toString() const {
    const char* c = toCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }

  static const Mask& invalid();

 private:
  friend class LibraryAccess;
  explicit Mask(Implementation* reference);
  const char* toCString() const;
};

class QUON_API TrackedQuad : public Interface {
 public:
  TrackedQuad();
  float width() const;
  float height() const;
  int resolutionX() const;
  int resolutionY() const;
  bool visible() const;
  Matrix orientation() const;
  Vector position() const;
  MaskList masks() const;
  ImageList images() const;
  bool isValid() const;

  bool operator==(const TrackedQuad& other) const;
  bool operator!=(const TrackedQuad& other) const;
  std::string toString() const {
    const char* c = toCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }

  static const TrackedQuad& invalid();

 private:
  friend class LibraryAccess;
  explicit TrackedQuad(Implementation* reference);
  const char* toCString() const;
};

class QUON_API Frame : public Interface {
 public:
  Frame();
  int64_t id() const;
  int64_t timestamp() const;  // microseconds
  float currentFramesPerSecond() const;
  HandList hands() const;
  Hand hand(int32_t id) const;
  PointableList pointables() const;
  Pointable pointable(int32_t id) const;
  FingerList fingers() const;
  Finger finger(int32_t id) const;
  ToolList tools() const;
  Tool tool(int32_t id) const;
  Gesture gesture(int32_t id) const;
  GestureList gestures() const;
  // Gestures of this frame and of every frame after sinceFrame up to this one.
  GestureList gestures(const Frame& sinceFrame) const;
  ImageList images() const;
  InteractionBox interactionBox() const;
  TrackedQuad trackedQuad() const;
  bool isValid() const;

  // Motion of the scene since an earlier frame.
  Vector translation(const Frame& sinceFrame) const;
  float translationProbability(const Frame& sinceFrame) const;
  Vector rotationAxis(const Frame& sinceFrame) const;
  float rotationAngle(const Frame& sinceFrame) const;
  float rotationAngle(const Frame& sinceFrame, const Vector& axis) const;
  Matrix rotationMatrix(const Frame& sinceFrame) const;
  float rotationProbability(const Frame& sinceFrame) const;
  float scaleFactor(const Frame& sinceFrame) const;
  float scaleProbability(const Frame& sinceFrame) const;

  // The frame's bytes, owned by the library and valid while any handle to
  // this frame lives. Never pass them to deleteCString.
  const char* serializeCString(unsigned int& length) const;
  // Replaces this handle's frame by the decoded one, or by an invalid frame
  // when the bytes are not a complete, well-formed frame.
  void deserializeCString(const char* str, unsigned int length);
  std::string serialize() const {
    unsigned int length = 0;
    const char* bytes = serializeCString(length);
    return std::string(bytes, length);
  }
  void deserialize(const std::string& bytes) {
    deserializeCString(bytes.data(), static_cast<unsigned int>(bytes.size()));
  }

  bool operator==(const Frame& other) const;
  bool operator!=(const Frame& other) const;
  std::string toString() const {
    const char* c = toCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }

  static const Frame& invalid();

 private:
  friend class LibraryAccess;
  explicit Frame(Implementation* reference);
  const char* toCString() const;
};

// ---------------------------------------------------------------------------
// Devices and screens

class QUON_API Screen : public Interface {
 public:
  Screen();
  int32_t id() const;
  // Where the pointable's ray (or the ray from position along direction)
  // meets the screen plane: a point in millimetres, or, when normalize is
  // set, (u, v, 0) with u and v in [0, 1] across the screen. The hit point
  // is clamped to the screen scaled by clampRatio about its centre. A ray
  // that misses the plane gives a vector of NaNs.
  Vector intersect(const Pointable& pointable, bool normalize, float clampRatio = 1.0f) const;
  Vector intersect(const Vector& position, const Vector& direction, bool normalize,
                   float clampRatio = 1.0f) const;
  // The orthogonal projection of a point onto the screen plane.
  Vector project(const Vector& position, bool normalize, float clampRatio = 1.0f) const;
  Vector horizontalAxis() const;
  Vector verticalAxis() const;
  Vector bottomLeftCorner() const;
  Vector normal() const;
  int widthPixels() const;
  int heightPixels() const;
  float distanceToPoint(const Vector& point) const;
  bool isValid() const;

  bool operator==(const Screen& other) const;
  bool operator!=(const Screen& other) const;
  std::string toString() const {
    const char* c = toCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }

  static const Screen& invalid();

 private:
  friend class LibraryAccess;
  explicit Screen(Implementation* reference);
  const char* toCString() const;
};

class QUON_API Device : public Interface {
 public:
  enum Type : int32_t { TYPE_PERIPHERAL = 1, TYPE_LAPTOP = 2, TYPE_KEYBOARD = 3 };

  Device();
  float horizontalViewAngle() const;  // radians
  float verticalViewAngle() const;    // radians
  float range() const;                // millimetres
  float baseline() const;             // millimetres between the cameras
  // Distance from a point inside the field of view to its nearest boundary;
  // 0 outside it.
  float distanceToBoundary(const Vector& position) const;
  bool isEmbedded() const;
  bool isStreaming() const;
  bool isFlipped() const;
  Type type() const;
  // Caller frees with Interface::deleteCString.
  const char* serialNumberCString() const;
  std::string serialNumber() const {
    const char* c = serialNumberCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }
  Vector position() const;
  Matrix orientation() const;
  bool isValid() const;

  bool operator==(const Device& other) const;
  bool operator!=(const Device& other) const;
  std::string toString() const {
    const char* c = toCString();
    std::string s(c);
    deleteCString(c);
    return s;
  }

  static const Device& invalid();

 private:
  friend class LibraryAccess;
  explicit Device(Implementation* reference);
  const char* toCString() const;
};

class QUON_API ScreenList : public Interface {
 public:
  ScreenList();
  int count() const;
  bool isEmpty() const;
  Screen operator[](int index) const;
  Screen closestScreenHit(const Pointable& pointable) const;
  Screen closestScreenHit(const Vector& position, const Vector& direction) const;
  Screen closestScreen(const Vector& position) const;

 private:
  friend class LibraryAccess;
  explicit ScreenList(Implementation* reference);
};

class QUON_API DeviceList : public Interface {
 public:
  DeviceList();
  int count() const;
  bool isEmpty() const;
  Device operator[](int index) const;
  DeviceList& append(const DeviceList& other);

 private:
  friend class LibraryAccess;
  explicit DeviceList(Implementation* reference);
};

// ---------------------------------------------------------------------------
// Service configuration and bug reports

class QUON_API Config : public Interface {
 public:
  enum ValueType : int32_t {
    TYPE_UNKNOWN = 0,
    TYPE_BOOLEAN = 1,
    TYPE_INT32 = 2,
    TYPE_FLOAT = 6,
    TYPE_STRING = 8
  };

  // A detached, invalid configuration: reads give zeros, writes fail.
  Config();
  ValueType typeCString(const char* key) const;
  bool getBoolCString(const char* key) const;
  bool setBoolCString(const char* key, bool value);
  int32_t getInt32CString(const char* key) const;
  bool setInt32CString(const char* key, int32_t value);
  float getFloatCString(const char* key) const;
  bool setFloatCString(const char* key, float value);
  // Caller frees with Interface::deleteCString.
  const char* getStringCString(const char* key) const;
  bool setStringCString(const char* key, const char* value);
  // Writes every value to the configuration file.
  bool save();

  ValueType type(const std::string& key) const { return typeCString(key.c_str()); }
  bool getBool(const std::string& key) const { return getBoolCString(key.c_str()); }
  bool setBool(const std::string& key, bool value) { return setBoolCString(key.c_str(), value); }
  int32_t getInt32(const std::string& key) const { return getInt32CString(key.c_str()); }
  bool setInt32(const std::string& key, int32_t value) {
    return setInt32CString(key.c_str(), value);
  }
  float getFloat(const std::string& key) const { return getFloatCString(key.c_str()); }
  bool setFloat(const std::string& key, float value) {
    return setFloatCString(key.c_str(), value);
  }
  std::string getString(const std::string& key) const {
    const char* c = getStringCString(key.c_str());
    std::string s(c);
    deleteCString(c);
    return s;
  }
  bool setString(const std::string& key, const std::string& value) {
    return setStringCString(key.c_str(), value.c_str());
  }

 private:
  friend class LibraryAccess;
  explicit Config(Implementation* reference);
};

class QUON_API BugReport : public Interface {
 public:
  // A detached report that never records.
  BugReport();
  // Starts recording the next frames to a file; false when a recording is
  // already running or the file cannot be written.
  bool beginRecording();
  void endRecording();
  bool isActive() const;
  float progress() const;  // 0 to 1 of the fixed recording length
  float duration() const;  // seconds recorded so far

 private:
  friend class LibraryAccess;
  explicit BugReport(Implementation* reference);
};

// ---------------------------------------------------------------------------
// Controller and listeners

class Listener;

class QUON_API Controller : public Interface {
 public:
  enum PolicyFlag : int32_t {
    POLICY_DEFAULT = 0,
    POLICY_BACKGROUND_FRAMES = 1,
    POLICY_IMAGES = 2,
    POLICY_OPTIMIZE_HMD = 4
  };

  // Connects to the tracking service (the simulation, or the recording named
  // by QUON_REPLAY). The service stops when the last handle to this
  // controller is destroyed.
  Controller();
  explicit Controller(Listener& listener);
  ~Controller() override;
  Controller(const Controller& other) = default;
  Controller& operator=(const Controller& other) = default;

  bool isConnected() const;
  bool isServiceConnected() const;
  bool hasFocus() const;
  PolicyFlag policyFlags() const;
  void setPolicyFlags(PolicyFlag flags) const;
  void setPolicy(PolicyFlag policy) const;
  void clearPolicy(PolicyFlag policy) const;
  bool isPolicySet(PolicyFlag policy) const;

  // onInit runs on the calling thread before addListener returns; every
  // other callback runs on the controller's service thread. removeListener
  // waits for a callback of that listener running on another thread, then
  // runs onExit on the calling thread; after it returns the listener gets no
  // further callback.
  bool addListener(Listener& listener);
  bool removeListener(Listener& listener);

  // The latest frame (history 0) or an earlier one; invalid past the history.
  Frame frame(int history = 0) const;
  ImageList images() const;
  Config config() const;
  DeviceList devices() const;
  ScreenList locatedScreens() const;
  TrackedQuad trackedQuad() const;
  BugReport bugReport() const;
  void enableGesture(Gesture::Type type, bool enable = true) const;
  bool isGestureEnabled(Gesture::Type type) const;
  int64_t now() const;  // microseconds, on the frames' timestamp clock

 private:
  friend class LibraryAccess;
  explicit Controller(Implementation* reference);
};

// Receives a controller's events. The default callbacks do nothing.
class QUON_API Listener {
 public:
  Listener();
  virtual ~Listener();
  virtual void onInit(const Controller&);
  virtual void onConnect(const Controller&);
  virtual void onDisconnect(const Controller&);
  virtual void onExit(const Controller&);
  virtual void onFrame(const Controller&);
  virtual void onFocusGained(const Controller&);
  virtual void onFocusLost(const Controller&);
  virtual void onServiceConnect(const Controller&);
  virtual void onServiceDisconnect(const Controller&);
  virtual void onDeviceChange(const Controller&);
  virtual void onImages(const Controller&);
};

}  // namespace Quon

#endif  // QUON_H
