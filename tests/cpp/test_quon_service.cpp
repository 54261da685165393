// libQuon: the controller's service thread, listeners, configuration,
// bug-report recording and replay.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "Quon.h"
#include "quon_test_support.h"

using namespace Quon;

namespace {

// Records the events it gets, in order, with the thread of each.
class Recorder : public Listener {
 public:
  void note(const char* what) {
    std::lock_guard<std::mutex> lock(mutex);
    events.push_back(what);
    threads.push_back(std::this_thread::get_id());
  }
  void onInit(const Controller&) override { note("init"); }
  void onConnect(const Controller&) override { note("connect"); }
  void onDisconnect(const Controller&) override { note("disconnect"); }
  void onExit(const Controller&) override { note("exit"); }
  void onFrame(const Controller& c) override {
    frames.fetch_add(1);
    Frame f = c.frame();
    std::lock_guard<std::mutex> lock(mutex);
    if (events.empty() || events.back() != std::string("frame")) {
      events.push_back("frame");
      threads.push_back(std::this_thread::get_id());
    }
    frameBytes[f.id()] = f.serialize();
  }
  void onServiceConnect(const Controller&) override { note("service"); }
  void onDeviceChange(const Controller&) override { note("device"); }
  void onFocusGained(const Controller&) override { note("focus"); }
  void onImages(const Controller&) override { images.fetch_add(1); }
  std::vector<std::string> snapshot() {
    std::lock_guard<std::mutex> lock(mutex);
    return events;
  }
  std::mutex mutex;
  std::vector<std::string> events;
  std::vector<std::thread::id> threads;
  std::map<int64_t, std::string> frameBytes;
  std::atomic<int> frames{0}, images{0};
};

int indexOf(const std::vector<std::string>& v, const std::string& what) {
  for (size_t i = 0; i < v.size(); ++i)
    if (v[i] == what) return static_cast<int>(i);
  return -1;
}

}  // namespace

TEST(QuonListeners, CallbacksArriveInOrderOnTheServiceThread) {
  quontest::setEnv("QUON_FPS", "500");
  Recorder r;
  Controller controller(r);
  controller.setPolicy(Controller::POLICY_IMAGES);
  ASSERT_TRUE(controller.isPolicySet(Controller::POLICY_IMAGES));
  ASSERT_TRUE(quontest::waitFor([&] { return r.frames.load() >= 5 && r.images.load() >= 2; }));
  EXPECT_TRUE(controller.isConnected());
  EXPECT_TRUE(controller.isServiceConnected());
  EXPECT_TRUE(controller.hasFocus());
  EXPECT_FALSE(controller.addListener(r)) << "already registered";
  ASSERT_TRUE(controller.removeListener(r));
  EXPECT_FALSE(controller.removeListener(r));
  auto events = r.snapshot();
  ASSERT_GE(events.size(), 6u);
  EXPECT_EQ(events.front(), "init");
  EXPECT_EQ(events.back(), "exit");
  int firstFrame = indexOf(events, "frame");
  ASSERT_GT(firstFrame, 0);
  for (const char* e : {"service", "connect", "device", "focus"}) {
    int at = indexOf(events, e);
    EXPECT_GT(at, 0) << e;
    EXPECT_LT(at, firstFrame) << e << " comes before the first frame";
  }
  // onInit and onExit run in the calling thread, the rest on the library's.
  const auto main = std::this_thread::get_id();
  std::lock_guard<std::mutex> lock(r.mutex);
  EXPECT_EQ(r.threads.front(), main);
  EXPECT_EQ(r.threads.back(), main);
  for (size_t i = 1; i + 1 < r.events.size(); ++i) EXPECT_NE(r.threads[i], main) << r.events[i];
}

TEST(QuonListeners, RemoveListenerIsSynchronousUnderStress) {
  quontest::setEnv("QUON_FPS", "max");
  Controller controller;
  struct Busy : Listener {
    std::atomic<int> inside{0}, calls{0};
    std::atomic<bool> removed{false}, lateCall{false};
    void onFrame(const Controller& c) override {
      inside.fetch_add(1);
      if (removed.load()) lateCall.store(true);
      calls.fetch_add(1);
      (void)c.frame().hands().count();
      std::this_thread::yield();
      inside.fetch_sub(1);
    }
  };
  // Several threads add and remove their own listeners while frames flow.
  std::atomic<int> failures{0};
  auto worker = [&](int rounds) {
    for (int i = 0; i < rounds; ++i) {
      auto* l = new Busy;
      if (!controller.addListener(*l)) failures.fetch_add(1);
      quontest::waitFor([&] { return l->calls.load() > 0; }, 10);
      if (!controller.removeListener(*l)) failures.fetch_add(1);
      l->removed.store(true);
      if (l->inside.load() != 0) failures.fetch_add(1);
      std::this_thread::yield();
      if (l->lateCall.load()) failures.fetch_add(1);
      delete l;  // a later callback would touch freed memory
    }
  };
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) threads.emplace_back(worker, 60);
  for (auto& t : threads) t.join();
  EXPECT_EQ(failures.load(), 0);
}

TEST(QuonListeners, CallbacksMayReenterTheController) {
  quontest::setEnv("QUON_FPS", "max");
  Controller controller;
  Recorder second;
  struct Reentrant : Listener {
    Controller* controller = nullptr;
    Listener* other = nullptr;
    std::atomic<int> frames{0};
    std::atomic<bool> removedSelf{false};
    void onFrame(const Controller& c) override {
      int n = frames.fetch_add(1);
      EXPECT_TRUE(c.frame().isValid());
      EXPECT_TRUE(c.frame(1).isValid() || n == 0);
      if (n == 2) {
        EXPECT_TRUE(controller->addListener(*other));
      }
      if (n == 40) {
        EXPECT_TRUE(controller->removeListener(*other));
        EXPECT_TRUE(controller->removeListener(*this));  // removing itself does not deadlock
        removedSelf = true;
      }
    }
  } first;
  first.controller = &controller;
  first.other = &second;
  controller.addListener(first);
  ASSERT_TRUE(quontest::waitFor([&] { return first.removedSelf.load(); }));
  int frames = first.frames.load();
  EXPECT_EQ(frames, 41);
  auto events = second.snapshot();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front(), "init");
  EXPECT_EQ(events.back(), "exit");
  EXPECT_GT(second.frames.load(), 0);
  EXPECT_FALSE(controller.removeListener(first));
}

// Listeners of two controllers that remove each other from inside their
// callbacks, at the same time: each removal returns, no callback starts after
// it, and each listener still gets its onExit once.
TEST(QuonListeners, ListenersRemovingEachOtherInCallbacksDoNotDeadlock) {
  struct Crossing : Listener {
    Controller* other = nullptr;
    Listener* target = nullptr;
    std::atomic<bool> removed{false};
    std::atomic<int> exits{0}, framesAfterExit{0};
    std::atomic<bool> entered{false};
    std::atomic<Crossing*> partner{nullptr};
    void onFrame(const Controller&) override {
      if (exits.load()) framesAfterExit.fetch_add(1);
      if (removed.exchange(true)) return;
      entered = true;
      // Wait until the partner is inside its callback too, so that both
      // removals run while the other's callback is in flight.
      for (int i = 0; i < 2000 && !partner.load()->entered.load(); ++i)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
      other->removeListener(*target);
    }
    void onExit(const Controller&) override { exits.fetch_add(1); }
  };
  for (int round = 0; round < 20; ++round) {
    Controller first, second;
    Crossing a, b;
    a.other = &second;
    a.target = &b;
    a.partner = &b;
    b.other = &first;
    b.target = &a;
    b.partner = &a;
    first.addListener(a);
    second.addListener(b);
    for (int i = 0; i < 5000 && (a.exits.load() == 0 || b.exits.load() == 0); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(a.exits.load(), 1) << round;
    EXPECT_EQ(b.exits.load(), 1) << round;
    EXPECT_EQ(a.framesAfterExit.load() + b.framesAfterExit.load(), 0) << round;
  }
}

TEST(QuonListeners, DestroyingTheControllerEndsItsThreadAndTellsListeners) {
  const long long handles = quon_live_handles();
  const long long objects = quon_live_objects();
  quontest::setEnv("QUON_FPS", "max");
  Recorder r;
  {
    Controller controller(r);
    ASSERT_TRUE(quontest::waitFor([&] { return r.frames.load() > 3; }));
  }
  EXPECT_EQ(r.snapshot().back(), "exit");
  int frames = r.frames.load();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(r.frames.load(), frames) << "no callback after the controller is gone";
  EXPECT_EQ(quon_live_handles(), handles);
  EXPECT_EQ(quon_live_objects(), objects);

  // The last handle may also go away inside a callback, on the service
  // thread itself.
  struct Dropper : Listener {
    std::atomic<Controller*> controller{nullptr};
    std::atomic<bool> exited{false};
    std::thread::id exitThread;
    void onFrame(const Controller&) override {
      if (Controller* c = controller.exchange(nullptr)) delete c;
    }
    void onExit(const Controller&) override {
      exitThread = std::this_thread::get_id();
      exited = true;
    }
  } dropper;
  dropper.controller.store(new Controller(dropper));
  ASSERT_TRUE(quontest::waitFor([&] { return dropper.exited.load(); }));
  EXPECT_NE(dropper.exitThread, std::this_thread::get_id());
  EXPECT_TRUE(quontest::waitFor([&] { return quon_live_handles() == handles && quon_live_objects() == objects; }));
}

TEST(QuonConfig, TypedValuesPersistAcrossControllers) {
  const std::string path = quontest::tempPath("quon-config");
  quontest::setEnv("QUON_CONFIG", path);
  quontest::setEnv("QUON_FPS", "110");
  {
    Controller controller;
    Config config = controller.config();
    EXPECT_EQ(config.type("images_mode"), Config::TYPE_INT32);
    EXPECT_EQ(config.type("tracking_tool_enabled"), Config::TYPE_BOOLEAN);
    EXPECT_EQ(config.type("Gesture.Circle.MinRadius"), Config::TYPE_FLOAT);
    EXPECT_EQ(config.type("device_name"), Config::TYPE_STRING);
    EXPECT_EQ(config.type("no such key"), Config::TYPE_UNKNOWN);
    EXPECT_EQ(config.getFloat("Gesture.Circle.MinRadius"), 5.0f);
    EXPECT_TRUE(config.setInt32("images_mode", 2));
    EXPECT_FALSE(config.setBool("images_mode", true)) << "wrong type refused";
    EXPECT_FALSE(config.setString("Gesture.Circle.MinRadius", "x"));
    EXPECT_TRUE(config.setFloat("Gesture.Circle.MinRadius", 7.1f));
    EXPECT_TRUE(config.setBool("tracking_tool_enabled", false));
    EXPECT_TRUE(config.setString("my key\twith %odd\nbytes", "value with spaces %41"));
    EXPECT_TRUE(config.setString("empty", ""));
    EXPECT_EQ(config.getInt32("images_mode"), 2);
    EXPECT_EQ(config.getBool("images_mode"), false) << "read as another type";
    EXPECT_FALSE(config.setBoolCString(nullptr, true));
    EXPECT_EQ(config.typeCString(nullptr), Config::TYPE_UNKNOWN);
    EXPECT_FALSE(config.setStringCString("k", nullptr));
    // Copies of the handle share the store.
    Config other = controller.config();
    EXPECT_EQ(other.getInt32("images_mode"), 2);
    EXPECT_TRUE(config.save());
  }
  {
    Controller controller;
    Config config = controller.config();
    EXPECT_EQ(config.getInt32("images_mode"), 2);
    EXPECT_EQ(config.getFloat("Gesture.Circle.MinRadius"), 7.1f);
    EXPECT_FALSE(config.getBool("tracking_tool_enabled"));
    EXPECT_EQ(config.getString("my key\twith %odd\nbytes"), "value with spaces %41");
    EXPECT_EQ(config.type("empty"), Config::TYPE_STRING);
    EXPECT_EQ(config.getString("empty"), "");
    EXPECT_EQ(config.getString("device_name"), "Quon Simulated Device");
  }
  Config detached;
  EXPECT_FALSE(detached.setInt32("images_mode", 1));
  EXPECT_FALSE(detached.save());
  EXPECT_EQ(detached.getString("device_name"), "");
  std::remove(path.c_str());
  quontest::setEnv("QUON_CONFIG", quontest::tempPath("quon-config-unused"));
}

TEST(QuonRecording, BugReportRecordsAndReplayReproducesIt) {
  const std::string recording = quontest::tempPath("quon-recording");
  quontest::setEnv("QUON_BUGREPORT", recording);
  quontest::setEnv("QUON_CONFIG", quontest::tempPath("quon-config-unused"));
  quontest::setEnv("QUON_FPS", "max");
  quontest::setEnv("QUON_SEED", "77");
  Recorder live;
  {
    Controller controller;
    controller.enableGesture(Gesture::TYPE_SWIPE);
    controller.config().setFloat("bug_report_duration", 0.5f);
    controller.addListener(live);
    BugReport report = controller.bugReport();
    EXPECT_FALSE(report.isActive());
    ASSERT_TRUE(report.beginRecording());
    EXPECT_FALSE(report.beginRecording()) << "one recording at a time";
    ASSERT_TRUE(quontest::waitFor([&] { return !report.isActive(); }));
    EXPECT_EQ(report.progress(), 1.0f);
    EXPECT_NEAR(report.duration(), 0.5f, 0.02f);
    controller.removeListener(live);
  }
  quontest::setEnv("QUON_REPLAY", recording);
  quontest::setEnv("QUON_FPS", "1000");
  Recorder replayed;
  {
    Controller controller(replayed);
    ASSERT_TRUE(quontest::waitFor([&] { return indexOf(replayed.snapshot(), "disconnect") >= 0; }));
    EXPECT_FALSE(controller.isConnected());
    EXPECT_EQ(controller.devices().count(), 0);
    EXPECT_TRUE(controller.frame().isValid()) << "the last replayed frame stays";
  }
  quontest::setEnv("QUON_REPLAY", "");
  // Every replayed frame is one the live controller delivered, byte for byte,
  // and the recording is continuous.
  ASSERT_GE(replayed.frameBytes.size(), 50u);
  int64_t previous = -1;
  for (auto& [id, bytes] : replayed.frameBytes) {
    auto it = live.frameBytes.find(id);
    ASSERT_NE(it, live.frameBytes.end()) << "frame " << id;
    EXPECT_EQ(bytes, it->second) << "frame " << id;
    if (previous >= 0) {
      EXPECT_EQ(id, previous + 1);
    }
    previous = id;
  }
  std::remove(recording.c_str());
}
