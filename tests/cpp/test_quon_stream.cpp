// libQuon: the frame stream itself: content made on first use, the idle
// unthrottled service, and timestamps of paced frames.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Quon.h"
#include "quon_test_support.h"

using namespace Quon;

namespace {

// Keeps every delivered frame; `touch` decides whether its content is read
// at once, on the service thread, or left alone.
class Keeper : public Listener {
 public:
  explicit Keeper(bool touch) : touch_(touch) {}
  void onFrame(const Controller& controller) override {
    Frame f = controller.frame();
    std::string bytes = touch_ ? f.serialize() : std::string();
    std::lock_guard<std::mutex> lock(mutex);
    frames[f.id()] = f;
    if (touch_) serialized[f.id()] = bytes;
  }
  size_t size() {
    std::lock_guard<std::mutex> lock(mutex);
    return frames.size();
  }
  std::mutex mutex;
  std::map<int64_t, Frame> frames;
  std::map<int64_t, std::string> serialized;

 private:
  const bool touch_;
};

void collect(Keeper& keeper, size_t count) {
  quontest::setEnv("QUON_SEED", "21");
  quontest::setEnv("QUON_FPS", "max");
  Controller controller;
  for (Gesture::Type type : {Gesture::TYPE_SWIPE, Gesture::TYPE_CIRCLE, Gesture::TYPE_SCREEN_TAP,
                             Gesture::TYPE_KEY_TAP})
    controller.enableGesture(type);
  controller.setPolicy(Controller::POLICY_IMAGES);
  controller.addListener(keeper);
  ASSERT_TRUE(quontest::waitFor([&] { return keeper.size() >= count; }));
  controller.removeListener(keeper);
}

// Everything a reader can get from a frame, as text.
std::string walk(const Frame& frame) {
  std::string out = frame.toString();
  HandList hands = frame.hands();
  for (int h = 0; h < hands.count(); ++h) {
    Hand hand = hands[h];
    out += hand.toString() + hand.palmPosition().toString() + hand.arm().elbowPosition().toString();
    FingerList fingers = hand.fingers();
    for (int f = 0; f < fingers.count(); ++f)
      for (int b = 0; b < 4; ++b) out += fingers[f].bone(static_cast<Bone::Type>(b)).nextJoint().toString();
  }
  GestureList gestures = frame.gestures();
  for (int g = 0; g < gestures.count(); ++g) out += gestures[g].toString();
  ImageList images = frame.images();
  for (int i = 0; i < images.count(); ++i)
    out += std::to_string(images[i].data()[images[i].width() * 120 + 320]);
  return out;
}

}  // namespace

TEST(QuonStream, ContentMadeLaterOrConcurrentlyEqualsContentMadeAtOnce) {
  // One run reads every frame on the service thread as it arrives; the other
  // leaves its frames untouched and reads them afterwards from four threads
  // at once. Same seed, so every frame must come out byte for byte the same.
  Keeper atOnce(true), later(false);
  collect(atOnce, 160);
  collect(later, 160);
  std::vector<std::pair<Frame, std::string>> pairs;
  for (auto& [id, frame] : later.frames) {
    auto it = atOnce.serialized.find(id);
    if (id > 4 && it != atOnce.serialized.end()) pairs.emplace_back(frame, it->second);
  }
  ASSERT_GE(pairs.size(), 100u);

  constexpr int kThreads = 4;
  std::mutex mutex;
  std::condition_variable cv;
  size_t round = 0;
  int arrived = 0;
  std::vector<std::vector<std::string>> bytes(kThreads), walks(kThreads);
  auto reader = [&](int me) {
    for (size_t i = 0; i < pairs.size(); ++i) {
      {
        // All four threads start on frame i together.
        std::unique_lock<std::mutex> lock(mutex);
        if (++arrived == kThreads) {
          arrived = 0;
          ++round;
          cv.notify_all();
        } else {
          cv.wait(lock, [&] { return round > i; });
        }
      }
      const Frame& frame = pairs[i].first;
      if (me % 2) {
        bytes[me].push_back(frame.serialize());
        walks[me].push_back(walk(frame));
      } else {
        walks[me].push_back(walk(frame));
        bytes[me].push_back(frame.serialize());
      }
    }
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) threads.emplace_back(reader, t);
  for (auto& t : threads) t.join();

  int withHands = 0, withGestures = 0;
  for (size_t i = 0; i < pairs.size(); ++i) {
    for (int t = 0; t < kThreads; ++t) {
      ASSERT_EQ(bytes[t][i], pairs[i].second) << "frame " << pairs[i].first.id() << ", thread " << t;
      ASSERT_EQ(walks[t][i], walks[0][i]) << "frame " << pairs[i].first.id() << ", thread " << t;
    }
    withHands += pairs[i].first.hands().count() > 0;
    withGestures += pairs[i].first.gestures().count() > 0;
  }
  EXPECT_GT(withHands, 0);
  EXPECT_GT(withGestures, 0) << "the swipe falls within these frames";
}

TEST(QuonStream, UnthrottledServiceWaitsForAListenerOrAPoll) {
  quontest::setEnv("QUON_FPS", "max");
  Controller controller;
  ASSERT_TRUE(quontest::waitFor([&] { return controller.frame().isValid(); }));
  // Unasked, no frames are made: one poll asks for one more.
  int64_t seen = controller.frame().id();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_LE(controller.frame().id(), seen + 1);
  // Polling moves the stream on, one frame or more per poll.
  for (int i = 0; i < 20; ++i) {
    int64_t before = controller.frame().id();
    ASSERT_TRUE(quontest::waitFor([&] { return controller.frame().id() > before; }));
  }
  // A poll further back than the history reaches asks for enough frames.
  ASSERT_TRUE(quontest::waitFor([&] { return controller.frame(100).isValid(); }));
  const int64_t back = controller.frame(100).id();
  EXPECT_GE(controller.frame(0).id() - back, 100) << "polled later, so at least 100 newer";
  // With a listener, frames flow freely; without one again, they stop.
  Keeper keeper(false);
  controller.addListener(keeper);
  ASSERT_TRUE(quontest::waitFor([&] { return keeper.size() > 500; }));
  controller.removeListener(keeper);
  seen = controller.frame().id();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_LE(controller.frame().id(), seen + 1);
}

TEST(QuonStream, PacedFramesCarryTheTimeTheyAreMade) {
  quontest::setEnv("QUON_FPS", "500");
  struct Stamps : Listener {
    std::mutex mutex;
    std::vector<std::pair<int64_t, int64_t>> lags;  // (timestamp, now() at the callback)
    void onFrame(const Controller& c) override {
      const int64_t timestamp = c.frame().timestamp();
      const int64_t now = c.now();
      std::lock_guard<std::mutex> lock(mutex);
      lags.emplace_back(timestamp, now);
    }
    size_t size() {
      std::lock_guard<std::mutex> lock(mutex);
      return lags.size();
    }
  } stamps;
  Controller controller(stamps);
  ASSERT_TRUE(quontest::waitFor([&] { return controller.frame().isValid(); }));
  // A frame newer than a poll was made after the poll.
  const int64_t before = controller.now();
  const int64_t id = controller.frame().id();
  ASSERT_TRUE(quontest::waitFor([&] { return controller.frame().id() > id; }));
  Frame newer = controller.frame();
  EXPECT_GE(newer.timestamp(), before);
  EXPECT_LE(newer.timestamp(), controller.now());
  ASSERT_TRUE(quontest::waitFor([&] { return stamps.size() >= 50; }));
  controller.removeListener(stamps);
  for (size_t i = 0; i < stamps.lags.size(); ++i) {
    EXPECT_LE(stamps.lags[i].first, stamps.lags[i].second) << "made before it is delivered";
    if (i > 0) {
      EXPECT_GT(stamps.lags[i].first, stamps.lags[i - 1].first);
    }
  }
}
