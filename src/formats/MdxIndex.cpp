#include "formats/MdxIndex.h"

#include <optional>

#include "formats/ByteReader.h"

namespace mapsetdesk {
namespace {

// The record count, or nullopt when the header or the records do not fit.
std::optional<std::size_t> recordCount(std::string_view bytes) {
  ByteReader reader(bytes, kMdxCountOffset);
  const std::size_t count = reader.u16();
  if (!reader.ok() || bytes.size() < kMdxFirstRecord) return std::nullopt;
  if (count > (bytes.size() - kMdxFirstRecord) / kMdxRecordSize) return std::nullopt;
  return count;
}

std::size_t fidOffset(std::size_t record) {
  return kMdxFirstRecord + record * kMdxRecordSize + kMdxRecordFid;
}

}  // namespace

MdxRecords readMdxFids(std::string_view bytes) {
  const std::optional<std::size_t> count = recordCount(bytes);
  if (!count) return {true, {}};
  MdxRecords records;
  for (std::size_t record = 0; record < *count; ++record)
    records.fids.push_back(ByteReader(bytes, fidOffset(record)).u16());
  return records;
}

bool setMdxFid(std::string& bytes, std::uint16_t fid) {
  const std::optional<std::size_t> count = recordCount(bytes);
  if (!count) return false;
  ByteWriter writer(bytes);
  for (std::size_t record = 0; record < *count; ++record) writer.u16At(fidOffset(record), fid);
  return writer.ok();
}

FileStatus patchMdxFid(const std::string& path, std::uint16_t fid) {
  FileContent content = readFileBytes(path);
  if (content.status != FileStatus::Ok) return content.status;
  if (!setMdxFid(content.bytes, fid)) return FileStatus::OutOfRange;
  const std::optional<std::size_t> count = recordCount(content.bytes);
  const std::string_view records =
      std::string_view(content.bytes).substr(kMdxFirstRecord, *count * kMdxRecordSize);
  return patchFile(path, kMdxFirstRecord, records);
}

}  // namespace mapsetdesk
