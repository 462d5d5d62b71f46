#pragma once
// The password-database entry of the user who runs the program.
#include <optional>
#include <string>

namespace mapsetdesk {

struct PosixUser {
  std::string loginName;
  std::string homeFolder;
};

// nullopt when the real user id has no entry (as in some containers).
std::optional<PosixUser> currentUser();

}  // namespace mapsetdesk
