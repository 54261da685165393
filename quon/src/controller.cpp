// The controller and its tracking service: one thread per controller makes
// frames (simulated, or replayed from a recording), keeps the history and
// delivers listener callbacks. Callbacks always run with no library lock
// held, so a callback may call back into the controller, and a caller that
// holds some lock of its own (an interpreter lock, say) while it waits for a
// library call cannot deadlock against a callback that wants that lock.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "config.h"
#include "internal.h"

namespace Quon {

namespace {

using LA = LibraryAccess;
using Clock = std::chrono::steady_clock;

constexpr size_t kHistory = 128;
constexpr char kRecordingMagic[8] = {'Q', 'U', 'O', 'N', 'R', 'E', 'C', '1'};

enum Event {
  evInit, evConnect, evDisconnect, evExit, evFrame, evFocusGained, evFocusLost,
  evServiceConnect, evServiceDisconnect, evDeviceChange, evImages
};

void call(Listener& l, Event e, const Controller& c) {
  switch (e) {
    case evInit: l.onInit(c); break;
    case evConnect: l.onConnect(c); break;
    case evDisconnect: l.onDisconnect(c); break;
    case evExit: l.onExit(c); break;
    case evFrame: l.onFrame(c); break;
    case evFocusGained: l.onFocusGained(c); break;
    case evFocusLost: l.onFocusLost(c); break;
    case evServiceConnect: l.onServiceConnect(c); break;
    case evServiceDisconnect: l.onServiceDisconnect(c); break;
    case evDeviceChange: l.onDeviceChange(c); break;
    case evImages: l.onImages(c); break;
  }
}

// A registered listener. The callback path touches only the atomics: a
// callback counts itself in, then checks `removed`; removeListener sets
// `removed`, then waits for the count. Both sides use sequentially
// consistent operations, so one of them always sees the other.
struct ListenerEntry {
  Listener* listener = nullptr;
  bool active = false;  // onInit has run (under the service mutex)
  std::atomic<bool> removed{false};  // no further callback may start
  std::atomic<int> inflight{0};
  std::vector<Event> pending;  // under the service mutex
  bool exitPending = false;    // under the service mutex: the last running callback sends onExit
};

// The listeners whose callbacks the current thread is inside, innermost
// last: a listener removing itself from its own callback cannot wait for
// that callback.
thread_local std::vector<const ListenerEntry*> t_inside;

int callbacksOnThisThread(const ListenerEntry* e) {
  return static_cast<int>(std::count(t_inside.begin(), t_inside.end(), e));
}

uint64_t envSeed() {
  const char* s = std::getenv("QUON_SEED");
  if (!s || !*s) return 20240611;
  char* end = nullptr;
  unsigned long long v = std::strtoull(s, &end, 0);
  return end && *end == 0 ? v : 20240611;
}

// Frames per second; 0 means unthrottled.
double envFps() {
  const char* s = std::getenv("QUON_FPS");
  if (!s || !*s) return 110.0;
  if (std::strcmp(s, "max") == 0) return 0.0;
  char* end = nullptr;
  double v = std::strtod(s, &end);
  if (!end || *end != 0 || !(v >= 0)) return 110.0;
  if (v == 0) return 0.0;
  return std::clamp(v, 1.0, 10000.0);
}

std::vector<std::shared_ptr<FrameData>> readRecording(const std::string& path) {
  std::vector<std::shared_ptr<FrameData>> frames;
  FILE* in = std::fopen(path.c_str(), "rb");
  if (!in) return frames;
  char magic[8];
  if (std::fread(magic, 1, 8, in) == 8 && std::memcmp(magic, kRecordingMagic, 8) == 0) {
    std::vector<unsigned char> buffer;
    unsigned char len[4];
    while (std::fread(len, 1, 4, in) == 4) {
      uint32_t n = static_cast<uint32_t>(len[0]) | (static_cast<uint32_t>(len[1]) << 8) |
                   (static_cast<uint32_t>(len[2]) << 16) | (static_cast<uint32_t>(len[3]) << 24);
      if (n > (64u << 20)) break;
      buffer.resize(n);
      if (std::fread(buffer.data(), 1, n, in) != n) break;
      auto f = decodeFrame(buffer.data(), n);
      if (!f) break;
      frames.push_back(std::move(f));
    }
  }
  std::fclose(in);
  return frames;
}

bool writeRecord(FILE* out, const std::string& bytes) {
  uint32_t n = static_cast<uint32_t>(bytes.size());
  unsigned char len[4] = {static_cast<unsigned char>(n), static_cast<unsigned char>(n >> 8),
                          static_cast<unsigned char>(n >> 16), static_cast<unsigned char>(n >> 24)};
  return std::fwrite(len, 1, 4, out) == 4 && std::fwrite(bytes.data(), 1, n, out) == n;
}

}  // namespace

// ---------------------------------------------------------------------------
// Bug reports: the next frames go to a recording file for a fixed duration.

struct BugReportState {
  std::mutex mutex;
  std::shared_ptr<ConfigStore> config;
  std::atomic<bool> active{false};  // written under the mutex, read without
  FILE* file = nullptr;
  int64_t startTimestamp = -1;
  double target = 10.0, recorded = 0.0;

  ~BugReportState() { close(); }
  void close() {
    if (file) std::fclose(file);
    file = nullptr;
    active = false;
  }
  static std::string path() {
    if (const char* p = std::getenv("QUON_BUGREPORT"); p && *p) return p;
    std::error_code ec;
    std::filesystem::path dir = std::filesystem::temp_directory_path(ec);
    return ec ? std::string("quon-bugreport.qrec") : (dir / "quon-bugreport.qrec").string();
  }
  bool begin() {
    std::lock_guard<std::mutex> lock(mutex);
    if (active) return false;
    file = std::fopen(path().c_str(), "wb");
    if (!file) return false;
    if (std::fwrite(kRecordingMagic, 1, 8, file) != 8) {
      close();
      return false;
    }
    ConfigValue v;
    target = config && config->get("bug_report_duration", Config::TYPE_FLOAT, v) && v.f > 0
                 ? static_cast<double>(v.f)
                 : 10.0;
    active = true;
    startTimestamp = -1;
    recorded = 0.0;
    return true;
  }
  void record(const FrameData& frame, const std::string& bytes) {
    std::lock_guard<std::mutex> lock(mutex);
    if (!active) return;
    if (startTimestamp < 0) startTimestamp = frame.timestamp;
    if (!writeRecord(file, bytes)) {
      close();
      return;
    }
    recorded = static_cast<double>(frame.timestamp - startTimestamp) * 1e-6;
    if (recorded >= target) {
      recorded = target;
      close();
    } else {
      std::fflush(file);
    }
  }
};

// ---------------------------------------------------------------------------
// The service

class Service : public std::enable_shared_from_this<Service> {
 public:
  Service()
      : seed_(envSeed()),
        fps_(envFps()),
        config_(std::make_shared<ConfigStore>(defaultConfigPath())),
        bug_(std::make_shared<BugReportState>()) {
    bug_->config = config_;
    if (const char* r = std::getenv("QUON_REPLAY"); r && *r) {
      replaying_ = true;
      replay_ = readRecording(r);
    }
  }

  void start() {
    view_ = new Controller(LA::make<Controller>(ControllerState(shared_from_this(), false)));
    epoch_ = Clock::now();
    thread_ = std::thread([self = shared_from_this()] { self->run(); });
  }

  void shutdown() {
    std::vector<std::shared_ptr<ListenerEntry>> remaining;
    const bool onOwnThread = std::this_thread::get_id() == thread_.get_id();
    {
      std::unique_lock<std::mutex> lock(mutex_);
      if (stopping_) return;
      stopping_ = true;
      connected_ = serviceConnected_ = false;
      remaining.swap(listeners_);
      for (auto& e : remaining) e->removed = true;
      cv_.notify_all();
    }
    if (thread_.joinable()) {
      if (onOwnThread) {
        thread_.detach();  // run() ends after the current callback returns
      } else {
        thread_.join();
      }
    }
    {
      // Callbacks still running on other threads (onInit of a concurrent
      // addListener) finish before their listeners are told to exit.
      std::unique_lock<std::mutex> lock(mutex_);
      for (auto& e : remaining) {
        const int mine = callbacksOnThisThread(e.get());
        cv_.wait(lock, [&] { return e->inflight.load() <= mine; });
      }
    }
    for (auto& e : remaining)
      if (e->active) safeCall(*e->listener, evExit, *view_);
    {
      std::lock_guard<std::mutex> lock(bug_->mutex);
      bug_->close();
    }
    if (onOwnThread) {
      std::lock_guard<std::mutex> lock(mutex_);
      deleteViewOnExit_ = true;
    } else {
      delete view_;
      view_ = nullptr;
    }
  }

  bool addListener(Listener& listener, const Controller& caller) {
    auto e = std::make_shared<ListenerEntry>();
    e->listener = &listener;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (stopping_) return false;
      for (auto& other : listeners_)
        if (other->listener == &listener) return false;
      listeners_.push_back(e);
    }
    invoke(*e, evInit, caller);
    std::lock_guard<std::mutex> lock(mutex_);
    if (e->removed) return true;
    e->active = true;
    if (serviceConnected_) e->pending.push_back(evServiceConnect);
    if (connected_) {
      e->pending.push_back(evConnect);
      e->pending.push_back(evDeviceChange);
    }
    if (focus_) e->pending.push_back(evFocusGained);
    pendingWork_ = true;
    cv_.notify_all();
    return true;
  }

  bool removeListener(Listener& listener, const Controller& caller) {
    std::shared_ptr<ListenerEntry> e;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      auto it = std::find_if(listeners_.begin(), listeners_.end(),
                             [&](const auto& x) { return x->listener == &listener; });
      if (it == listeners_.end()) return false;
      e = *it;
      listeners_.erase(it);
      e->removed = true;
      // Wait for its callbacks on other threads; one running on this thread
      // (a listener removing itself) is the caller's own and cannot be waited for.
      const int mine = callbacksOnThisThread(e.get());
      if (!t_inside.empty() && e->inflight.load() > mine) {
        // Called from inside a callback while another thread runs one of this
        // listener's: waiting could wait for a thread that is waiting for this
        // one (two controllers' listeners removing each other). No callback
        // starts any more; the running one sends onExit when it ends.
        e->exitPending = e->active;
        return true;
      }
      cv_.wait(lock, [&] { return e->inflight.load() <= mine; });
    }
    if (e->active) safeCall(listener, evExit, caller);
    return true;
  }

  Frame frame(int history) {
    FramePtr f;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      demand(history);
      if (history < 0 || static_cast<size_t>(history) >= historySize_) return Frame();
      f = history_[(newest_ + kHistory - static_cast<size_t>(history)) % kHistory];
    }
    return makeFrame(f);
  }

  FramePtr latest() {
    std::lock_guard<std::mutex> lock(mutex_);
    demand(0);
    return historySize_ == 0 ? FramePtr() : history_[newest_];
  }

  bool connected() {
    std::lock_guard<std::mutex> lock(mutex_);
    return connected_;
  }
  bool serviceConnected() {
    std::lock_guard<std::mutex> lock(mutex_);
    return serviceConnected_;
  }
  bool focus() {
    std::lock_guard<std::mutex> lock(mutex_);
    return focus_ && !stopping_;
  }
  int64_t now() const {
    auto us = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - epoch_).count();
    return kTimeBase + static_cast<int64_t>(us);
  }

  std::atomic<int> policy{0};
  std::atomic<unsigned> gestures{0};
  const uint64_t seed_;
  const double fps_;
  std::shared_ptr<ConfigStore> config_;
  std::shared_ptr<BugReportState> bug_;

 private:
  // One round of callbacks: a listener and the events queued for it.
  struct Delivery {
    std::shared_ptr<ListenerEntry> entry;
    std::vector<Event> events;
  };

  static void safeCall(Listener& l, Event e, const Controller& c) {
    try {
      call(l, e, c);
    } catch (...) {
      // A listener's exception must not end the service thread.
    }
  }

  // Runs one callback unless the listener has been removed; the in-flight
  // count lets removeListener wait for it. No lock on the way unless a
  // remover is waiting.
  void invoke(ListenerEntry& e, Event ev, const Controller& c) {
    e.inflight.fetch_add(1);
    if (!e.removed.load() && (ev == evInit || !stopping_.load())) {
      t_inside.push_back(&e);
      safeCall(*e.listener, ev, c);
      t_inside.pop_back();
    }
    e.inflight.fetch_sub(1);
    if (e.removed.load()) {
      bool sendExit = false;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        if (e.exitPending && e.inflight.load() == 0) {
          e.exitPending = false;
          sendExit = true;
        }
        cv_.notify_all();
      }
      if (sendExit) safeCall(*e.listener, evExit, c);
    }
  }

  void queueAll(std::initializer_list<Event> events) {
    for (auto& e : listeners_)
      if (e->active) e->pending.insert(e->pending.end(), events.begin(), events.end());
  }

  bool anyActiveListener() const {
    return std::any_of(listeners_.begin(), listeners_.end(), [](const auto& e) { return e->active; });
  }

  // A poll in unthrottled mode asks for a frame newer than the ones it can
  // see, and for enough frames to reach `history` back; with no listener
  // the service makes frames only when asked. Called under the mutex.
  void demand(int history) {
    if (fps_ > 0) return;
    const size_t missing = history >= 0 && static_cast<size_t>(history) >= historySize_
                               ? std::min(static_cast<size_t>(history) + 1, kHistory) - historySize_
                               : 0;
    demandedIndex_ = std::max(demandedIndex_, producedIndex_ + static_cast<int64_t>(std::max<size_t>(missing, 1)));
    if (idle_) cv_.notify_all();
  }

  // Gathers, under the mutex, the listeners to call this round and the events
  // queued for them; a round without a frame calls only those with events.
  void collect(std::vector<Delivery>& round, size_t& count, bool withFrame) {
    count = 0;
    for (auto& e : listeners_) {
      if (!e->active || (!withFrame && e->pending.empty())) continue;
      if (round.size() == count) round.emplace_back();
      Delivery& d = round[count++];
      d.entry = e;
      d.events.clear();
      d.events.swap(e->pending);
    }
  }

  std::shared_ptr<FrameData> produce(int64_t index) {
    if (replaying_) {
      if (static_cast<size_t>(index) >= replay_.size()) return nullptr;
      return replay_[static_cast<size_t>(index)];
    }
    SimulationSettings s;
    s.seed = seed_;
    s.framePeriod = fps_ > 0 ? 1.0 / fps_ : 1.0 / 110.0;
    s.images = (policy.load() & Controller::POLICY_IMAGES) != 0;
    s.gestureMask = gestures.load();
    auto frame = simulateFrame(s, index);
    // Paced frames carry the time they are made, on the clock of now();
    // unthrottled ones run ahead of real time and keep their scene time, so
    // that a seed still repeats every frame byte for byte.
    if (fps_ > 0) {
      lastTimestamp_ = std::max(now(), lastTimestamp_ + 1);
      frame->timestamp = lastTimestamp_;
    }
    return frame;
  }

  void run() {
    const Controller& view = *view_;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      serviceConnected_ = connected_ = focus_ = true;
      queueAll({evServiceConnect, evConnect, evDeviceChange, evFocusGained});
    }
    const auto period = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(fps_ > 0 ? 1.0 / fps_ : 1.0 / 110.0));
    auto next = epoch_;
    FramePtr previous;
    std::vector<Delivery> round;
    size_t roundSize = 0;
    for (;;) {
      std::shared_ptr<FrameData> frame;
      FramePtr evicted;
      bool throttled, tick;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        throttled = fps_ > 0 || !connected_;
        if (throttled) {
          cv_.wait_until(lock, next, [&] { return stopping_ || pendingWork_; });
          tick = Clock::now() >= next;
        } else {
          // Unthrottled: frames as fast as listeners take them, or as polls ask.
          auto wanted = [&] { return producedIndex_ < demandedIndex_ || anyActiveListener(); };
          idle_ = true;
          cv_.wait(lock, [&] { return stopping_ || pendingWork_ || wanted(); });
          idle_ = false;
          tick = wanted();
        }
        if (stopping_) break;
        pendingWork_ = false;
        if (tick) {
          frame = produce(producedIndex_);
          if (frame) {
            ++producedIndex_;
            frame->previous = previous;
            newest_ = (newest_ + 1) % kHistory;
            evicted = std::move(history_[newest_]);  // released after the lock
            history_[newest_] = frame;
            historySize_ = std::min(historySize_ + 1, kHistory);
          } else if (connected_) {
            // The recording has ended: the device goes away.
            connected_ = false;
            queueAll({evDisconnect, evDeviceChange});
          }
        }
        collect(round, roundSize, frame != nullptr);
      }
      evicted.reset();
      if (frame) {
        previous = frame;
        if (bug_->active.load()) {
          unsigned int length = 0;
          const char* bytes = makeFrame(frame).serializeCString(length);
          bug_->record(*frame, std::string(bytes, length));
        }
      }
      const bool images = frame && frame->hasImages();
      for (size_t i = 0; i < roundSize; ++i) {
        ListenerEntry& e = *round[i].entry;
        for (Event ev : round[i].events) invoke(e, ev, view);
        if (frame) invoke(e, evFrame, view);
        if (images) invoke(e, evImages, view);
        round[i].entry.reset();
      }
      if (throttled && tick) {
        next += period;
        auto current = Clock::now();
        if (current > next + period * 25) next = current;  // fell far behind: do not burst
      }
    }
    std::lock_guard<std::mutex> lock(mutex_);
    if (deleteViewOnExit_) {
      delete view_;
      view_ = nullptr;
    }
  }

  std::mutex mutex_;
  std::condition_variable cv_;
  std::atomic<bool> stopping_{false};  // written under the mutex
  bool pendingWork_ = false, deleteViewOnExit_ = false;
  bool connected_ = false, serviceConnected_ = false, focus_ = false;
  bool idle_ = false;  // the unthrottled service waits for a listener or a poll
  int64_t producedIndex_ = 0;  // index of the next frame to make
  int64_t demandedIndex_ = 1;  // polls want frames up to (not including) this index
  int64_t lastTimestamp_ = 0;
  std::vector<std::shared_ptr<ListenerEntry>> listeners_;
  // The history: a ring of the newest kHistory frames.
  FramePtr history_[kHistory];
  size_t newest_ = kHistory - 1, historySize_ = 0;
  bool replaying_ = false;
  std::vector<std::shared_ptr<FrameData>> replay_;
  Controller* view_ = nullptr;  // the controller handed to callbacks
  Clock::time_point epoch_;
  std::thread thread_;
};

ControllerState::~ControllerState() {
  if (owning && service) service->shutdown();
}

// ---------------------------------------------------------------------------
// Controller

namespace {
Service* serviceOf(const Interface& h) {
  const ControllerState* s = LA::get<ControllerState>(h);
  return s ? s->service.get() : nullptr;
}
}  // namespace

Controller::Controller() : Interface(nullptr) {
  auto service = std::make_shared<Service>();
  service->start();
  LA::reset(*this, new LA::Box<ControllerState>(ControllerState(service, true)));
}
Controller::Controller(Listener& listener) : Controller() { addListener(listener); }
Controller::Controller(Implementation* reference) : Interface(reference) {}
Controller::~Controller() {}

bool Controller::isConnected() const {
  Service* s = serviceOf(*this);
  return s && s->connected();
}
bool Controller::isServiceConnected() const {
  Service* s = serviceOf(*this);
  return s && s->serviceConnected();
}
bool Controller::hasFocus() const {
  Service* s = serviceOf(*this);
  return s && s->focus();
}
Controller::PolicyFlag Controller::policyFlags() const {
  Service* s = serviceOf(*this);
  return static_cast<PolicyFlag>(s ? s->policy.load() : 0);
}
void Controller::setPolicyFlags(PolicyFlag flags) const {
  if (Service* s = serviceOf(*this)) s->policy.store(static_cast<int>(flags));
}
void Controller::setPolicy(PolicyFlag policy) const {
  if (Service* s = serviceOf(*this)) s->policy.fetch_or(static_cast<int>(policy));
}
void Controller::clearPolicy(PolicyFlag policy) const {
  if (Service* s = serviceOf(*this)) s->policy.fetch_and(~static_cast<int>(policy));
}
bool Controller::isPolicySet(PolicyFlag policy) const {
  Service* s = serviceOf(*this);
  if (!s) return false;
  int p = static_cast<int>(policy);
  return p == 0 ? s->policy.load() == 0 : (s->policy.load() & p) == p;
}
bool Controller::addListener(Listener& listener) {
  Service* s = serviceOf(*this);
  return s && s->addListener(listener, *this);
}
bool Controller::removeListener(Listener& listener) {
  Service* s = serviceOf(*this);
  return s && s->removeListener(listener, *this);
}
Frame Controller::frame(int history) const {
  Service* s = serviceOf(*this);
  return s ? s->frame(history) : Frame();
}
ImageList Controller::images() const {
  Service* s = serviceOf(*this);
  FramePtr f = s ? s->latest() : FramePtr();
  return f ? makeImageList(f->scene().images) : ImageList();
}
Config Controller::config() const {
  Service* s = serviceOf(*this);
  return s ? makeConfig(s->config_) : Config();
}
DeviceList Controller::devices() const {
  Service* s = serviceOf(*this);
  if (!s || !s->connected()) return DeviceList();
  return makeDeviceList({simulatedDevice(s->seed_, true)});
}
ScreenList Controller::locatedScreens() const {
  Service* s = serviceOf(*this);
  return s ? makeScreenList({simulatedScreen()}) : ScreenList();
}
TrackedQuad Controller::trackedQuad() const {
  Service* s = serviceOf(*this);
  FramePtr f = s ? s->latest() : FramePtr();
  return f ? makeFrame(f).trackedQuad() : TrackedQuad();
}
BugReport Controller::bugReport() const {
  Service* s = serviceOf(*this);
  return s ? LA::make<BugReport>(s->bug_) : BugReport();
}
void Controller::enableGesture(Gesture::Type type, bool enable) const {
  Service* s = serviceOf(*this);
  int t = static_cast<int>(type);
  if (!s || t < 0 || t > 31) return;
  if (enable)
    s->gestures.fetch_or(1u << t);
  else
    s->gestures.fetch_and(~(1u << t));
}
bool Controller::isGestureEnabled(Gesture::Type type) const {
  Service* s = serviceOf(*this);
  int t = static_cast<int>(type);
  return s && t >= 0 && t <= 31 && (s->gestures.load() & (1u << t)) != 0;
}
int64_t Controller::now() const {
  Service* s = serviceOf(*this);
  return s ? s->now() : 0;
}

// ---------------------------------------------------------------------------
// BugReport

namespace {
BugReportState* bugState(const Interface& h) {
  const auto* p = LA::get<std::shared_ptr<BugReportState>>(h);
  return p ? p->get() : nullptr;
}
}  // namespace

BugReport::BugReport() : Interface(nullptr) {}
BugReport::BugReport(Implementation* reference) : Interface(reference) {}
bool BugReport::beginRecording() {
  BugReportState* b = bugState(*this);
  return b && b->begin();
}
void BugReport::endRecording() {
  if (BugReportState* b = bugState(*this)) {
    std::lock_guard<std::mutex> lock(b->mutex);
    b->close();
  }
}
bool BugReport::isActive() const {
  BugReportState* b = bugState(*this);
  if (!b) return false;
  std::lock_guard<std::mutex> lock(b->mutex);
  return b->active;
}
float BugReport::progress() const {
  BugReportState* b = bugState(*this);
  if (!b) return 0.0f;
  std::lock_guard<std::mutex> lock(b->mutex);
  return static_cast<float>(b->target > 0 ? std::min(1.0, b->recorded / b->target) : 0.0);
}
float BugReport::duration() const {
  BugReportState* b = bugState(*this);
  if (!b) return 0.0f;
  std::lock_guard<std::mutex> lock(b->mutex);
  return static_cast<float>(b->recorded);
}

}  // namespace Quon
