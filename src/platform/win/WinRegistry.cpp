#include "platform/win/WinRegistry.h"

#include <windows.h>

#include <algorithm>

namespace mapsetdesk {
namespace {

// Key names are at most 255 characters; value names at most 16383.
constexpr DWORD kKeyNameBuffer = 256;
constexpr DWORD kValueNameBuffer = 16384;

HKEY rootKey(Root root) {
  return root == Root::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// An open key, closed when it goes out of scope.
class Key {
 public:
  Key() = default;
  ~Key() {
    if (handle_) RegCloseKey(handle_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;

  bool open(Root root, const std::string& path, REGSAM access) {
    return RegOpenKeyExA(rootKey(root), path.c_str(), 0, access, &handle_) == ERROR_SUCCESS;
  }
  bool create(Root root, const std::string& path) {
    return RegCreateKeyA(rootKey(root), path.c_str(), &handle_) == ERROR_SUCCESS;
  }
  HKEY get() const { return handle_; }

 private:
  HKEY handle_ = nullptr;
};

BYTE* bytes(std::string& data) { return reinterpret_cast<BYTE*>(data.data()); }

}  // namespace

bool WinRegistry::canOpen(Root root, const std::string& path) {
  Key key;
  return key.open(root, path, KEY_ALL_ACCESS);
}

// A key the user may not even read is still there; only a missing one is not.
bool WinRegistry::keyExists(Root root, const std::string& path) {
  HKEY handle = nullptr;
  const LONG status = RegOpenKeyExA(rootKey(root), path.c_str(), 0, KEY_READ, &handle);
  if (status == ERROR_SUCCESS) RegCloseKey(handle);
  return status != ERROR_FILE_NOT_FOUND;
}

std::optional<RegValue> WinRegistry::queryValue(Root root, const std::string& path,
                                                const std::string& name) {
  Key key;
  if (!key.open(root, path, KEY_QUERY_VALUE)) return std::nullopt;
  RegValue value{name, kRegNone, {}};
  DWORD type = 0;
  DWORD size = 0;
  LONG status = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size);
  // The size asked for first may be more than the bytes delivered (text is
  // kept as UTF-16 inside), and the value may grow between the two calls.
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    value.data.assign(std::max<std::size_t>(size, 2 * value.data.size()), '\0');
    size = static_cast<DWORD>(value.data.size());
    status = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, bytes(value.data), &size);
    if (status == ERROR_SUCCESS) {
      value.data.resize(size);
      value.type = type;
      return value;
    }
  }
  return std::nullopt;
}

bool WinRegistry::createKey(Root root, const std::string& path) {
  Key key;
  return key.create(root, path);
}

bool WinRegistry::setValue(Root root, const std::string& path, const RegValue& value) {
  Key key;
  if (!key.create(root, path)) return false;
  return RegSetValueExA(key.get(), value.name.c_str(), 0, value.type,
                        reinterpret_cast<const BYTE*>(value.data.data()),
                        static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

bool WinRegistry::deleteValue(Root root, const std::string& path, const std::string& name) {
  Key key;
  if (!key.open(root, path, KEY_SET_VALUE)) return false;
  return RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS;
}

// RegDeleteKeyA refuses a key that still has subkeys. An empty path would
// name the root itself, which is never deleted.
bool WinRegistry::deleteKey(Root root, const std::string& path) {
  if (path.empty()) return false;
  return RegDeleteKeyA(rootKey(root), path.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> WinRegistry::subkeyNames(Root root, const std::string& path) {
  std::vector<std::string> names;
  Key key;
  if (!key.open(root, path, KEY_ALL_ACCESS)) return names;
  char name[kKeyNameBuffer];
  for (DWORD index = 0; RegEnumKeyA(key.get(), index, name, kKeyNameBuffer) == ERROR_SUCCESS;
       ++index) {
    names.emplace_back(name);
  }
  return names;
}

std::vector<RegValue> WinRegistry::values(Root root, const std::string& path) {
  std::vector<RegValue> found;
  Key key;
  if (!key.open(root, path, KEY_QUERY_VALUE)) return found;
  std::string name(kValueNameBuffer, '\0');
  std::string data;
  for (DWORD index = 0;;) {
    DWORD nameSize = kValueNameBuffer;
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    const LONG status = RegEnumValueA(key.get(), index, name.data(), &nameSize, nullptr, &type,
                                      bytes(data), &size);
    if (status == ERROR_MORE_DATA) {
      // Grow the data buffer and ask for the same index again.
      data.assign(std::max<DWORD>(size, 2 * static_cast<DWORD>(data.size()) + 256), '\0');
      continue;
    }
    if (status != ERROR_SUCCESS) break;
    found.push_back(RegValue{name.substr(0, nameSize), type, data.substr(0, size)});
    ++index;
  }
  return found;
}

}  // namespace mapsetdesk
