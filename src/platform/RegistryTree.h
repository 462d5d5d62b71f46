#pragma once
// One registry hive in memory, kept as Windows keeps it: key and value names
// keep their first spelling but are compared without case, subkeys stand in
// the order Windows enumerates them (by upper-cased name), values in the order
// they were first written, and data are exact bytes. Paths, names and data are
// Windows-1252 bytes, as the A functions of the registry see them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace mapsetdesk {

// Longest key name the registry accepts.
inline constexpr std::size_t kRegKeyNameLimit = 255;

// Orders two names as the registry does: character by character on their
// upper-cased forms (accented letters included), a name before every longer
// name that begins with it. Negative, zero or positive.
int compareRegNames(std::string_view a, std::string_view b);
inline bool sameRegName(std::string_view a, std::string_view b) {
  return compareRegNames(a, b) == 0;
}

// The key names of a path as RegOpenKeyExA and RegCreateKeyA read it: the
// text up to its first NUL, split at backslashes, empty names (a trailing or
// doubled backslash) skipped. nullopt when the registry refuses the path: it
// begins with a backslash, or a name is too long or holds a line break (which
// no .reg file can carry).
std::optional<std::vector<std::string_view>> splitKeyPath(std::string_view path);

// What a change did: refused (the registry call would fail), nothing to do,
// or the hive changed.
enum class TreeEdit { Refused, Unchanged, Changed };

class RegistryTree {
 public:
  struct Key {
    std::string name;
    std::vector<RegValue> values;  // first written first
    std::vector<Key> subkeys;      // in enumeration order

    const Key* subkey(std::string_view keyName) const;
    const RegValue* value(std::string_view valueName) const;
    bool operator==(const Key&) const = default;
  };

  const Key& root() const { return root_; }
  // The key named by the path; nullptr when it is missing or the path invalid.
  const Key* find(std::string_view path) const;
  // The path with every existing key spelled as stored; nullopt when missing.
  std::optional<std::string> storedPath(std::string_view path) const;

  std::optional<RegValue> queryValue(std::string_view path, std::string_view name) const;
  std::vector<std::string> subkeyNames(std::string_view path) const;
  std::vector<RegValue> values(std::string_view path) const;

  // Creates every missing key of the path.
  TreeEdit createKey(std::string_view path);
  // Creates the path as createKey does; an existing value keeps its name and
  // its place among the values.
  TreeEdit setValue(std::string_view path, const RegValue& value);
  TreeEdit deleteValue(std::string_view path, std::string_view name);
  // Refused for the root, a missing key and a key that still has subkeys.
  TreeEdit deleteKey(std::string_view path);
  // The key with everything below it; unchanged when it is missing.
  TreeEdit deleteTree(std::string_view path);

  bool operator==(const RegistryTree&) const = default;

 private:
  Key* findKey(const std::vector<std::string_view>& names);
  Key* createPath(const std::vector<std::string_view>& names, bool& created);
  TreeEdit eraseKey(std::string_view path, bool withSubkeys);

  Key root_;
};

}  // namespace mapsetdesk
