#include "history/RecordingRegistry.h"

#include "platform/RegistryTree.h"

namespace mapsetdesk {

std::string RecordingRegistry::storedText(Root root, std::string_view utf8) const {
  return inner_.storedText(root, utf8);
}

std::string RecordingRegistry::programText(Root root, std::string_view stored) const {
  return inner_.programText(root, stored);
}

bool RecordingRegistry::changeAtOnce(Root root, const std::function<bool()>& changes) {
  return inner_.changeAtOnce(root, changes);
}

// Keeping a missing key's highest missing parent lets the rollback take away
// every key the change creates on the way.
std::string RecordingRegistry::keyToKeep(Root root, const std::string& path) {
  const auto names = splitKeyPath(path);
  if (!names) return path;
  std::string prefix;
  for (const std::string_view name : *names) {
    prefix += prefix.empty() ? std::string(name) : '\\' + std::string(name);
    if (!inner_.keyExists(root, prefix)) return prefix;
  }
  return path;
}

bool RecordingRegistry::keep(Root root, const std::string& path) {
  return entry_.keepKey(inner_, root, keyToKeep(root, path));
}

bool RecordingRegistry::createKey(Root root, const std::string& path) {
  if (inner_.keyExists(root, path)) return inner_.createKey(root, path);
  return keep(root, path) && inner_.createKey(root, path);
}

bool RecordingRegistry::setValue(Root root, const std::string& path, const RegValue& value) {
  return keep(root, path) && inner_.setValue(root, path, value);
}

bool RecordingRegistry::deleteValue(Root root, const std::string& path, const std::string& name) {
  return keep(root, path) && inner_.deleteValue(root, path, name);
}

bool RecordingRegistry::deleteKey(Root root, const std::string& path) {
  return keep(root, path) && inner_.deleteKey(root, path);
}

}  // namespace mapsetdesk
