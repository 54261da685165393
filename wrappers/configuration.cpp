// Quon::BugReport and Quon::Config: bug-report recording, and typed access
// to the service's configuration by key (a str, copied for the call).
#include "../runtime/blocks.h"
#include "Quon.h"
#include "library_string.h"

namespace quon::blocks {
namespace {

using namespace tk;
using Quon::BugReport;
using Quon::Config;
using Key = const std::string&;

Config::ValueType type(const Config* c, Key key) { return c->typeCString(key.c_str()); }
bool get_bool(const Config* c, Key key) { return c->getBoolCString(key.c_str()); }
bool set_bool(Config* c, Key key, bool value) { return c->setBoolCString(key.c_str(), value); }
int get_int32(const Config* c, Key key) { return c->getInt32CString(key.c_str()); }
bool set_int32(Config* c, Key key, int value) { return c->setInt32CString(key.c_str(), value); }
float get_float(const Config* c, Key key) { return c->getFloatCString(key.c_str()); }
bool set_float(Config* c, Key key, float value) { return c->setFloatCString(key.c_str(), value); }
bool set_string(Config* c, Key key, const std::string& value) {
  return c->setStringCString(key.c_str(), value.c_str());
}
std::string get_string(const Config* c, Key key) {
  return take_library_string(c->getStringCString(key.c_str()));
}

}  // namespace

Block bug_report() {
  return {
      ctor<"new_BugReport", BugReport>,
      fn<"BugReport_begin_recording", &BugReport::beginRecording, SelfMut<BugReport>>,
      fn<"BugReport_end_recording", &BugReport::endRecording, SelfMut<BugReport>>,
      getter<"BugReport_is_active_get", &BugReport::isActive>,
      getter<"BugReport_progress_get", &BugReport::progress>,
      getter<"BugReport_duration_get", &BugReport::duration>,
      dtor<"delete_BugReport", BugReport>,
      registration<"BugReport_swigregister", BugReport>,
  };
}

Block config() {
  return {
      ctor<"new_Config", Config>,
      fn<"Config_type", &type, Self<Config>, String>,
      fn<"Config_get_bool", &get_bool, Self<Config>, String>,
      fn<"Config_set_bool", &set_bool, SelfMut<Config>, String, Bool>,
      fn<"Config_get_int_32", &get_int32, Self<Config>, String>,
      fn<"Config_set_int_32", &set_int32, SelfMut<Config>, String, Int<"int32_t">>,
      fn<"Config_get_float", &get_float, Self<Config>, String>,
      fn<"Config_set_float", &set_float, SelfMut<Config>, String, Float>,
      fn<"Config_get_string", &get_string, Self<Config>, String>,
      fn<"Config_set_string", &set_string, SelfMut<Config>, String, String>,
      fn<"Config_save", &Config::save, SelfMut<Config>>,
      dtor<"delete_Config", Config>,
      registration<"Config_swigregister", Config>,
  };
}

}  // namespace quon::blocks
