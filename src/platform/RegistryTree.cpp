#include "platform/RegistryTree.h"

#include <algorithm>
#include <array>

#include "platform/Codec.h"

namespace mapsetdesk {
namespace {

// Windows compares names as UTF-16 after upper-casing each character; every
// Windows-1252 byte is one UTF-16 unit, so one table covers them all. (Wine
// lower-cases instead, which puts "[", "_" and a few more before the letters.)
char32_t upperCase(char32_t cp) {
  if (cp >= 'a' && cp <= 'z') return cp - 0x20;
  if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 0x20;  // à..þ, not ÷
  switch (cp) {
    case 0xFF: return 0x178;   // ÿ Ÿ
    case 0x161: return 0x160;  // š Š
    case 0x153: return 0x152;  // œ Œ
    case 0x17E: return 0x17D;  // ž Ž
    default: return cp;
  }
}

const std::array<char32_t, 256>& foldTable() {
  static const std::array<char32_t, 256> table = [] {
    std::array<char32_t, 256> folded{};
    for (unsigned byte = 0; byte < folded.size(); ++byte)
      folded[byte] = upperCase(ansiCodePoint(static_cast<unsigned char>(byte)));
    return folded;
  }();
  return table;
}

// Where a subkey of that name stands or would be inserted.
template <typename Subkeys>
auto placeOf(Subkeys& subkeys, std::string_view name) {
  return std::lower_bound(subkeys.begin(), subkeys.end(), name,
                          [](const RegistryTree::Key& k, std::string_view n) {
                            return compareRegNames(k.name, n) < 0;
                          });
}

template <typename KeyT>
KeyT* subkeyOf(KeyT& key, std::string_view name) {
  const auto at = placeOf(key.subkeys, name);
  return at != key.subkeys.end() && sameRegName(at->name, name) ? &*at : nullptr;
}

template <typename KeyT>
KeyT* walk(KeyT& root, const std::vector<std::string_view>& names) {
  KeyT* key = &root;
  for (const auto name : names) {
    key = subkeyOf(*key, name);
    if (!key) return nullptr;
  }
  return key;
}

// Names reach the A functions as C strings: they end at the first NUL.
std::string_view cString(std::string_view text) { return text.substr(0, text.find('\0')); }

bool holdsLineBreak(std::string_view name) {
  return name.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

int compareRegNames(std::string_view a, std::string_view b) {
  const auto& fold = foldTable();
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const char32_t x = fold[static_cast<unsigned char>(a[i])];
    const char32_t y = fold[static_cast<unsigned char>(b[i])];
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::optional<std::vector<std::string_view>> splitKeyPath(std::string_view path) {
  path = cString(path);
  if (!path.empty() && path.front() == '\\') return std::nullopt;
  std::vector<std::string_view> names;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view name = path.substr(start, end - start);
    if (name.size() > kRegKeyNameLimit || holdsLineBreak(name)) return std::nullopt;
    if (!name.empty()) names.push_back(name);
    start = end + 1;
  }
  return names;
}

const RegistryTree::Key* RegistryTree::Key::subkey(std::string_view keyName) const {
  return subkeyOf(*this, keyName);
}

const RegValue* RegistryTree::Key::value(std::string_view valueName) const {
  for (const auto& v : values)
    if (sameRegName(v.name, cString(valueName))) return &v;
  return nullptr;
}

const RegistryTree::Key* RegistryTree::find(std::string_view path) const {
  const auto names = splitKeyPath(path);
  return names ? walk(root_, *names) : nullptr;
}

std::optional<std::string> RegistryTree::storedPath(std::string_view path) const {
  const auto names = splitKeyPath(path);
  if (!names) return std::nullopt;
  std::string stored;
  const Key* key = &root_;
  for (const auto name : *names) {
    key = key->subkey(name);
    if (!key) return std::nullopt;
    if (!stored.empty()) stored += '\\';
    stored += key->name;
  }
  return stored;
}

std::optional<RegValue> RegistryTree::queryValue(std::string_view path,
                                                 std::string_view name) const {
  const Key* key = find(path);
  const RegValue* value = key ? key->value(name) : nullptr;
  if (!value) return std::nullopt;
  return *value;
}

std::vector<std::string> RegistryTree::subkeyNames(std::string_view path) const {
  std::vector<std::string> names;
  if (const Key* key = find(path))
    for (const auto& subkey : key->subkeys) names.push_back(subkey.name);
  return names;
}

std::vector<RegValue> RegistryTree::values(std::string_view path) const {
  const Key* key = find(path);
  return key ? key->values : std::vector<RegValue>{};
}

RegistryTree::Key* RegistryTree::findKey(const std::vector<std::string_view>& names) {
  return walk(root_, names);
}

RegistryTree::Key* RegistryTree::createPath(const std::vector<std::string_view>& names,
                                            bool& created) {
  created = false;
  Key* key = &root_;
  for (const auto name : names) {
    if (Key* existing = subkeyOf(*key, name)) {
      key = existing;
      continue;
    }
    key = &*key->subkeys.insert(placeOf(key->subkeys, name), Key{std::string(name), {}, {}});
    created = true;
  }
  return key;
}

TreeEdit RegistryTree::createKey(std::string_view path) {
  const auto names = splitKeyPath(path);
  if (!names) return TreeEdit::Refused;
  bool created = false;
  createPath(*names, created);
  return created ? TreeEdit::Changed : TreeEdit::Unchanged;
}

TreeEdit RegistryTree::setValue(std::string_view path, const RegValue& value) {
  const auto names = splitKeyPath(path);
  const std::string_view name = cString(value.name);
  if (!names || holdsLineBreak(name)) return TreeEdit::Refused;
  bool created = false;
  Key* key = createPath(*names, created);
  for (auto& existing : key->values) {
    if (!sameRegName(existing.name, name)) continue;
    if (existing.type == value.type && existing.data == value.data) return TreeEdit::Unchanged;
    existing.type = value.type;
    existing.data = value.data;
    return TreeEdit::Changed;
  }
  key->values.push_back(RegValue{std::string(name), value.type, value.data});
  return TreeEdit::Changed;
}

TreeEdit RegistryTree::deleteValue(std::string_view path, std::string_view name) {
  const auto names = splitKeyPath(path);
  Key* key = names ? findKey(*names) : nullptr;
  if (!key) return TreeEdit::Refused;
  const auto at = std::find_if(key->values.begin(), key->values.end(), [&](const RegValue& v) {
    return sameRegName(v.name, cString(name));
  });
  if (at == key->values.end()) return TreeEdit::Refused;
  key->values.erase(at);
  return TreeEdit::Changed;
}

TreeEdit RegistryTree::eraseKey(std::string_view path, bool withSubkeys) {
  auto names = splitKeyPath(path);
  if (!names || names->empty()) return TreeEdit::Refused;
  const std::string_view last = names->back();
  names->pop_back();
  Key* parent = findKey(*names);
  Key* key = parent ? subkeyOf(*parent, last) : nullptr;
  if (!key) return withSubkeys ? TreeEdit::Unchanged : TreeEdit::Refused;
  if (!withSubkeys && !key->subkeys.empty()) return TreeEdit::Refused;
  parent->subkeys.erase(parent->subkeys.begin() + (key - parent->subkeys.data()));
  return TreeEdit::Changed;
}

TreeEdit RegistryTree::deleteKey(std::string_view path) { return eraseKey(path, false); }

TreeEdit RegistryTree::deleteTree(std::string_view path) { return eraseKey(path, true); }

}  // namespace mapsetdesk
