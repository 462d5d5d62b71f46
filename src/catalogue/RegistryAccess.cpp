#include "catalogue/RegistryAccess.h"

#include "catalogue/Registration.h"
#include "platform/Codec.h"

namespace mapsetdesk {
namespace {

constexpr Root kMachine = Root::LocalMachine;
constexpr RegistrationRoot kRoots[] = {RegistrationRoot::Families, RegistrationRoot::FamiliesNT,
                                       RegistrationRoot::Products};

}  // namespace

std::string withoutTrailingBackslash(std::string key) {
  if (!key.empty() && key.back() == '\\') key.pop_back();
  return key;
}

std::vector<std::string> unreadableRegistration(Registry& registry, const std::string& base) {
  if (!registry.storeReadable(kMachine)) return {rootName(kMachine)};
  std::vector<std::string> unreadable;
  for (const RegistrationRoot root : kRoots) {
    const std::string key = withoutTrailingBackslash(rootKeyPath(base, root));
    const std::string ansiKey = toAnsi(key);
    if (!registry.canOpen(kMachine, ansiKey)) {
      if (registry.keyExists(kMachine, ansiKey)) unreadable.push_back(key);
      continue;
    }
    for (const std::string& name : registry.subkeyNames(kMachine, ansiKey))
      if (!registry.canOpen(kMachine, ansiKey + "\\" + name))
        unreadable.push_back(key + "\\" + fromAnsi(name));
  }
  return unreadable;
}

}  // namespace mapsetdesk
