#pragma once
// .reg files to and from any registry, through its primitive calls only, so
// import and export work on the Windows registry as on the file-backed one.
#include <optional>
#include <string>
#include <vector>

#include "platform/RegFile.h"
#include "platform/Registry.h"

namespace mapsetdesk {

// The key at path (Windows-1252) with everything below it as REGEDIT4 text,
// its names spelled as the registry keeps them; nullopt when the key cannot be
// opened.
std::optional<std::string> exportRegistryKey(Registry& registry, Root root,
                                             const std::string& path);

// Carries out the operations in file order; a value or key to delete that is
// missing is no error. nullopt when all succeeded, else the full name of the
// key whose change was refused, or of the root whose store refused. Where
// the registry's store can (changeAtOnce), a refusal leaves it as it was;
// the Windows registry keeps what came before the refusal.
std::optional<std::string> importRegOperations(Registry& registry,
                                               const std::vector<RegOperation>& operations);

// Deletes the key with everything below it, deepest keys first; true when it
// is gone or was never there, false when it stays (access denied included).
bool deleteKeyTree(Registry& registry, Root root, const std::string& path);

}  // namespace mapsetdesk
