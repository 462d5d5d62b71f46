#pragma once
// Whether the registration can be read at all. A registry whose store
// cannot be read, or a key that is there but cannot be opened (a user
// without full access to the machine's keys), lists no mapset, which must
// not pass for an installation without one.
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace mapsetdesk {

// A key path as the catalogue keeps it (a family key ends with a backslash)
// in the form the registry takes.
std::string withoutTrailingBackslash(std::string key);

// What cannot be read below the registry base: the root's name when its
// store cannot be read, else each root key (Families, FamiliesNT, Products)
// and each key directly below one that exists but cannot be opened with full
// access. Empty when everything can be read.
std::vector<std::string> unreadableRegistration(Registry& registry, const std::string& base);

}  // namespace mapsetdesk
