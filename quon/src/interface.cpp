// Handle base: reference counting, live counts, C strings, listener defaults
// and the static invalid instances.
#include <cstring>

#include "internal.h"

namespace Quon {

std::atomic<long long> g_liveHandles{0};
std::atomic<long long> g_liveObjects{0};

Interface::Interface(Implementation* reference) : m_object(reference) {
  g_liveHandles.fetch_add(1, std::memory_order_relaxed);
}

Interface::Interface(const Interface& other) : m_object(other.m_object) {
  if (m_object) m_object->references.fetch_add(1, std::memory_order_relaxed);
  g_liveHandles.fetch_add(1, std::memory_order_relaxed);
}

Interface& Interface::operator=(const Interface& other) {
  if (other.m_object) other.m_object->references.fetch_add(1, std::memory_order_relaxed);
  LibraryAccess::release(m_object);
  m_object = other.m_object;
  return *this;
}

Interface::~Interface() {
  LibraryAccess::release(m_object);
  g_liveHandles.fetch_sub(1, std::memory_order_relaxed);
}

void Interface::deleteCString(const char* cstr) { delete[] cstr; }

const char* newCString(const std::string& s) {
  char* out = new char[s.size() + 1];
  std::memcpy(out, s.c_str(), s.size() + 1);
  return out;
}

Listener::Listener() {}
Listener::~Listener() {}
void Listener::onInit(const Controller&) {}
void Listener::onConnect(const Controller&) {}
void Listener::onDisconnect(const Controller&) {}
void Listener::onExit(const Controller&) {}
void Listener::onFrame(const Controller&) {}
void Listener::onFocusGained(const Controller&) {}
void Listener::onFocusLost(const Controller&) {}
void Listener::onServiceConnect(const Controller&) {}
void Listener::onServiceDisconnect(const Controller&) {}
void Listener::onDeviceChange(const Controller&) {}
void Listener::onImages(const Controller&) {}

// The invalid instances are made once and never freed.
#define QUON_INVALID(Class)                      \
  const Class& Class::invalid() {                \
    static const Class* instance = new Class();  \
    return *instance;                            \
  }
QUON_INVALID(Pointable)
QUON_INVALID(Arm)
QUON_INVALID(Bone)
QUON_INVALID(Finger)
QUON_INVALID(Tool)
QUON_INVALID(Hand)
QUON_INVALID(Gesture)
QUON_INVALID(Screen)
QUON_INVALID(Device)
QUON_INVALID(Image)
QUON_INVALID(Mask)
QUON_INVALID(TrackedQuad)
QUON_INVALID(InteractionBox)
QUON_INVALID(Frame)
#undef QUON_INVALID

namespace {
// Creating the invalid instances at load time keeps the live counts steady:
// they are in every count from the first one a client can read.
struct InvalidInstances {
  InvalidInstances() {
    Pointable::invalid();
    Arm::invalid();
    Bone::invalid();
    Finger::invalid();
    Tool::invalid();
    Hand::invalid();
    Gesture::invalid();
    Screen::invalid();
    Device::invalid();
    Image::invalid();
    Mask::invalid();
    TrackedQuad::invalid();
    InteractionBox::invalid();
    Frame::invalid();
  }
} g_invalidInstances;
}  // namespace

}  // namespace Quon

extern "C" long long quon_live_handles(void) {
  return Quon::g_liveHandles.load(std::memory_order_relaxed);
}
extern "C" long long quon_live_objects(void) {
  return Quon::g_liveObjects.load(std::memory_order_relaxed);
}
