#include "formats/SubfileHeaders.h"

namespace mapsetdesk {
namespace {

constexpr std::uint8_t kDrawPriority = 25;
constexpr std::uint16_t kSortWestern1 = 7;       // the sort order Garmin pairs with code page 1252
constexpr std::uint16_t kSortWestern2 = 0x8002;

// An empty LBL section: where it would start, no bytes, its record size.
void emptySection(ByteSink& out, std::uint32_t at, std::uint16_t recordSize) {
  out.u32(at).u32(0).u16(recordSize).u32(0);
}

// A TRE section: where it starts, its size, and (for the type lists) the size of a record.
std::uint32_t placeSection(ByteSink& out, std::uint32_t& at, std::size_t size) {
  const std::uint32_t start = at;
  out.u32(start).u32(static_cast<std::uint32_t>(size));
  at += static_cast<std::uint32_t>(size);
  return start;
}

}  // namespace

void putCommonHeader(ByteSink& out, std::uint16_t length, std::string_view kind,
                     const MapTimestamp& made) {
  out.u16(length).bytes("GARMIN ").bytes(kind).u8(1).u8(0);
  out.u16(static_cast<std::uint32_t>(made.year)).u8(static_cast<std::uint32_t>(made.month));
  out.u8(static_cast<std::uint32_t>(made.day)).u8(static_cast<std::uint32_t>(made.hour));
  out.u8(static_cast<std::uint32_t>(made.minute)).u8(static_cast<std::uint32_t>(made.second));
}

std::string treFile(const TreSections& sections, const MapTimestamp& made) {
  ByteSink out;
  putCommonHeader(out, kTreHeaderLength, "TRE", made);
  for (const std::int32_t bound : {sections.north, sections.east, sections.south, sections.west})
    out.u24(static_cast<std::uint32_t>(bound) & 0xFFFFFF);
  std::uint32_t at = kTreHeaderLength;
  placeSection(out, at, sections.levels.size());        // 0x21
  placeSection(out, at, sections.subdivisions.size());  // 0x29
  placeSection(out, at, 0);                             // 0x31 copyright notices: none
  out.u16(3).u32(0);
  out.u8(0);                                            // 0x3F no POI display flags
  out.u8(kDrawPriority).u16(0);                         // 0x40
  out.u32(0x00110301).u16(1).u8(0);                     // 0x43 as Garmin's own maps have it
  placeSection(out, at, sections.polylineTypes.size());  // 0x4A
  out.u16(2).u32(0);
  placeSection(out, at, sections.polygonTypes.size());  // 0x58
  out.u16(2).u32(0);
  placeSection(out, at, 0);                             // 0x66 point types: none
  out.u16(3).u32(0);
  out.u32(sections.mapNumber);                          // 0x74
  out.bytes(sections.levels).bytes(sections.subdivisions);
  out.bytes(sections.polylineTypes).bytes(sections.polygonTypes);
  return out.take();
}

std::string rgnFile(std::string_view data, const MapTimestamp& made) {
  ByteSink out;
  putCommonHeader(out, kRgnHeaderLength, "RGN", made);
  out.u32(kRgnHeaderLength).u32(static_cast<std::uint32_t>(data.size()));
  out.bytes(data);
  return out.take();
}

std::string lblFile(std::string_view labels, std::uint16_t codePage, const MapTimestamp& made) {
  ByteSink out;
  putCommonHeader(out, kLblHeaderLength, "LBL", made);
  const auto end = static_cast<std::uint32_t>(kLblHeaderLength + labels.size());
  out.u32(kLblHeaderLength).u32(static_cast<std::uint32_t>(labels.size()));  // 0x15
  out.u8(0).u8(kLabelFormat);                                                  // 0x1D offsets unscaled
  emptySection(out, end, 3);  // 0x1F countries
  emptySection(out, end, 5);  // 0x2D regions
  emptySection(out, end, 5);  // 0x3B cities
  emptySection(out, end, 4);  // 0x49 POI index
  out.u32(end).u32(0).u8(0).u8(0).u24(0);  // 0x57 POI properties
  emptySection(out, end, 4);  // 0x64 POI types
  emptySection(out, end, 3);  // 0x72 ZIP codes
  emptySection(out, end, 6);  // 0x80 highways
  emptySection(out, end, 5);  // 0x8E exits
  emptySection(out, end, 3);  // 0x9C highway data
  const bool western = codePage == 1252;
  out.u16(codePage).u16(western ? kSortWestern1 : 0).u16(western ? kSortWestern2 : 0);  // 0xAA
  out.bytes(labels);
  return out.take();
}

}  // namespace mapsetdesk
