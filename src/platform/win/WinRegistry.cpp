#include "platform/win/WinRegistry.h"

#include <windows.h>

#include <algorithm>

#include "platform/Codec.h"
#include "platform/win/RegistryView.h"
#include "platform/win/WideText.h"

namespace mapsetdesk {
namespace {

// Key names are at most 255 characters; value names at most 16383.
constexpr DWORD kKeyNameBuffer = 256;
constexpr DWORD kValueNameBuffer = 16384;

HKEY rootKey(Root root) {
  return root == Root::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// Key paths and value names are Windows-1252 bytes, as an A call on a
// Windows-1252 system takes them.
std::wstring wideName(const std::string& ansi) { return wideText(fromAnsi(ansi)); }
std::string ansiName(std::wstring_view wide) { return toAnsi(utf8Text(wide)); }

// Text data cross as UTF-8 and are kept as UTF-16, as an A write keeps them;
// every other type as its exact bytes.
std::string storedData(const RegValue& value) {
  if (!isTextType(value.type)) return value.data;
  const std::wstring wide = wideText(asStoredByWindows(value).data);
  return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
}

std::string programData(DWORD type, const std::string& bytes) {
  if (!isTextType(type)) return bytes;
  // An odd last byte holds no character.
  std::wstring wide(bytes.size() / sizeof(wchar_t), L'\0');
  std::copy_n(bytes.data(), wide.size() * sizeof(wchar_t), reinterpret_cast<char*>(wide.data()));
  return utf8Text(wide);
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
    return status(root, path, access) == ERROR_SUCCESS;
  }
  LONG status(Root root, const std::string& path, REGSAM access) {
    return RegOpenKeyExW(rootKey(root), wideName(path).c_str(), 0,
                         access | registryViewOf(path), &handle_);
  }
  // As RegCreateKey: with the most access the user has.
  bool create(Root root, const std::string& path) {
    return RegCreateKeyExW(rootKey(root), wideName(path).c_str(), 0, nullptr, 0,
                           MAXIMUM_ALLOWED | registryViewOf(path), nullptr, &handle_,
                           nullptr) == ERROR_SUCCESS;
  }
  HKEY get() const { return handle_; }

 private:
  HKEY handle_ = nullptr;
};

BYTE* bytes(std::string& data) { return reinterpret_cast<BYTE*>(data.data()); }

}  // namespace

std::string WinRegistry::storedText(std::string_view utf8) const { return std::string(utf8); }

std::string WinRegistry::programText(std::string_view stored) const {
  return std::string(stored);
}

bool WinRegistry::canOpen(Root root, const std::string& path) {
  Key key;
  return key.open(root, path, KEY_ALL_ACCESS);
}

// A key the user may not even read is still there; only a missing one is not.
bool WinRegistry::keyExists(Root root, const std::string& path) {
  Key key;
  return key.status(root, path, KEY_READ) != ERROR_FILE_NOT_FOUND;
}

std::optional<RegValue> WinRegistry::queryValue(Root root, const std::string& path,
                                                const std::string& name) {
  Key key;
  if (!key.open(root, path, KEY_QUERY_VALUE)) return std::nullopt;
  const std::wstring wide = wideName(name);
  std::string data;
  DWORD type = 0;
  DWORD size = 0;
  LONG status = RegQueryValueExW(key.get(), wide.c_str(), nullptr, &type, nullptr, &size);
  // The value may grow between the two calls.
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    data.assign(std::max<std::size_t>(size, 2 * data.size()), '\0');
    size = static_cast<DWORD>(data.size());
    status = RegQueryValueExW(key.get(), wide.c_str(), nullptr, &type, bytes(data), &size);
    if (status == ERROR_SUCCESS) {
      data.resize(size);
      return RegValue{name, type, programData(type, data)};
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
  const std::string data = storedData(value);
  return RegSetValueExW(key.get(), wideName(value.name).c_str(), 0, value.type,
                        reinterpret_cast<const BYTE*>(data.data()),
                        static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool WinRegistry::deleteValue(Root root, const std::string& path, const std::string& name) {
  Key key;
  if (!key.open(root, path, KEY_SET_VALUE)) return false;
  return RegDeleteValueW(key.get(), wideName(name).c_str()) == ERROR_SUCCESS;
}

// RegDeleteKeyExW refuses a key that still has subkeys. An empty path would
// name the root itself, which is never deleted.
bool WinRegistry::deleteKey(Root root, const std::string& path) {
  if (path.empty()) return false;
  return RegDeleteKeyExW(rootKey(root), wideName(path).c_str(), registryViewOf(path), 0) ==
         ERROR_SUCCESS;
}

std::vector<std::string> WinRegistry::subkeyNames(Root root, const std::string& path) {
  std::vector<std::string> names;
  Key key;
  if (!key.open(root, path, KEY_ALL_ACCESS)) return names;
  wchar_t name[kKeyNameBuffer];
  for (DWORD index = 0; RegEnumKeyW(key.get(), index, name, kKeyNameBuffer) == ERROR_SUCCESS;
       ++index) {
    names.push_back(ansiName(name));
  }
  return names;
}

std::vector<RegValue> WinRegistry::values(Root root, const std::string& path) {
  std::vector<RegValue> found;
  Key key;
  if (!key.open(root, path, KEY_QUERY_VALUE)) return found;
  std::wstring name(kValueNameBuffer, L'\0');
  std::string data;
  for (DWORD index = 0;;) {
    DWORD nameSize = kValueNameBuffer;
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    const LONG status = RegEnumValueW(key.get(), index, name.data(), &nameSize, nullptr, &type,
                                      bytes(data), &size);
    if (status == ERROR_MORE_DATA) {
      // Grow the data buffer and ask for the same index again.
      data.assign(std::max<DWORD>(size, 2 * static_cast<DWORD>(data.size()) + 256), '\0');
      continue;
    }
    if (status != ERROR_SUCCESS) break;
    found.push_back(RegValue{ansiName(std::wstring_view(name).substr(0, nameSize)), type,
                             programData(type, data.substr(0, size))});
    ++index;
  }
  return found;
}

}  // namespace mapsetdesk
