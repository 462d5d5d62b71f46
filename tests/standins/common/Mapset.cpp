#include "common/Mapset.h"

#include <algorithm>
#include <cstdio>

#include "common/Bytes.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbLayout.h"
#include "formats/TdbTiles.h"

namespace mapsetdesk::standin {
namespace {

constexpr std::uint16_t kTdbVersion = 407;
constexpr std::uint16_t kProductVersion = 100;
constexpr std::uint8_t kCopyrightBlock = 0x44;
constexpr std::size_t kChecksumPayload = 20;
constexpr const char* kCrLf = "\r\n";

// TDB coordinates: the 24-bit map units in the upper three bytes.
ByteSink& putBounds(ByteSink& sink, const Bounds& bounds) {
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
  sink.u32(mapset.codePage).u32(10000).u8(1).u8(0).u8(0);
  return sink.take();
}

std::string copyrightPayload() {
  ByteSink sink;
  sink.u8(0x06).u8(0x03).u16(0).text("Map data for tests, written by the gmt stand-in");
  return sink.take();
}

std::string overviewPayload(const Mapset& mapset) {
  ByteSink sink;
  sink.u32(mapset.overviewNumber()).u32(0);
  putBounds(sink, mapset.bounds()).text(mapset.name);
  return sink.take();
}

std::string tilePayload(const Mapset& mapset, const Tile& tile) {
  const std::string name = tileName(tile.mapNumber);
  ByteSink sink;
  sink.u32(tile.mapNumber).u32(mapset.overviewNumber());
  putBounds(sink, tile.bounds);
  sink.text(tile.description.empty() ? name : tile.description + " (" + name + ")");
  sink.u16(4).u16(3);
  sink.u32(static_cast<std::uint32_t>(tile.sizeOf("RGN")));
  sink.u32(static_cast<std::uint32_t>(tile.sizeOf("TRE")));
  sink.u32(static_cast<std::uint32_t>(tile.sizeOf("LBL")));
  sink.u32(0xFF00C301u).u8(0).u8(0).u8(0);
  sink.text(name + ".RGN").text(name + ".TRE").text(name + ".LBL");
  return sink.take();
}

std::string point(double latitude, double longitude) {
  char text[64];
  std::snprintf(text, sizeof text, "(%.6f,%.6f)", latitude, longitude);
  return text;
}

std::string area(const Bounds& bounds) {
  const double north = degrees(bounds.north), south = degrees(bounds.south);
  const double east = degrees(bounds.east), west = degrees(bounds.west);
  return point(north, west) + "," + point(north, east) + "," + point(south, east) + "," +
         point(south, west);
}

}  // namespace

std::uint32_t Mapset::overviewNumber() const {
  std::uint32_t lowest = 0xFFFFFFFFu;
  std::uint32_t highest = 0;
  for (const Tile& tile : tiles) {
    lowest = std::min(lowest, tile.mapNumber);
    highest = std::max(highest, tile.mapNumber);
  }
  if (tiles.empty()) return 1;
  return lowest > 0 ? lowest - 1 : highest + 1;
}

Bounds Mapset::bounds() const {
  if (tiles.empty()) return {};
  Bounds all = tiles.front().bounds;
  for (const Tile& tile : tiles) all = around(all, tile.bounds);
  return all;
}

std::string writeTdb(const Mapset& mapset) {
  std::string file = block(kTdbHeaderBlock, headerPayload(mapset));
  file += block(kCopyrightBlock, copyrightPayload());
  file += block(kTdbTextBlock, ByteSink().u8(0xC3).text(mapset.name).str());
  file += block(kTdbOverviewBlock, overviewPayload(mapset));
  for (const Tile& tile : mapset.tiles) file += block(kTdbTileBlock, tilePayload(mapset, tile));
  file += block(kTdbChecksumBlock, std::string(kChecksumPayload, '\0'));
  applyTdbChecksum(file);
  return file;
}

std::string writeOverviewSource(const Mapset& mapset, bool withPreviewLabel) {
  std::string text;
  auto line = [&text](const std::string& content) { text += content + kCrLf; };
  line("; overview map of " + mapset.name + ", written by the gmt stand-in");
  line("[IMG ID]");
  line("CodePage=" + std::to_string(mapset.codePage));
  line("LblCoding=9");
  line("ID=" + std::to_string(mapset.overviewNumber()));
  line("Name=" + mapset.name);
  line("Preprocess=F");
  line("Levels=2");
  line("Level0=16");
  line("Level1=15");
  line("Zoom0=3");
  line("Zoom1=4");
  line("[END-IMG ID]");
  for (const Tile& tile : mapset.tiles) {
    line("");
    line("[POLYGON]");
    line("Type=0x4a");
    line("Label=" + tileName(tile.mapNumber));
    line("Data0=" + area(tile.bounds));
    line("[END]");
  }
  line("");
  line("[POLYGON]");
  line("Type=0x0b00");
  if (withPreviewLabel) line("Label=GMapTool Preview");
  line("Data0=" + area(mapset.bounds()));
  line("[END]");
  return text;
}

std::string writeMdx(const Mapset& mapset) {
  ByteSink sink;
  sink.bytes("Midxd")
      .u8(0)
      .u16(12)
      .u16(0)
      .u16(static_cast<std::uint32_t>(mapset.tiles.size()))
      .u16(0);
  for (const Tile& tile : mapset.tiles)
    sink.u32(tile.mapNumber).u16(mapset.pid).u16(mapset.fid).u32(tile.mapNumber);
  return sink.take();
}

std::string writeInstallBatch(const std::string& mapname) {
  return std::string("@echo off") + kCrLf + "regedit /s " + mapname + ".reg" + kCrLf;
}

std::string writeUninstallBatch(const std::string& mapname) {
  return std::string("@echo off") + kCrLf + "rem remove the registration of " + mapname + kCrLf;
}

std::string writeRegistryFile(const Mapset& mapset, const std::string& mapname) {
  const std::string key = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Garmin\\MapSource\\Families\\" + mapname +
                          std::to_string(mapset.fid);
  char id[16];
  std::snprintf(id, sizeof id, "%02x,%02x", mapset.fid & 0xFF, mapset.fid >> 8);
  return std::string("REGEDIT4") + kCrLf + kCrLf + key + "]" + kCrLf + "\"ID\"=hex:" + id + kCrLf +
         kCrLf + key + "\\1]" + kCrLf + "\"TDB\"=\"" + mapname + ".tdb\"" + kCrLf + "\"BMAP\"=\"" +
         mapname + ".img\"" + kCrLf;
}

}  // namespace mapsetdesk::standin
