#pragma once
// A TYP file that two families with different FIDs share can hold only one
// of them, so patching it flips it from one family to the other. The family
// gets a copy of its own instead, named from its FID as the FID change names
// it, and its TYP value points there; the shared file stays as it is.
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace mapsetdesk {

// The family's own copy of typ: named from fid as the FID change names it.
std::string ownTypCopyPath(const std::string& typ, std::uint16_t fid);

// familyKey: below HKEY_LOCAL_MACHINE. A copy of that name that is there
// already is used when it holds fid; one holding another FID is never
// overwritten. False when the TYP value does not read back: the change
// history the repair runs in takes the new copy away again.
bool giveOwnTypCopy(Registry& registry, const std::string& familyKey, const std::string& typ,
                    std::uint16_t fid);

}  // namespace mapsetdesk
