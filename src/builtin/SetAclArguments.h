#pragma once
// What a SetACL command line of the registry grant asks for.
#include <optional>
#include <string>
#include <vector>

namespace mapsetdesk::builtin {

struct SetAclRequest {
  std::string keyPath;  // below HKEY_LOCAL_MACHINE, e.g. "SOFTWARE\Garmin"
  std::string user;
};

// From "-on HKLM\KEY -ot reg -actn setowner -ownr n:USER" or
// "-on HKLM\KEY -ot reg -actn ace -ace n:USER;p:full"; nullopt for anything else.
std::optional<SetAclRequest> parseSetAclArguments(const std::vector<std::string>& arguments);

}  // namespace mapsetdesk::builtin
