#pragma once
// The registry as the Windows A functions see it. Key paths and value names
// are Windows-1252 bytes, data exact bytes; text data (REG_SZ, REG_EXPAND_SZ,
// REG_MULTI_SZ) in the registry's own text form (storedText). The operations
// every other layer uses (RegistryOps.h) convert to and from the program's
// UTF-8 text.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mapsetdesk {

enum class Root { LocalMachine, CurrentUser };

// Value types as Windows numbers them.
enum : std::uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegMultiSz = 7,
};

struct RegValue {
  std::string name;  // as first written; compared without case
  std::uint32_t type = kRegNone;
  std::string data;  // exact bytes, no terminator added or removed
  bool operator==(const RegValue&) const = default;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // Text data as the root of this registry takes and gives them, from the
  // program's UTF-8 and back: Windows-1252 bytes, where a character outside
  // it becomes "?", unless the registry keeps Unicode text as Windows does.
  virtual std::string storedText(Root root, std::string_view utf8) const;
  virtual std::string programText(Root root, std::string_view stored) const;

  // False when the root's store itself cannot be read (a damaged hive file),
  // so that every key of it reads as missing.
  virtual bool storeReadable(Root) { return true; }
  // Runs changes, the calls they make to this registry's root, as one change:
  // where the store can, all of them take effect or, when changes returns
  // false or the store refuses, none. The Windows registry takes each call
  // on its own.
  virtual bool changeAtOnce(Root, const std::function<bool()>& changes) { return changes(); }
  // Opens with full access; false when the key is missing or access is denied.
  virtual bool canOpen(Root root, const std::string& path) = 0;
  // Whether the key is there, also when access to it is denied.
  virtual bool keyExists(Root root, const std::string& path) = 0;
  virtual std::optional<RegValue> queryValue(Root root, const std::string& path,
                                             const std::string& name) = 0;
  // Create semantics: every missing key of the path is created first.
  virtual bool createKey(Root root, const std::string& path) = 0;
  // Create semantics as createKey.
  virtual bool setValue(Root root, const std::string& path, const RegValue& value) = 0;
  virtual bool deleteValue(Root root, const std::string& path, const std::string& name) = 0;
  // Refused for a key that still has subkeys.
  virtual bool deleteKey(Root root, const std::string& path) = 0;
  // Direct subkeys in the registry's index order; empty when the key cannot
  // be opened with full access.
  virtual std::vector<std::string> subkeyNames(Root root, const std::string& path) = 0;
  // Every value of the key, in the registry's index order.
  virtual std::vector<RegValue> values(Root root, const std::string& path) = 0;
};

// The value as the A functions store it. Windows adds the terminating NUL to a
// text whose given length leaves it out when the byte after the data is NUL,
// which it always is for a string handed over, so "abc" written with length 3
// is kept as "abc\0". The file store follows, so both read and export alike.
RegValue asStoredByWindows(RegValue value);

bool isTextType(std::uint32_t type);  // REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ

const char* rootName(Root root);  // "HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER"
// Accepts the long names and HKLM / HKCU, without regard to case.
std::optional<Root> rootFromName(const std::string& name);

}  // namespace mapsetdesk
