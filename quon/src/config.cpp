// Service configuration: typed values by key, persisted to a text file.
//
// File format, one value a line: "<type> <key> <value>", where type is b,
// i, f or s; keys and string values are percent-encoded; floats are written
// as their exact bit pattern.
#include "config.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace Quon {

namespace {

std::string encode(const std::string& s) {
  static const char hex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : s) {
    if (c > 0x20 && c < 0x7f && c != '%') {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back('%');
      out.push_back(hex[c >> 4]);
      out.push_back(hex[c & 15]);
    }
  }
  return out.empty() ? std::string("%") : out;  // a lone % is the empty string
}

bool decode(const std::string& s, std::string& out) {
  out.clear();
  if (s == "%") return true;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '%') {
      out.push_back(s[i]);
      continue;
    }
    if (i + 2 >= s.size()) return false;
    char* end = nullptr;
    std::string h = s.substr(i + 1, 2);
    long v = std::strtol(h.c_str(), &end, 16);
    if (h.size() != 2 || *end != 0) return false;
    out.push_back(static_cast<char>(v));
    i += 2;
  }
  return true;
}

}  // namespace

std::string defaultConfigPath() {
  if (const char* p = std::getenv("QUON_CONFIG"); p && *p) return p;
#if defined(_WIN32)
  if (const char* appdata = std::getenv("APPDATA"); appdata && *appdata)
    return std::string(appdata) + "\\Quon\\config.cfg";
#else
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
    return std::string(xdg) + "/quon/config.cfg";
  if (const char* home = std::getenv("HOME"); home && *home)
    return std::string(home) + "/.config/quon/config.cfg";
#endif
  return "quon-config.cfg";
}

ConfigStore::ConfigStore(std::string path) : path_(std::move(path)) {
  auto b = [](bool v) { ConfigValue c; c.type = Config::TYPE_BOOLEAN; c.b = v; return c; };
  auto i = [](int32_t v) { ConfigValue c; c.type = Config::TYPE_INT32; c.i = v; return c; };
  auto f = [](float v) { ConfigValue c; c.type = Config::TYPE_FLOAT; c.f = v; return c; };
  auto s = [](const char* v) { ConfigValue c; c.type = Config::TYPE_STRING; c.s = v; return c; };
  values_["tracking_processing_auto_flip"] = b(true);
  values_["tracking_tool_enabled"] = b(true);
  values_["power_saving_adapter"] = b(false);
  values_["robust_mode_enabled"] = b(false);
  values_["interaction_box_auto"] = b(true);
  values_["background_app_mode"] = i(0);
  values_["images_mode"] = i(0);
  values_["Gesture.Circle.MinRadius"] = f(5.0f);
  values_["Gesture.Circle.MinArc"] = f(4.712389f);
  values_["Gesture.Swipe.MinLength"] = f(150.0f);
  values_["Gesture.Swipe.MinVelocity"] = f(1000.0f);
  values_["Gesture.KeyTap.MinDownVelocity"] = f(50.0f);
  values_["Gesture.KeyTap.HistorySeconds"] = f(0.1f);
  values_["Gesture.KeyTap.MinDistance"] = f(3.0f);
  values_["Gesture.ScreenTap.MinForwardVelocity"] = f(50.0f);
  values_["Gesture.ScreenTap.HistorySeconds"] = f(0.1f);
  values_["Gesture.ScreenTap.MinDistance"] = f(5.0f);
  values_["bug_report_duration"] = f(10.0f);
  values_["device_name"] = s("Quon Simulated Device");
  values_["service_version"] = s("QuonSim 1.0");
  load();
}

namespace {
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{256} << 20;  // 256 MiB
}  // namespace

void ConfigStore::load() {
  // Only a regular file of sane size is read: a device, a pipe or a
  // directory named by QUON_CONFIG could be endless or block.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path_, error) ||
      std::filesystem::file_size(path_, error) > kMaxFileBytes || error)
    return;
  std::ifstream in(path_, std::ios::binary);
  if (!in) return;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string type, rawKey, rawValue, key, value;
    if (!(fields >> type >> rawKey >> rawValue) || !decode(rawKey, key)) continue;
    ConfigValue v;
    char* end = nullptr;
    if (type == "b" && (rawValue == "0" || rawValue == "1")) {
      v.type = Config::TYPE_BOOLEAN;
      v.b = rawValue == "1";
    } else if (type == "i") {
      long long n = std::strtoll(rawValue.c_str(), &end, 10);
      if (*end != 0 || n < INT32_MIN || n > INT32_MAX) continue;
      v.type = Config::TYPE_INT32;
      v.i = static_cast<int32_t>(n);
    } else if (type == "f") {
      unsigned long long bits = std::strtoull(rawValue.c_str(), &end, 16);
      if (*end != 0 || bits > 0xffffffffull) continue;
      uint32_t u = static_cast<uint32_t>(bits);
      v.type = Config::TYPE_FLOAT;
      std::memcpy(&v.f, &u, 4);
    } else if (type == "s" && decode(rawValue, value)) {
      v.type = Config::TYPE_STRING;
      v.s = value;
    } else {
      continue;
    }
    values_[key] = v;
  }
}

Config::ValueType ConfigStore::type(const char* key) const {
  if (!key) return Config::TYPE_UNKNOWN;
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = values_.find(key);
  return it == values_.end() ? Config::TYPE_UNKNOWN : it->second.type;
}

bool ConfigStore::get(const char* key, Config::ValueType type, ConfigValue& out) const {
  if (!key) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = values_.find(key);
  if (it == values_.end() || it->second.type != type) return false;
  out = it->second;
  return true;
}

bool ConfigStore::set(const char* key, const ConfigValue& value) {
  if (!key) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = values_.find(key);
  if (it != values_.end() && it->second.type != value.type) return false;
  values_[key] = value;
  return true;
}

bool ConfigStore::save() const {
  std::string text;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& [key, v] : values_) {
      char buf[32];
      switch (v.type) {
        case Config::TYPE_BOOLEAN: text += "b " + encode(key) + (v.b ? " 1\n" : " 0\n"); break;
        case Config::TYPE_INT32: text += "i " + encode(key) + " " + std::to_string(v.i) + "\n"; break;
        case Config::TYPE_FLOAT: {
          uint32_t u;
          std::memcpy(&u, &v.f, 4);
          std::snprintf(buf, sizeof buf, "%08x", static_cast<unsigned>(u));
          text += "f " + encode(key) + " " + buf + "\n";
          break;
        }
        case Config::TYPE_STRING: text += "s " + encode(key) + " " + encode(v.s) + "\n"; break;
        default: break;
      }
    }
  }
  std::error_code ec;
  std::filesystem::path target(path_);
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
  // Write a sibling file first, then move it over the old one, so a reader
  // never sees half a file.
  std::filesystem::path temp = target;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << text;
    if (!out.flush()) return false;
  }
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    std::filesystem::remove(target, ec);
    ec.clear();
    std::filesystem::rename(temp, target, ec);
  }
  return !ec;
}

// ---------------------------------------------------------------------------
// Config handle

namespace {
using LA = LibraryAccess;
ConfigStore* store(const Interface& h) {
  const auto* p = LA::get<std::shared_ptr<ConfigStore>>(h);
  return p ? p->get() : nullptr;
}
}  // namespace

Config makeConfig(const std::shared_ptr<ConfigStore>& s) { return LA::make<Config>(s); }

Config::Config() : Interface(nullptr) {}
Config::Config(Implementation* reference) : Interface(reference) {}
Config::ValueType Config::typeCString(const char* key) const {
  ConfigStore* s = store(*this);
  return s ? s->type(key) : TYPE_UNKNOWN;
}
bool Config::getBoolCString(const char* key) const {
  ConfigValue v;
  ConfigStore* s = store(*this);
  return s && s->get(key, TYPE_BOOLEAN, v) && v.b;
}
bool Config::setBoolCString(const char* key, bool value) {
  ConfigStore* s = store(*this);
  ConfigValue v;
  v.type = TYPE_BOOLEAN;
  v.b = value;
  return s && s->set(key, v);
}
int32_t Config::getInt32CString(const char* key) const {
  ConfigValue v;
  ConfigStore* s = store(*this);
  return s && s->get(key, TYPE_INT32, v) ? v.i : 0;
}
bool Config::setInt32CString(const char* key, int32_t value) {
  ConfigStore* s = store(*this);
  ConfigValue v;
  v.type = TYPE_INT32;
  v.i = value;
  return s && s->set(key, v);
}
float Config::getFloatCString(const char* key) const {
  ConfigValue v;
  ConfigStore* s = store(*this);
  return s && s->get(key, TYPE_FLOAT, v) ? v.f : 0.0f;
}
bool Config::setFloatCString(const char* key, float value) {
  ConfigStore* s = store(*this);
  ConfigValue v;
  v.type = TYPE_FLOAT;
  v.f = value;
  return s && s->set(key, v);
}
const char* Config::getStringCString(const char* key) const {
  ConfigValue v;
  ConfigStore* s = store(*this);
  return newCString(s && s->get(key, TYPE_STRING, v) ? v.s : std::string());
}
bool Config::setStringCString(const char* key, const char* value) {
  ConfigStore* s = store(*this);
  if (!s || !value) return false;
  ConfigValue v;
  v.type = TYPE_STRING;
  v.s = value;
  return s->set(key, v);
}
bool Config::save() {
  ConfigStore* s = store(*this);
  return s && s->save();
}

}  // namespace Quon
