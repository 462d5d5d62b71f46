#include "formats/TdbHeader.h"

#include "formats/ByteReader.h"

namespace mapsetdesk {

TdbHeaderResult parseTdbHeader(std::string_view start) {
  ByteReader reader(start);
  reader.u8();  // the identifier is not checked here: the catalogue lists any file
  const std::size_t payloadLength = reader.u16();
  if (!reader.ok()) return {TdbDamage::TruncatedBlockHead, {}};
  if (payloadLength < kTdbMinHeaderPayload) return {TdbDamage::HeaderTooShort, {}};
  const std::size_t blockEnd = kTdbBlockHead + payloadLength;
  if (blockEnd > start.size()) return {TdbDamage::BlockPastEnd, {}};

  TdbHeader header;
  header.pid = reader.u16();
  header.fid = reader.u16();
  header.version = reader.u16();

  const std::string_view block = start.substr(0, blockEnd);
  const std::size_t zero = block.find('\0', kTdbNameOffset);
  if (zero == std::string_view::npos) return {TdbDamage::NameUnterminated, {}};
  if (zero > kTdbMaxNameEnd) return {TdbDamage::NameTooLong, {}};
  header.name = std::string(block.substr(kTdbNameOffset, zero - kTdbNameOffset));
  header.nameEnd = zero;
  return {TdbDamage::None, header};
}

TdbHeaderRead readTdbHeader(const std::string& path) {
  const FileContent head = readFileStart(path, kTdbBlockHead);
  if (head.status != FileStatus::Ok) return {head.status, TdbDamage::None, {}};
  ByteReader reader(head.bytes, 1);
  const std::size_t payloadLength = reader.u16();
  if (!reader.ok()) return {FileStatus::Ok, TdbDamage::TruncatedBlockHead, {}};

  const FileContent block = readFileStart(path, kTdbBlockHead + payloadLength);
  if (block.status != FileStatus::Ok) return {block.status, TdbDamage::None, {}};
  const TdbHeaderResult parsed = parseTdbHeader(block.bytes);
  return {FileStatus::Ok, parsed.damage, parsed.header};
}

FileStatus patchTdbFid(const std::string& path, std::uint16_t fid) {
  return patchFile(path, kTdbFidOffset, u16Bytes(fid));
}

FileStatus patchTdbIds(const std::string& path, std::uint16_t pid, std::uint16_t fid) {
  return patchFile(path, kTdbPidOffset, u16Bytes(pid) + u16Bytes(fid));
}

}  // namespace mapsetdesk
