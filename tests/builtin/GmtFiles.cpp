#include "builtin/GmtFiles.h"

#include <algorithm>

#include "formats/ByteReader.h"
#include "formats/TdbLayout.h"

namespace mapsetdesk::testing {

bool KeptReport::has(const std::string& text) const {
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}

std::vector<TdbTileFacts> tdbTileFacts(const std::string& tdb) {
  std::vector<TdbTileFacts> tiles;
  for (const TdbBlock& block : walkTdbBlocks(tdb).blocks) {
    if (block.id != kTdbTileBlock) continue;
    ByteReader reader(std::string_view(tdb).substr(block.payload(), block.payloadLength));
    TdbTileFacts facts;
    facts.mapNumber = reader.u32();
    facts.parent = reader.u32();
    facts.bounds = std::string(reader.bytes(16));
    while (reader.remaining() > 0 && reader.u8() != 0) {
    }
    reader.u16();
    const std::uint16_t count = reader.u16();
    for (std::uint16_t i = 0; i < count; ++i) facts.sizes.push_back(reader.u32());
    tiles.push_back(facts);
  }
  return tiles;
}

std::uint32_t tdbOverviewNumber(const std::string& tdb) {
  for (const TdbBlock& block : walkTdbBlocks(tdb).blocks)
    if (block.id == kTdbOverviewBlock) return ByteReader(tdb, block.payload()).u32();
  return 0;
}

std::vector<std::string> fileNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string scrambled(const std::string& plain, char key) {
  std::string bytes = plain;
  for (char& byte : bytes) byte = static_cast<char>(byte ^ key);
  return bytes;
}

}  // namespace mapsetdesk::testing
