// The configuration store shared by a controller's Config handles.
#ifndef QUON_CONFIG_STORE_H
#define QUON_CONFIG_STORE_H

#include <map>
#include <mutex>
#include <string>

#include "internal.h"

namespace Quon {

struct ConfigValue {
  Config::ValueType type = Config::TYPE_UNKNOWN;
  bool b = false;
  int32_t i = 0;
  float f = 0.0f;
  std::string s;
};

class ConfigStore {
 public:
  // Defaults, then the values saved in the file at path.
  explicit ConfigStore(std::string path);
  Config::ValueType type(const char* key) const;
  // False for a missing key or one of another type.
  bool get(const char* key, Config::ValueType type, ConfigValue& out) const;
  // Refuses a value whose type differs from the key's; a new key takes it.
  bool set(const char* key, const ConfigValue& value);
  bool save() const;

 private:
  void load();
  std::string path_;
  mutable std::mutex mutex_;
  std::map<std::string, ConfigValue> values_;
};

// QUON_CONFIG, or a file in the user's configuration directory.
std::string defaultConfigPath();
Config makeConfig(const std::shared_ptr<ConfigStore>& store);

}  // namespace Quon

#endif  // QUON_CONFIG_STORE_H
