// The block walks of a TDB: tiles, checksum check and store, rename. Each
// stays inside the buffer; the checksum store keeps the length and every byte
// outside its area; a rename it accepts gives a file that walks cleanly and
// carries the new name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TdbRename.h"
#include "formats/TdbTiles.h"

using namespace mapsetdesk;

namespace {

void checksumKeepsEverythingElse(const std::string& original) {
  std::string patched = original;
  const ChecksumApplied applied = applyTdbChecksum(patched);
  if (patched.size() != original.size()) std::abort();
  if (applied.outcome != ChecksumOutcome::Written) {
    if (patched != original) std::abort();
    return;
  }
  if (applied.areaStart > applied.areaEnd || applied.areaEnd > patched.size()) std::abort();
  if (patched.substr(0, applied.areaStart) != original.substr(0, applied.areaStart)) std::abort();
  if (patched.substr(applied.areaEnd) != original.substr(applied.areaEnd)) std::abort();
  if (checkTdbChecksum(patched).state != TdbChecksumState::Ok) std::abort();
}

void renameGivesAWholeFile(const std::string& original) {
  const std::string newName = "Neuer Kartenname";
  const TdbRenamed renamed = renameTdbBytes(original, newName);
  if (renamed.damage != TdbDamage::None) return;
  if (walkTdbBlocks(renamed.bytes).damage != TdbDamage::None) std::abort();
  const TdbHeaderResult header = parseTdbHeader(renamed.bytes);
  if (header.damage == TdbDamage::None && header.header.name != newName) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const TdbLayout layout = walkTdbBlocks(bytes);
  for (const TdbBlock& block : layout.blocks)
    if (block.end() > size) std::abort();
  readTdbTiles(bytes);
  checkTdbChecksum(bytes);
  checksumKeepsEverythingElse(bytes);
  renameGivesAWholeFile(bytes);
  return 0;
}
