#include "formats/TdbNames.h"

#include "formats/TdbHeader.h"
#include "formats/TdbLayout.h"

namespace mapsetdesk {
namespace {

constexpr std::size_t kProductVersionBytes = 2;   // between series and family name
constexpr std::size_t kOverviewDescription = 24;  // after map number, parent and bounds

std::string textAt(std::string_view payload, std::size_t offset) {
  if (offset >= payload.size()) return {};
  const std::string_view text = payload.substr(offset);
  return std::string(text.substr(0, text.find('\0')));
}

}  // namespace

std::optional<TdbNames> readTdbNames(std::string_view file) {
  const TdbHeaderResult header = parseTdbHeader(file);
  if (header.damage != TdbDamage::None) return std::nullopt;
  TdbNames names;
  names.seriesName = header.header.name;
  const TdbLayout layout = walkTdbBlocks(file);
  for (const TdbBlock& block : layout.blocks) {
    const std::string_view payload = file.substr(block.payload(), block.payloadLength);
    if (block.id == kTdbHeaderBlock) {
      const std::size_t nameEnd = header.header.nameEnd - block.payload();
      names.familyName = textAt(payload, nameEnd + 1 + kProductVersionBytes);
    } else if (block.id == kTdbOverviewBlock && names.areaName.empty()) {
      names.areaName = textAt(payload, kOverviewDescription);
    }
  }
  return names;
}

}  // namespace mapsetdesk
