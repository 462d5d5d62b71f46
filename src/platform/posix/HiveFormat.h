#pragma once
// The bytes of a hive file of the file-backed registry. A hive is a REGEDIT4
// file with two comment lines of its own: the second line says that its text
// data are UTF-8, so that it keeps every character the Windows registry
// keeps (key and value names stay Windows-1252, as the A functions see
// them); the last line ends it, so that a file cut short, even at a line
// boundary, is told from a whole one. A hive written before these lines
// existed has neither: its text data are Windows-1252 and are read as such.
#include <optional>
#include <string>
#include <string_view>

#include "platform/Registry.h"
#include "platform/RegistryTree.h"

namespace mapsetdesk {

std::string hiveText(const RegistryTree& tree, Root root);

// nullopt when the bytes are no whole hive of root.
std::optional<RegistryTree> hiveTree(std::string_view bytes, Root root);

}  // namespace mapsetdesk
