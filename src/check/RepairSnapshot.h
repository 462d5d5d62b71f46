#pragma once
// What a repair is about to change, as it is before: files and registry
// values. A repair that fails half-way puts every one of them back, so a
// failed repair leaves the mapset as the check found it.
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace mapsetdesk {

class RepairSnapshot {
 public:
  // A file that is missing now is removed again by putBack.
  void keepFile(const std::string& path);
  // A value of a key below HKEY_LOCAL_MACHINE (UTF-8 path and name).
  void keepValue(Registry& registry, const std::string& key, const std::string& name);
  // True when every file and value is as it was.
  bool putBack(Registry& registry) const;

 private:
  struct KeptFile {
    std::string path;
    std::optional<std::string> bytes;
  };
  struct KeptValue {
    std::string key;
    std::string name;
    std::optional<RegValue> value;
  };
  std::vector<KeptFile> files_;
  std::vector<KeptValue> values_;
};

}  // namespace mapsetdesk
