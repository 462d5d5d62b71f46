#include "support/RefusingRegistry.h"

namespace mapsetdesk::testing {

bool RefusingRegistry::canOpen(Root root, const std::string& path) {
  return inner_.canOpen(root, path);
}

bool RefusingRegistry::keyExists(Root root, const std::string& path) {
  return inner_.keyExists(root, path);
}

std::optional<RegValue> RefusingRegistry::queryValue(Root root, const std::string& path,
                                                     const std::string& name) {
  return inner_.queryValue(root, path, name);
}

bool RefusingRegistry::createKey(Root root, const std::string& path) {
  return !refusing_ && inner_.createKey(root, path);
}

bool RefusingRegistry::setValue(Root root, const std::string& path, const RegValue& value) {
  return !refusing_ && inner_.setValue(root, path, value);
}

bool RefusingRegistry::deleteValue(Root root, const std::string& path, const std::string& name) {
  return !refusing_ && inner_.deleteValue(root, path, name);
}

bool RefusingRegistry::deleteKey(Root root, const std::string& path) {
  return !refusing_ && inner_.deleteKey(root, path);
}

std::vector<std::string> RefusingRegistry::subkeyNames(Root root, const std::string& path) {
  return inner_.subkeyNames(root, path);
}

std::vector<RegValue> RefusingRegistry::values(Root root, const std::string& path) {
  return inner_.values(root, path);
}

}  // namespace mapsetdesk::testing
