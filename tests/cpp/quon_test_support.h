// Helpers shared by the libQuon suites.
#ifndef QUON_TEST_SUPPORT_H
#define QUON_TEST_SUPPORT_H

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "Quon.h"

namespace quontest {

inline void setEnv(const char* name, const std::string& value) {
#if defined(_WIN32)
  _putenv_s(name, value.c_str());
#else
  setenv(name, value.c_str(), 1);
#endif
}

// Waits for a condition with a generous bound: the bound only keeps a broken
// build from hanging; no assertion depends on how fast things happen.
inline bool waitFor(const std::function<bool()>& condition, int seconds = 30) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

inline std::string tempPath(const std::string& name) {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp") + "/" + name + "-" +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
}

inline bool near(const Quon::Vector& a, const Quon::Vector& b, float tolerance) {
  return a.distanceTo(b) <= tolerance;
}

}  // namespace quontest

#endif
