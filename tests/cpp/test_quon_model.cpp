// libQuon: the simulated scene, the hand model, frames, history, gestures,
// images, screens and handle lifetimes.
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <vector>

#include "Quon.h"
#include "quon_test_support.h"

using namespace Quon;
using quontest::near;

namespace {

// Collects every delivered frame, serialised, by frame id.
class FrameCollector : public Listener {
 public:
  void onFrame(const Controller& controller) override {
    Frame f = controller.frame();
    std::lock_guard<std::mutex> lock(mutex);
    frames[f.id()] = f;
  }
  size_t size() {
    std::lock_guard<std::mutex> lock(mutex);
    return frames.size();
  }
  std::mutex mutex;
  std::map<int64_t, Frame> frames;
};

void expectOrthonormal(const Matrix& m) {
  EXPECT_NEAR(m.xBasis.magnitude(), 1.0f, 1e-4f);
  EXPECT_NEAR(m.yBasis.magnitude(), 1.0f, 1e-4f);
  EXPECT_NEAR(m.zBasis.magnitude(), 1.0f, 1e-4f);
  EXPECT_NEAR(m.xBasis.dot(m.yBasis), 0.0f, 1e-4f);
  EXPECT_NEAR(m.yBasis.dot(m.zBasis), 0.0f, 1e-4f);
  EXPECT_NEAR(m.zBasis.dot(m.xBasis), 0.0f, 1e-4f);
  EXPECT_TRUE(near(m.xBasis.cross(m.yBasis), m.zBasis, 1e-4f)) << "right-handed";
}

// Runs an unthrottled controller until `count` frames have been delivered.
std::map<int64_t, Frame> runFrames(uint64_t seed, size_t count, bool gestures, bool images) {
  quontest::setEnv("QUON_SEED", std::to_string(seed));
  quontest::setEnv("QUON_FPS", "max");
  FrameCollector collector;
  {
    Controller controller;
    if (gestures) {
      controller.enableGesture(Gesture::TYPE_SWIPE);
      controller.enableGesture(Gesture::TYPE_CIRCLE);
      controller.enableGesture(Gesture::TYPE_SCREEN_TAP);
      controller.enableGesture(Gesture::TYPE_KEY_TAP);
    }
    if (images) controller.setPolicy(Controller::POLICY_IMAGES);
    controller.addListener(collector);
    EXPECT_TRUE(quontest::waitFor([&] { return collector.size() >= count; }));
    controller.removeListener(collector);
  }
  return collector.frames;
}

}  // namespace

TEST(QuonScene, SameSeedGivesSameFramesAndOtherSeedDiffers) {
  auto a = runFrames(7, 300, false, false);
  auto b = runFrames(7, 300, false, false);
  auto c = runFrames(8, 300, false, false);
  int compared = 0;
  for (auto& [id, frame] : a) {
    auto it = b.find(id);
    if (it == b.end()) continue;
    ASSERT_EQ(frame.serialize(), it->second.serialize()) << "frame " << id;
    ++compared;
  }
  EXPECT_GE(compared, 100);
  int differing = 0;
  for (auto& [id, frame] : a) {
    auto it = c.find(id);
    if (it != c.end() && frame.serialize() != it->second.serialize()) ++differing;
  }
  EXPECT_GT(differing, 0);
}

TEST(QuonScene, HandModelIsConsistent) {
  auto frames = runFrames(11, 400, false, false);
  int handsChecked = 0, fingersChecked = 0;
  bool sawTwoHands = false;
  for (auto& [id, frame] : frames) {
    ASSERT_TRUE(frame.isValid());
    HandList hands = frame.hands();
    if (hands.count() == 2) sawTwoHands = true;
    for (int i = 0; i < hands.count(); ++i) {
      Hand hand = hands[i];
      ++handsChecked;
      Matrix basis = hand.basis();
      expectOrthonormal(basis);
      EXPECT_TRUE(near(basis.zBasis, -hand.direction(), 1e-5f));
      EXPECT_TRUE(near(basis.yBasis, -hand.palmNormal(), 1e-5f));
      EXPECT_NE(hand.isLeft(), hand.isRight());
      EXPECT_GE(hand.grabStrength(), 0.0f);
      EXPECT_LE(hand.grabStrength(), 1.0f);
      EXPECT_GE(hand.pinchStrength(), 0.0f);
      EXPECT_LE(hand.pinchStrength(), 1.0f);
      EXPECT_GT(hand.confidence(), 0.0f);
      EXPECT_LE(hand.confidence(), 1.0f);
      EXPECT_GT(hand.sphereRadius(), 0.0f);
      Arm arm = hand.arm();
      ASSERT_TRUE(arm.isValid());
      EXPECT_EQ(arm.wristPosition(), hand.wristPosition());
      EXPECT_TRUE(near(arm.direction(), (arm.wristPosition() - arm.elbowPosition()).normalized(), 1e-4f));
      expectOrthonormal(arm.basis());
      EXPECT_EQ(hand.frame(), frame);

      FingerList fingers = hand.fingers();
      ASSERT_EQ(fingers.count(), 5);
      for (int f = 0; f < 5; ++f) {
        Finger finger = fingers[f];
        ++fingersChecked;
        EXPECT_EQ(finger.type(), static_cast<Finger::Type>(f));
        EXPECT_EQ(finger.hand(), hand);
        EXPECT_EQ(finger.id(), hand.id() * 10 + f);
        float length = 0;
        for (int b = 0; b < 4; ++b) {
          Bone bone = finger.bone(static_cast<Bone::Type>(b));
          ASSERT_TRUE(bone.isValid());
          EXPECT_EQ(bone.type(), static_cast<Bone::Type>(b));
          expectOrthonormal(bone.basis());
          EXPECT_TRUE(near(bone.direction(), (bone.nextJoint() - bone.prevJoint()).normalized(), 1e-4f));
          EXPECT_NEAR(bone.length(), bone.prevJoint().distanceTo(bone.nextJoint()), 1e-4f);
          if (b < 3) {
            // The chain runs from the wrist to the tip without gaps.
            EXPECT_EQ(bone.nextJoint(), finger.bone(static_cast<Bone::Type>(b + 1)).prevJoint());
            EXPECT_EQ(finger.jointPosition(static_cast<Finger::Joint>(b)), bone.nextJoint());
          }
          if (b > 0) length += bone.length();
        }
        EXPECT_EQ(finger.jointPosition(Finger::JOINT_TIP), finger.tipPosition());
        EXPECT_EQ(finger.bone(Bone::TYPE_DISTAL).nextJoint(), finger.tipPosition());
        EXPECT_NEAR(finger.length(), length, 0.01f);
        EXPECT_TRUE(near(finger.direction(), finger.bone(Bone::TYPE_DISTAL).direction(), 1e-5f));
        EXPECT_FALSE(finger.bone(static_cast<Bone::Type>(4)).isValid());
      }
    }
  }
  EXPECT_GT(handsChecked, 300);
  EXPECT_EQ(fingersChecked, handsChecked * 5);
  EXPECT_TRUE(sawTwoHands);
}

TEST(QuonScene, MotionBetweenFramesMatchesTheHands) {
  auto frames = runFrames(3, 200, false, false);
  ASSERT_GE(frames.size(), 100u);
  auto it = frames.begin();
  Frame earlier = it->second;
  Frame later = std::prev(frames.end())->second;
  Hand now = later.hands()[0];
  Hand then = earlier.hand(now.id());
  if (!then.isValid()) GTEST_SKIP() << "hand not present in both frames";
  EXPECT_EQ(now.translation(earlier), now.palmPosition() - then.palmPosition());
  EXPECT_GT(now.translationProbability(earlier), 0.0f);
  Matrix r = now.rotationMatrix(earlier);
  expectOrthonormal(r);
  // The rotation carries the earlier basis onto the current one.
  EXPECT_TRUE(near(r.transformDirection(then.basis().xBasis), now.basis().xBasis, 1e-4f));
  EXPECT_TRUE(near(r.transformDirection(then.basis().zBasis), now.basis().zBasis, 1e-4f));
  // Axis and angle describe the same rotation.
  Matrix fromAxis(now.rotationAxis(earlier), now.rotationAngle(earlier));
  EXPECT_TRUE(near(fromAxis.xBasis, r.xBasis, 1e-3f));
  EXPECT_TRUE(near(fromAxis.yBasis, r.yBasis, 1e-3f));
  EXPECT_NEAR(now.rotationAngle(earlier, now.rotationAxis(earlier)), now.rotationAngle(earlier), 1e-5f);
  EXPECT_NEAR(now.scaleFactor(earlier), now.sphereRadius() / then.sphereRadius(), 1e-5f);
  // Against a frame without the hand there is no motion.
  EXPECT_EQ(now.translation(Frame()), Vector());
  EXPECT_EQ(now.translationProbability(Frame()), 0.0f);
  EXPECT_EQ(later.rotationMatrix(Frame()), Matrix::identity());
  EXPECT_GT(later.rotationProbability(earlier), 0.0f);
}

TEST(QuonScene, GesturesRunThroughAllStates) {
  // Two scripted cycles: every kind appears, continuous ones start, update
  // and stop with growing durations.
  auto frames = runFrames(5, 1900, true, false);
  std::map<int32_t, std::vector<Gesture>> byId;
  std::set<int> kinds;
  for (auto& [id, frame] : frames) {
    GestureList gestures = frame.gestures();
    for (int i = 0; i < gestures.count(); ++i) {
      Gesture g = gestures[i];
      ASSERT_TRUE(g.isValid());
      EXPECT_EQ(frame.gesture(g.id()), g);
      EXPECT_EQ(g.frame(), frame);
      ASSERT_EQ(g.hands().count(), 1);
      ASSERT_EQ(g.pointables().count(), 1);
      EXPECT_EQ(g.pointables()[0].hand(), g.hands()[0]);
      byId[g.id()].push_back(g);
      kinds.insert(g.type());
    }
  }
  EXPECT_EQ(kinds, (std::set<int>{Gesture::TYPE_SWIPE, Gesture::TYPE_CIRCLE, Gesture::TYPE_SCREEN_TAP,
                                  Gesture::TYPE_KEY_TAP}));
  int completeContinuous = 0;
  for (auto& [id, seq] : byId) {
    Gesture::Type type = seq.front().type();
    if (type == Gesture::TYPE_SCREEN_TAP || type == Gesture::TYPE_KEY_TAP) {
      ASSERT_EQ(seq.size(), 1u);
      EXPECT_EQ(seq[0].state(), Gesture::STATE_STOP);
      EXPECT_EQ(seq[0].duration(), 0);
      if (type == Gesture::TYPE_SCREEN_TAP) {
        ScreenTapGesture tap(seq[0]);
        ASSERT_TRUE(tap.isValid());
        EXPECT_EQ(tap.position(), tap.pointable().tipPosition());
        EXPECT_EQ(tap.direction(), Vector(0, 0, -1));
        EXPECT_FALSE(KeyTapGesture(seq[0]).isValid());
      } else {
        KeyTapGesture tap(seq[0]);
        ASSERT_TRUE(tap.isValid());
        EXPECT_EQ(tap.direction(), Vector(0, -1, 0));
        EXPECT_EQ(tap.progress(), 1.0f);
      }
      continue;
    }
    if (seq.front().state() != Gesture::STATE_START) continue;  // began before the listener
    if (seq.back().frame().id() == frames.rbegin()->first) continue;  // still running at the end
    ASSERT_GE(seq.size(), 3u);
    EXPECT_EQ(seq.front().duration(), 0);
    EXPECT_EQ(seq.back().state(), Gesture::STATE_STOP);
    for (size_t i = 1; i + 1 < seq.size(); ++i) EXPECT_EQ(seq[i].state(), Gesture::STATE_UPDATE);
    for (size_t i = 1; i < seq.size(); ++i) EXPECT_GT(seq[i].duration(), seq[i - 1].duration());
    EXPECT_NEAR(seq.back().durationSeconds(), static_cast<float>(seq.back().duration()) * 1e-6f, 1e-6f);
    if (type == Gesture::TYPE_SWIPE) {
      SwipeGesture swipe(seq.back());
      ASSERT_TRUE(swipe.isValid());
      EXPECT_FALSE(CircleGesture(seq.back()).isValid());
      EXPECT_EQ(swipe.startPosition(), SwipeGesture(seq.front()).position());
      EXPECT_GT(swipe.position().x, swipe.startPosition().x + 100.0f) << "moves to the right";
      EXPECT_GT(SwipeGesture(seq[seq.size() / 2]).speed(), 200.0f);
    } else {
      CircleGesture circle(seq.back());
      ASSERT_TRUE(circle.isValid());
      EXPECT_EQ(circle.radius(), 30.0f);
      EXPECT_NEAR(circle.progress(), 2.0f, 0.05f);
      EXPECT_NEAR(circle.center().distanceTo(circle.pointable().tipPosition()), 30.0f, 0.01f);
      for (size_t i = 1; i < seq.size(); ++i)
        EXPECT_GT(CircleGesture(seq[i]).progress(), CircleGesture(seq[i - 1]).progress());
    }
    ++completeContinuous;
  }
  EXPECT_GE(completeContinuous, 2);
}

TEST(QuonFrames, HistoryLookupAndGesturesSince) {
  quontest::setEnv("QUON_SEED", "9");
  quontest::setEnv("QUON_FPS", "1000");
  Controller controller;
  controller.enableGesture(Gesture::TYPE_SWIPE);
  ASSERT_TRUE(controller.isGestureEnabled(Gesture::TYPE_SWIPE));
  ASSERT_FALSE(controller.isGestureEnabled(Gesture::TYPE_CIRCLE));
  ASSERT_TRUE(quontest::waitFor([&] { return controller.frame(127).isValid(); }));
  std::vector<Frame> history;
  for (int h = 0; h < 128; ++h) history.push_back(controller.frame(h));
  EXPECT_FALSE(controller.frame(-1).isValid());
  EXPECT_FALSE(controller.frame(100000).isValid());
  for (size_t i = 1; i < history.size(); ++i) {
    ASSERT_TRUE(history[i].isValid());
    if (history[i - 1].id() <= history[i].id()) continue;  // the history moved on mid-read
    EXPECT_LT(history[i].timestamp(), history[i - 1].timestamp());
  }
  Frame f = history[5];
  EXPECT_GT(f.currentFramesPerSecond(), 0.0f);
  EXPECT_TRUE(f.interactionBox().isValid());
  // Lookup by id.
  for (int i = 0; i < f.hands().count(); ++i) EXPECT_EQ(f.hand(f.hands()[i].id()), f.hands()[i]);
  PointableList pointables = f.pointables();
  for (int i = 0; i < pointables.count(); ++i) {
    Pointable p = pointables[i];
    EXPECT_EQ(f.pointable(p.id()), p);
    EXPECT_EQ(f.finger(p.id()).isValid(), p.isFinger());
    EXPECT_EQ(f.tool(p.id()).isValid(), p.isTool());
    if (p.isFinger()) {
      EXPECT_EQ(p.hand().finger(p.id()), Finger(p));
    }
  }
  EXPECT_FALSE(f.hand(987654).isValid());
  EXPECT_FALSE(f.pointable(-5).isValid());
  EXPECT_FALSE(f.gesture(987654).isValid());
  EXPECT_EQ(f.hand(987654).id(), -1);
  // gestures(since) gathers the gestures of the frames in between.
  Frame newest = history[0], oldest = history[127];
  GestureList since = newest.gestures(oldest);
  int expected = 0;
  for (int h = 0; h < 127; ++h) expected += history[static_cast<size_t>(h)].gestures().count();
  if (newest.id() - oldest.id() == 127) {
    EXPECT_EQ(since.count(), expected);
  }
  EXPECT_EQ(newest.gestures(newest).count(), 0);
}

TEST(QuonFrames, InteractionBoxNormalizesAndDenormalizes) {
  quontest::setEnv("QUON_FPS", "1000");
  Controller controller;
  ASSERT_TRUE(quontest::waitFor([&] { return controller.frame().isValid(); }));
  InteractionBox box = controller.frame().interactionBox();
  ASSERT_TRUE(box.isValid());
  Vector c = box.center();
  for (float u = 0.05f; u < 1.0f; u += 0.15f)
    for (float v = 0.05f; v < 1.0f; v += 0.3f) {
      Vector inside(c.x + (u - 0.5f) * box.width(), c.y + (v - 0.5f) * box.height(), c.z + (0.5f - u) * box.depth());
      Vector n = box.normalizePoint(inside);
      EXPECT_TRUE(near(n, Vector(u, v, 1.0f - u), 1e-5f));
      EXPECT_TRUE(near(box.denormalizePoint(n), inside, 1e-3f));
      EXPECT_EQ(box.normalizePoint(inside, false), n);
    }
  Vector outside = c + Vector(box.width(), -box.height(), 0);
  EXPECT_EQ(box.normalizePoint(outside), Vector(1.0f, 0.0f, 0.5f));
  EXPECT_TRUE(near(box.normalizePoint(outside, false), Vector(1.5f, -0.5f, 0.5f), 1e-6f));
  EXPECT_EQ(InteractionBox().normalizePoint(c), Vector());
}

TEST(QuonFrames, ImagesShowTheHandsAndRectifyInvertsWarp) {
  auto frames = runFrames(4, 20, false, true);
  Frame frame = std::prev(frames.end())->second;
  ImageList images = frame.images();
  ASSERT_EQ(images.count(), 2);
  for (int k = 0; k < 2; ++k) {
    Image image = images[k];
    ASSERT_TRUE(image.isValid());
    EXPECT_EQ(image.id(), k);
    EXPECT_EQ(image.sequenceId(), frame.id());
    EXPECT_EQ(image.format(), Image::INFRARED);
    ASSERT_EQ(image.bytesPerPixel(), 1);
    ASSERT_NE(image.data(), nullptr);
    ASSERT_NE(image.distortion(), nullptr);
    // Pixels back to rays and forth again.
    for (float x = 10; x < image.width(); x += 57)
      for (float y = 5; y < image.height(); y += 31) {
        Vector ray = image.rectify(Vector(x, y, 0));
        EXPECT_TRUE(near(image.warp(ray), Vector(x, y, 0), 1e-2f)) << x << "," << y;
      }
    // The distortion grid tabulates the same warp, as normalised pixels.
    int gw = image.distortionWidth() / 2, gh = image.distortionHeight();
    ASSERT_GT(gw, 1);
    const float* grid = image.distortion();
    for (int j = 0; j < gh; j += 9)
      for (int i = 0; i < gw; i += 9) {
        float sx = -2.0f + 4.0f * static_cast<float>(i) / static_cast<float>(gw - 1);
        float sy = -2.0f + 4.0f * static_cast<float>(j) / static_cast<float>(gh - 1);
        Vector px = image.warp(Vector(sx, sy, 0));
        EXPECT_NEAR(grid[(j * gw + i) * 2] * static_cast<float>(image.width()), px.x, 1e-2f);
        EXPECT_NEAR(grid[(j * gw + i) * 2 + 1] * static_cast<float>(image.height()), px.y, 1e-2f);
      }
    // A palm seen by this camera is brighter than the background.
    Hand hand = frame.hands()[0];
    Vector p = hand.palmPosition();
    float cx = k == 0 ? -20.0f : 20.0f;
    Vector px = image.warp(Vector((p.x - cx) / p.y, p.z / p.y, 0));
    int ix = static_cast<int>(px.x), iy = static_cast<int>(px.y);
    if (ix >= 0 && ix < image.width() && iy >= 0 && iy < image.height()) {
      EXPECT_GT(image.data()[iy * image.width() + ix], 60);
    }
    EXPECT_EQ(image.data()[0], 12);
  }
  TrackedQuad quad = frame.trackedQuad();
  ASSERT_TRUE(quad.isValid());
  expectOrthonormal(quad.orientation());
  EXPECT_EQ(quad.images().count(), 2);
  if (quad.visible()) {
    ASSERT_EQ(quad.masks().count(), 2);
    Mask mask = quad.masks()[0];
    EXPECT_EQ(mask.sequenceId(), frame.id());
    EXPECT_GE(mask.offsetX(), 0);
    EXPECT_LE(mask.offsetX() + mask.width(), images[0].width());
    int set = 0;
    for (int i = 0; i < mask.width() * mask.height(); ++i) set += mask.data()[i] == 255;
    EXPECT_GT(set, 0);
  }
  EXPECT_FALSE(Image().isValid());
  EXPECT_EQ(Image().data(), nullptr);
}

TEST(QuonDevices, ScreenGeometryAndDevice) {
  quontest::setEnv("QUON_FPS", "110");
  Controller controller;
  ScreenList screens = controller.locatedScreens();
  ASSERT_EQ(screens.count(), 1);
  Screen screen = screens[0];
  ASSERT_TRUE(screen.isValid());
  EXPECT_EQ(screen.normal(), screen.horizontalAxis().cross(screen.verticalAxis()).normalized());
  Vector center = screen.bottomLeftCorner() + screen.horizontalAxis() * 0.5f + screen.verticalAxis() * 0.5f;
  Vector from = center + screen.normal() * 250.0f;
  EXPECT_TRUE(near(screen.intersect(from, -screen.normal(), true), Vector(0.5f, 0.5f, 0), 1e-5f));
  EXPECT_TRUE(near(screen.intersect(from, -screen.normal(), false), center, 1e-3f));
  EXPECT_TRUE(near(screen.project(from, false), center, 1e-3f));
  EXPECT_NEAR(screen.distanceToPoint(from), 250.0f, 1e-3f);
  // Far off to the side: clamped to the edge, or to a wider area.
  Vector aside = from + screen.horizontalAxis() * 2.0f;
  EXPECT_TRUE(near(screen.project(aside, true), Vector(1.0f, 0.5f, 0), 1e-5f));
  EXPECT_TRUE(near(screen.project(aside, true, 3.0f), Vector(2.0f, 0.5f, 0), 1e-5f));
  // A ray pointing away misses.
  Vector miss = screen.intersect(from, screen.normal(), true);
  EXPECT_FALSE(miss.isValid());
  EXPECT_EQ(screens.closestScreenHit(from, -screen.normal()), screen);
  EXPECT_FALSE(screens.closestScreenHit(from, screen.normal()).isValid());
  EXPECT_EQ(screens.closestScreen(from), screen);
  EXPECT_EQ(screen.widthPixels(), 1920);

  ASSERT_TRUE(quontest::waitFor([&] { return controller.isConnected(); }));
  DeviceList devices = controller.devices();
  ASSERT_EQ(devices.count(), 1);
  Device device = devices[0];
  EXPECT_TRUE(device.isValid());
  EXPECT_FALSE(device.serialNumber().empty());
  EXPECT_EQ(device.type(), Device::TYPE_PERIPHERAL);
  EXPECT_GT(device.range(), 0.0f);
  EXPECT_GT(device.distanceToBoundary(Vector(0, 200, 0)), device.distanceToBoundary(Vector(100, 200, 0)));
  EXPECT_EQ(device.distanceToBoundary(Vector(0, -50, 0)), 0.0f);
  EXPECT_EQ(device.distanceToBoundary(Vector(0, 5000, 0)), 0.0f);
  EXPECT_FALSE(Device().isValid());
  EXPECT_EQ(Device().serialNumber(), "");
}

TEST(QuonHandles, OutliveTheirFrameAndControllerAndCountsReturn) {
  const long long handles = quon_live_handles();
  const long long objects = quon_live_objects();
  {
    Hand hand;
    Finger finger;
    PointableList copy;
    {
      quontest::setEnv("QUON_FPS", "1000");
      Controller controller;
      ASSERT_TRUE(quontest::waitFor([&] { return controller.frame().hands().count() > 0; }));
      Frame frame = controller.frame();
      hand = frame.hands()[0];
      finger = hand.fingers().frontmost();
      PointableList list = frame.pointables();
      copy = list;
      int before = list.count();
      list.append(hand.fingers());
      EXPECT_EQ(list.count(), before + 5);
      EXPECT_EQ(copy.count(), before) << "append changes only its own list";
      list.append(list);
      EXPECT_EQ(list.count(), 2 * (before + 5));
    }
    // Controller and frame are gone; the handles still read their data.
    EXPECT_TRUE(hand.isValid());
    EXPECT_TRUE(finger.isValid());
    EXPECT_EQ(finger.hand(), hand);
    EXPECT_TRUE(hand.frame().isValid());
    EXPECT_NE(hand.toString().find("Hand Id:"), std::string::npos);
    Finger leftmost = copy.isEmpty() ? Finger() : Finger(copy.leftmost());
    for (int i = 0; i < copy.count(); ++i)
      if (copy[i].isFinger()) {
        EXPECT_LE(leftmost.tipPosition().x, copy[i].tipPosition().x);
      }
    EXPECT_FALSE(copy[copy.count()].isValid());
    EXPECT_FALSE(copy[-1].isValid());
    EXPECT_FALSE(Tool(Pointable(finger)).isValid());
    EXPECT_EQ(Finger(Pointable(finger)), finger);
  }
  EXPECT_EQ(quon_live_handles(), handles);
  EXPECT_EQ(quon_live_objects(), objects);
  EXPECT_FALSE(Hand::invalid().isValid());
  EXPECT_EQ(Frame::invalid().toString(), "Invalid Frame");
  EXPECT_NE(&Hand::invalid(), nullptr);
  EXPECT_EQ(quon_live_handles(), handles) << "invalid instances are made once, at load";
}
