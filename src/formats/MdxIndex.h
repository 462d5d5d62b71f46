#pragma once
// The MDX index file of a mapset: a record per tile, each naming the family.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/FileBytes.h"

namespace mapsetdesk {

inline constexpr std::size_t kMdxCountOffset = 10;   // u16 LE record count
inline constexpr std::size_t kMdxFirstRecord = 14;
inline constexpr std::size_t kMdxRecordSize = 12;
inline constexpr std::size_t kMdxRecordFid = 6;      // u16 LE in each record

struct MdxRecords {
  bool damaged = false;  // the count runs past the end of the file
  std::vector<std::uint16_t> fids;  // in record order, when not damaged
};

MdxRecords readMdxFids(std::string_view bytes);
// Writes fid into every record of the buffer; false (and the buffer
// unchanged) when the records do not fit the buffer.
bool setMdxFid(std::string& bytes, std::uint16_t fid);

// In place: the file keeps its length and every byte but the FIDs. A damaged
// file is left unchanged and reported as OutOfRange.
FileStatus patchMdxFid(const std::string& path, std::uint16_t fid);

}  // namespace mapsetdesk
