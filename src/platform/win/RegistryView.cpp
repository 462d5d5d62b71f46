#include "platform/win/RegistryView.h"

#include "platform/RegistryTree.h"

namespace mapsetdesk {

REGSAM registryViewOf(const std::string& path) {
  const auto names = splitKeyPath(path);
  const bool literal = names && names->size() >= 2 && sameRegName((*names)[0], "SOFTWARE") &&
                       sameRegName((*names)[1], "Wow6432Node");
  return literal ? KEY_WOW64_64KEY : 0;
}

}  // namespace mapsetdesk
