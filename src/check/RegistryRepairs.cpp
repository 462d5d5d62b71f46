#include "check/RegistryRepairs.h"

#include "catalogue/Registration.h"
#include "platform/Codec.h"
#include "platform/RegistryOps.h"
#include "platform/RegistryTransfer.h"

namespace mapsetdesk {
namespace {

constexpr Root kMachine = Root::LocalMachine;

// Paths in the registry's own bytes, as subkeyNames gives the names.
bool copyTree(Registry& registry, const std::string& from, const std::string& to) {
  if (!registry.createKey(kMachine, to)) return false;
  for (const RegValue& value : registry.values(kMachine, from))
    if (!registry.setValue(kMachine, to, value)) return false;
  for (const std::string& name : registry.subkeyNames(kMachine, from))
    if (!copyTree(registry, from + "\\" + name, to + "\\" + name)) return false;
  return true;
}

}  // namespace

std::uint16_t storedFid(const RegValue& id) {
  const auto byteAt = [&id](std::size_t at) {
    return at < id.data.size() ? static_cast<unsigned char>(id.data[at]) : 0u;
  };
  return static_cast<std::uint16_t>(byteAt(0) | byteAt(1) << 8);
}

bool setRegistryId(Registry& registry, const std::string& familyKey, std::uint16_t fid) {
  ffStringSpeichern(registry, kMachine, familyKey, kValueId, fidByteText(fid));
  const auto id = registry.queryValue(kMachine, toAnsi(familyKey), kValueId);
  return id && storedFid(*id) == fid;
}

bool moveKey(Registry& registry, const std::string& key, const std::string& target) {
  const std::string from = toAnsi(key);
  const std::string to = toAnsi(target);
  if (registry.keyExists(kMachine, to)) return false;
  if (!copyTree(registry, from, to)) {
    deleteKeyTree(registry, kMachine, to);
    return false;
  }
  return deleteKeyTree(registry, kMachine, from);
}

}  // namespace mapsetdesk
