#include "formats/TdbWriter.h"

#include "formats/ByteSink.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TdbLayout.h"
#include "formats/TdbTiles.h"

namespace mapsetdesk {
namespace {

constexpr std::uint16_t kTdbVersion = 407;
constexpr std::uint16_t kProductVersion = 100;
constexpr std::uint8_t kCopyrightBlock = 0x44;
constexpr std::size_t kChecksumPayload = 20;
constexpr std::uint32_t kLowestZoom = 10000;
// A copyright entry: a text shown in the map's copyright list.
constexpr std::uint8_t kCopyrightText = 0x06;
constexpr std::uint8_t kCopyrightShown = 0x03;
constexpr std::uint8_t kTextBlockKind = 0xC3;
constexpr std::uint32_t kTileFlags = 0xFF00C301u;
// The header's name must end within its first 255 bytes; the other texts are
// held to the same length so no block outgrows its 16-bit length by a name.
constexpr std::size_t kLongestText = kTdbMaxNameEnd - kTdbNameOffset;

std::string cut(const std::string& text) { return text.substr(0, kLongestText); }

// The texts as the TDB can hold them.
Mapset fitted(Mapset mapset) {
  mapset.name = cut(mapset.name);
  mapset.familyName = cut(mapset.familyName);
  for (MapTile& tile : mapset.tiles) tile.description = cut(tile.description);
  return mapset;
}

bool readsBackAs(const std::string& file, const Mapset& mapset) {
  const TdbHeaderResult header = parseTdbHeader(file);
  if (header.damage != TdbDamage::None || header.header.name != mapset.name) return false;
  const TdbTiles tiles = readTdbTiles(file);
  if (tiles.damage != TdbDamage::None || tiles.tiles.size() != mapset.tiles.size()) return false;
  for (std::size_t i = 0; i < tiles.tiles.size(); ++i)
    if (tiles.tiles[i].mapNumber != mapset.tiles[i].mapNumber) return false;
  return true;
}

std::string block(std::uint8_t id, const std::string& payload) {
  ByteSink sink;
  sink.u8(id).u16(static_cast<std::uint32_t>(payload.size())).bytes(payload);
  return sink.take();
}

// TDB coordinates: the 24-bit map units in the upper three bytes.
ByteSink& putBounds(ByteSink& sink, const MapBounds& bounds) {
  for (const std::int32_t value : {bounds.north, bounds.east, bounds.south, bounds.west})
    sink.u32(static_cast<std::uint32_t>(value) << 8);
  return sink;
}

std::string headerPayload(const Mapset& mapset) {
  ByteSink sink;
  sink.u16(mapset.pid).u16(mapset.fid).u16(kTdbVersion).text(mapset.name);
  sink.u16(kProductVersion).text(mapset.familyName);
  // Flags and limits as the desktop programs expect them; the code page sits
  // among them.
  sink.u8(0).u8(0x12).u8(1).u8(1).u8(1).u32(0).u8(0).u8(0x18).field("", 19, '\0');
  sink.u32(mapset.codePage).u32(kLowestZoom).u8(1).u8(0).u8(0);
  return sink.take();
}

std::string copyrightPayload(const Mapset& mapset) {
  ByteSink sink;
  sink.u8(kCopyrightText).u8(kCopyrightShown).u16(0).text(mapset.familyName);
  return sink.take();
}

std::string overviewPayload(const Mapset& mapset) {
  ByteSink sink;
  sink.u32(mapset.overviewNumber()).u32(0);
  putBounds(sink, mapset.bounds()).text(mapset.name);
  return sink.take();
}

std::string tileDescription(const MapTile& tile) {
  const std::string name = tileName(tile.mapNumber);
  return tile.description.empty() ? name : tile.description + " (" + name + ")";
}

std::string tilePayload(const Mapset& mapset, const MapTile& tile) {
  ByteSink sink;
  sink.u32(tile.mapNumber).u32(mapset.overviewNumber());
  putBounds(sink, tile.bounds).text(tileDescription(tile));
  const auto count = static_cast<std::uint32_t>(tile.subfiles.size());
  sink.u16(count + 1).u16(count);
  for (const TileSubfile& subfile : tile.subfiles) sink.u32(subfile.size);
  sink.u32(kTileFlags).u8(0).u8(0).u8(0);
  for (const TileSubfile& subfile : tile.subfiles) sink.text(subfile.fileName);
  return sink.take();
}

}  // namespace

std::optional<std::string> writeTdb(const Mapset& whole) {
  const Mapset mapset = fitted(whole);
  std::string file;
  bool fits = true;
  const auto add = [&file, &fits](std::uint8_t id, const std::string& payload) {
    fits = fits && payload.size() <= kTdbMaxPayload;
    file += block(id, payload);
  };
  add(kTdbHeaderBlock, headerPayload(mapset));
  add(kCopyrightBlock, copyrightPayload(mapset));
  add(kTdbTextBlock, ByteSink().u8(kTextBlockKind).text(mapset.name).str());
  add(kTdbOverviewBlock, overviewPayload(mapset));
  for (const MapTile& tile : mapset.tiles) add(kTdbTileBlock, tilePayload(mapset, tile));
  add(kTdbChecksumBlock, std::string(kChecksumPayload, '\0'));
  if (!fits) return std::nullopt;
  applyTdbChecksum(file);
  if (!readsBackAs(file, mapset)) return std::nullopt;
  return file;
}

}  // namespace mapsetdesk
