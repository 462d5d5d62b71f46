#include "formats/MdxWriter.h"

#include "formats/ByteSink.h"
#include "formats/MdxIndex.h"

namespace mapsetdesk {

std::string writeMdx(const Mapset& mapset) {
  ByteSink sink;
  sink.bytes("Midxd").u8(0).u16(kMdxRecordSize).u16(0);
  sink.u32(static_cast<std::uint32_t>(mapset.tiles.size()));
  for (const MapTile& tile : mapset.tiles)
    sink.u32(tile.mapNumber).u16(mapset.pid).u16(mapset.fid).u32(tile.mapNumber);
  return sink.take();
}

}  // namespace mapsetdesk
