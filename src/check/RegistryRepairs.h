#pragma once
// The repairs of a registration's keys.
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace mapsetdesk {

// The FID an ID value holds: two bytes, low byte first; a byte the value
// lacks (a writer cut it at a zero byte) reads as 0.
std::uint16_t storedFid(const RegValue& id);

// The family key's ID set to fid, as the installation writes it.
bool setRegistryId(Registry& registry, const std::string& familyKey, std::uint16_t fid);

// The key with everything below it copied to target, every value byte for
// byte under its stored name and type, then deleted. Refused, with nothing
// changed, when target exists already.
bool moveKey(Registry& registry, const std::string& key, const std::string& target);

}  // namespace mapsetdesk
