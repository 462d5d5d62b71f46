#pragma once
// Windows registry files (.reg), the form in which the file-backed registry
// keeps its hives and in which keys are imported and exported.
//
// Written: "REGEDIT4", CR LF line ends, Windows-1252 text, every key as a
// [HKEY_...\path] section with its values. A value is written "name"="text"
// only where that means exactly the stored bytes: a REG_SZ of printable text
// ending in its one NUL. Everything else is hex with the exact bytes, so a
// REG_SZ stored without NUL (as this system stores text) stays so, with the
// text in a comment line above it for a person reading the file.
//
// Read: "REGEDIT4" or "Windows Registry Editor Version 5.00"; Windows-1252
// text, or UTF-8 or UTF-16LE with a byte-order mark. Text of a version 5 file
// (quoted strings and hex(1), hex(2), hex(7) data) is Unicode and arrives as
// the A functions show it, in Windows-1252 with "?" for what it cannot hold.
// [-KEY] deletes a key with everything below it, "name"=- a value, @ is the
// default value, a hex line ending in a backslash continues on the next.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"
#include "platform/RegistryTree.h"

namespace mapsetdesk {

struct RegOperation {
  enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };
  Kind kind = Kind::CreateKey;
  Root root = Root::CurrentUser;
  std::string path;  // Windows-1252, names joined by single backslashes; "" is the root
  RegValue value;    // SetValue: the value; DeleteValue: its name
};

struct RegFileContent {
  std::vector<RegOperation> operations;  // empty when the file has an error
  std::size_t errorLine = 0;             // 1-based; 0 when the file is sound
  std::string error;
};

RegFileContent parseRegFile(std::string_view bytes);

// The key at path with everything below it; nullopt when it is missing. The
// root key gets a section of its own only when it holds values.
std::optional<std::string> formatRegFile(const RegistryTree& tree, Root root,
                                         std::string_view path = {});

// Applies the operations to the hive of root in file order; false, and the
// tree untouched, when one of them names the other root.
bool applyRegFile(const std::vector<RegOperation>& operations, Root root, RegistryTree& tree);

}  // namespace mapsetdesk
