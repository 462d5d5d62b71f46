#pragma once
// The built-in tools the seam can run in place of the outside programs.
#include <functional>
#include <string>
#include <vector>

#include "builtin/ToolReport.h"

namespace mapsetdesk::builtin {

struct BuiltinOperations {
  // gmt.exe's work for the arguments after the program.
  std::function<bool(const std::vector<std::string>&, ToolReport&)> gmt;
  // cgpsmapper's work: the overview source becomes the overview map.
  std::function<bool(const std::string& source, ToolReport&)> compile;
  // SetACL's work: owner and full control of a key below HKEY_LOCAL_MACHINE.
  std::function<bool(const std::string& keyPath, const std::string& user)> registryRights;

  static BuiltinOperations standard();
};

}  // namespace mapsetdesk::builtin
