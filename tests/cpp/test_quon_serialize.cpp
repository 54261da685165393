// libQuon: frame serialisation round trip and corrupt-input safety.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "Quon.h"
#include "quon_test_support.h"

using namespace Quon;

namespace {

class LastFrame : public Listener {
 public:
  void onFrame(const Controller& c) override {
    Frame f = c.frame();
    std::lock_guard<std::mutex> lock(mutex);
    // Keep a frame that has gestures, a tool and images once one comes by.
    bool rich = f.gestures().count() > 0 && f.tools().count() > 0 && f.images().count() > 0;
    if (rich || !best.isValid() || (!haveRich && f.gestures().count() > 0)) {
      best = f;
      haveRich = haveRich || rich;
    }
    ++seen;
  }
  std::mutex mutex;
  Frame best;
  bool haveRich = false;
  int seen = 0;
};

void expectSamePointable(const Pointable& a, const Pointable& b) {
  EXPECT_EQ(a.id(), b.id());
  EXPECT_EQ(a.tipPosition(), b.tipPosition());
  EXPECT_EQ(a.tipVelocity(), b.tipVelocity());
  EXPECT_EQ(a.direction(), b.direction());
  EXPECT_EQ(a.stabilizedTipPosition(), b.stabilizedTipPosition());
  EXPECT_EQ(a.width(), b.width());
  EXPECT_EQ(a.length(), b.length());
  EXPECT_EQ(a.isFinger(), b.isFinger());
  EXPECT_EQ(a.isTool(), b.isTool());
  EXPECT_EQ(a.isExtended(), b.isExtended());
  EXPECT_EQ(a.touchZone(), b.touchZone());
  EXPECT_EQ(a.touchDistance(), b.touchDistance());
  EXPECT_EQ(a.timeVisible(), b.timeVisible());
  EXPECT_EQ(a.hand().id(), b.hand().id());
  if (a.isFinger()) {
    Finger fa(a), fb(b);
    EXPECT_EQ(fa.type(), fb.type());
    for (int j = 0; j < 4; ++j) {
      EXPECT_EQ(fa.jointPosition(static_cast<Finger::Joint>(j)), fb.jointPosition(static_cast<Finger::Joint>(j)));
      Bone ba = fa.bone(static_cast<Bone::Type>(j)), bb = fb.bone(static_cast<Bone::Type>(j));
      EXPECT_EQ(ba.prevJoint(), bb.prevJoint());
      EXPECT_EQ(ba.nextJoint(), bb.nextJoint());
      EXPECT_EQ(ba.width(), bb.width());
      EXPECT_EQ(ba.basis(), bb.basis());
    }
  }
}

void expectSameFrame(const Frame& a, const Frame& b) {
  ASSERT_TRUE(b.isValid());
  EXPECT_EQ(a, b);
  EXPECT_EQ(a.id(), b.id());
  EXPECT_EQ(a.timestamp(), b.timestamp());
  EXPECT_EQ(a.currentFramesPerSecond(), b.currentFramesPerSecond());
  EXPECT_EQ(a.interactionBox(), b.interactionBox());
  ASSERT_EQ(a.hands().count(), b.hands().count());
  for (int i = 0; i < a.hands().count(); ++i) {
    Hand x = a.hands()[i], y = b.hands()[i];
    EXPECT_EQ(x.id(), y.id());
    EXPECT_EQ(x.isLeft(), y.isLeft());
    EXPECT_EQ(x.palmPosition(), y.palmPosition());
    EXPECT_EQ(x.stabilizedPalmPosition(), y.stabilizedPalmPosition());
    EXPECT_EQ(x.palmVelocity(), y.palmVelocity());
    EXPECT_EQ(x.palmNormal(), y.palmNormal());
    EXPECT_EQ(x.direction(), y.direction());
    EXPECT_EQ(x.basis(), y.basis());
    EXPECT_EQ(x.palmWidth(), y.palmWidth());
    EXPECT_EQ(x.wristPosition(), y.wristPosition());
    EXPECT_EQ(x.sphereCenter(), y.sphereCenter());
    EXPECT_EQ(x.sphereRadius(), y.sphereRadius());
    EXPECT_EQ(x.grabStrength(), y.grabStrength());
    EXPECT_EQ(x.pinchStrength(), y.pinchStrength());
    EXPECT_EQ(x.timeVisible(), y.timeVisible());
    EXPECT_EQ(x.confidence(), y.confidence());
    EXPECT_EQ(x.arm().elbowPosition(), y.arm().elbowPosition());
    EXPECT_EQ(x.arm().wristPosition(), y.arm().wristPosition());
    EXPECT_EQ(x.arm().width(), y.arm().width());
    EXPECT_EQ(x.arm().basis(), y.arm().basis());
    EXPECT_EQ(x.pointables().count(), y.pointables().count());
  }
  ASSERT_EQ(a.pointables().count(), b.pointables().count());
  for (int i = 0; i < a.pointables().count(); ++i) expectSamePointable(a.pointables()[i], b.pointables()[i]);
  ASSERT_EQ(a.gestures().count(), b.gestures().count());
  for (int i = 0; i < a.gestures().count(); ++i) {
    Gesture x = a.gestures()[i], y = b.gestures()[i];
    EXPECT_EQ(x.id(), y.id());
    EXPECT_EQ(x.type(), y.type());
    EXPECT_EQ(x.state(), y.state());
    EXPECT_EQ(x.duration(), y.duration());
    EXPECT_EQ(x.hands()[0].id(), y.hands()[0].id());
    EXPECT_EQ(x.pointables()[0].id(), y.pointables()[0].id());
    EXPECT_EQ(SwipeGesture(x).position(), SwipeGesture(y).position());
    EXPECT_EQ(SwipeGesture(x).startPosition(), SwipeGesture(y).startPosition());
    EXPECT_EQ(SwipeGesture(x).speed(), SwipeGesture(y).speed());
    EXPECT_EQ(CircleGesture(x).center(), CircleGesture(y).center());
    EXPECT_EQ(CircleGesture(x).normal(), CircleGesture(y).normal());
    EXPECT_EQ(CircleGesture(x).progress(), CircleGesture(y).progress());
    EXPECT_EQ(CircleGesture(x).radius(), CircleGesture(y).radius());
    EXPECT_EQ(KeyTapGesture(x).position(), KeyTapGesture(y).position());
    EXPECT_EQ(ScreenTapGesture(x).direction(), ScreenTapGesture(y).direction());
  }
  ASSERT_EQ(a.images().count(), b.images().count());
  for (int i = 0; i < a.images().count(); ++i) {
    Image x = a.images()[i], y = b.images()[i];
    EXPECT_EQ(x, y);
    EXPECT_EQ(x.timestamp(), y.timestamp());
    ASSERT_EQ(x.width(), y.width());
    ASSERT_EQ(x.height(), y.height());
    ASSERT_EQ(x.bytesPerPixel(), y.bytesPerPixel());
    EXPECT_EQ(x.format(), y.format());
    EXPECT_EQ(x.rayOffsetX(), y.rayOffsetX());
    EXPECT_EQ(x.rayScaleY(), y.rayScaleY());
    EXPECT_EQ(0, std::memcmp(x.data(), y.data(), static_cast<size_t>(x.width() * x.height())));
    ASSERT_EQ(x.distortionWidth(), y.distortionWidth());
    ASSERT_EQ(x.distortionHeight(), y.distortionHeight());
    EXPECT_EQ(0, std::memcmp(x.distortion(), y.distortion(),
                             static_cast<size_t>(x.distortionWidth() * x.distortionHeight()) * 4));
    EXPECT_EQ(x.warp(Vector(0.3f, -0.2f, 0)), y.warp(Vector(0.3f, -0.2f, 0)));
  }
  TrackedQuad qa = a.trackedQuad(), qb = b.trackedQuad();
  EXPECT_EQ(qa, qb);
  EXPECT_EQ(qa.visible(), qb.visible());
  EXPECT_EQ(qa.position(), qb.position());
  EXPECT_EQ(qa.orientation(), qb.orientation());
  EXPECT_EQ(qa.width(), qb.width());
  EXPECT_EQ(qa.resolutionY(), qb.resolutionY());
  ASSERT_EQ(qa.masks().count(), qb.masks().count());
  for (int i = 0; i < qa.masks().count(); ++i) {
    Mask x = qa.masks()[i], y = qb.masks()[i];
    EXPECT_EQ(x, y);
    EXPECT_EQ(x.offsetX(), y.offsetX());
    EXPECT_EQ(x.offsetY(), y.offsetY());
    ASSERT_EQ(x.width() * x.height(), y.width() * y.height());
    EXPECT_EQ(0, std::memcmp(x.data(), y.data(), static_cast<size_t>(x.width() * x.height())));
  }
}

Frame richFrame(bool images) {
  quontest::setEnv("QUON_SEED", "21");
  quontest::setEnv("QUON_FPS", "max");
  LastFrame last;
  Controller controller;
  controller.enableGesture(Gesture::TYPE_SWIPE);
  controller.enableGesture(Gesture::TYPE_CIRCLE);
  if (images) controller.setPolicy(Controller::POLICY_IMAGES);
  controller.addListener(last);
  EXPECT_TRUE(quontest::waitFor([&] {
    std::lock_guard<std::mutex> lock(last.mutex);
    return (last.haveRich || !images) && last.best.isValid() && last.best.gestures().count() > 0;
  }));
  controller.removeListener(last);
  std::lock_guard<std::mutex> lock(last.mutex);
  return last.best;
}

}  // namespace

TEST(QuonSerialize, RoundTripKeepsEveryField) {
  Frame original = richFrame(true);
  ASSERT_TRUE(original.isValid());
  ASSERT_GT(original.images().count(), 0);
  ASSERT_GT(original.gestures().count(), 0);
  unsigned int length = 0;
  const char* bytes = original.serializeCString(length);
  ASSERT_GT(length, 0u);
  Frame copy;
  copy.deserializeCString(bytes, length);
  expectSameFrame(original, copy);
  // Serialising the copy gives the same bytes again.
  EXPECT_EQ(copy.serialize(), original.serialize());
  // A frame handle can be overwritten by another frame or made invalid.
  copy.deserializeCString(bytes, length - 1);
  EXPECT_FALSE(copy.isValid());
  unsigned int invalidLength = 99;
  Frame().serializeCString(invalidLength);
  EXPECT_EQ(invalidLength, 0u);
}

TEST(QuonSerialize, TruncatedOversizedAndRandomInputGiveAnInvalidFrame) {
  const std::string good = richFrame(false).serialize();
  ASSERT_GT(good.size(), 100u);
  Frame f;
  f.deserialize(good);
  ASSERT_TRUE(f.isValid());
  // Every truncation, each in a buffer of exactly that size so that any read
  // past the end is caught by the address sanitizer.
  for (size_t n = 0; n < good.size(); ++n) {
    std::vector<char> buffer(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    Frame t = f;
    t.deserializeCString(buffer.data(), static_cast<unsigned int>(n));
    ASSERT_FALSE(t.isValid()) << "prefix of " << n << " bytes";
  }
  Frame g;
  g.deserialize(good + std::string("\0", 1));
  EXPECT_FALSE(g.isValid());
  g.deserializeCString(nullptr, 100);
  EXPECT_FALSE(g.isValid());

  std::mt19937 random(12345);
  // Random bytes, with and without a plausible header.
  for (int round = 0; round < 3000; ++round) {
    std::vector<char> buffer(random() % 2048);
    for (char& c : buffer) c = static_cast<char>(random());
    if (round % 2 == 0 && buffer.size() >= 12) {
      std::memcpy(buffer.data(), good.data(), 8);
      uint32_t payload = static_cast<uint32_t>(buffer.size() - 12);
      for (int i = 0; i < 4; ++i) buffer[8 + static_cast<size_t>(i)] = static_cast<char>(payload >> (8 * i));
    }
    Frame r;
    r.deserializeCString(buffer.data(), static_cast<unsigned int>(buffer.size()));
    ASSERT_FALSE(r.isValid()) << "round " << round;
  }
  // Mutations of a real frame: whatever decodes must encode back to the same
  // bytes, and everything it holds must be readable.
  int accepted = 0;
  for (int round = 0; round < 2000; ++round) {
    std::string bytes = good;
    int flips = 1 + static_cast<int>(random() % 4);
    for (int k = 0; k < flips; ++k) bytes[random() % bytes.size()] = static_cast<char>(random());
    std::vector<char> buffer(bytes.begin(), bytes.end());
    Frame m;
    m.deserializeCString(buffer.data(), static_cast<unsigned int>(buffer.size()));
    if (!m.isValid()) continue;
    ++accepted;
    ASSERT_EQ(m.serialize(), bytes);
    for (int i = 0; i < m.pointables().count(); ++i) (void)m.pointables()[i].hand().toString();
    for (int i = 0; i < m.gestures().count(); ++i) (void)m.gestures()[i].pointables().count();
    (void)m.toString();
  }
  EXPECT_GT(accepted, 0);
}
