#include "platform/MemoryRegistry.h"

namespace mapsetdesk {

bool MemoryRegistry::canOpen(Root root, const std::string& path) {
  return tree(root).find(path) != nullptr;
}

bool MemoryRegistry::keyExists(Root root, const std::string& path) {
  return tree(root).find(path) != nullptr;
}

std::optional<RegValue> MemoryRegistry::queryValue(Root root, const std::string& path,
                                                   const std::string& name) {
  return tree(root).queryValue(path, name);
}

bool MemoryRegistry::createKey(Root root, const std::string& path) {
  return tree(root).createKey(path) != TreeEdit::Refused;
}

bool MemoryRegistry::setValue(Root root, const std::string& path, const RegValue& value) {
  return tree(root).setValue(path, asStoredByWindows(value)) != TreeEdit::Refused;
}

bool MemoryRegistry::deleteValue(Root root, const std::string& path, const std::string& name) {
  return tree(root).deleteValue(path, name) != TreeEdit::Refused;
}

bool MemoryRegistry::deleteKey(Root root, const std::string& path) {
  return tree(root).deleteKey(path) != TreeEdit::Refused;
}

std::vector<std::string> MemoryRegistry::subkeyNames(Root root, const std::string& path) {
  return tree(root).subkeyNames(path);
}

std::vector<RegValue> MemoryRegistry::values(Root root, const std::string& path) {
  return tree(root).values(path);
}

}  // namespace mapsetdesk
