#include "formats/TypHeader.h"

#include "formats/ByteReader.h"
#include "platform/FileReplace.h"

namespace mapsetdesk {

std::optional<std::uint16_t> readTypFid(std::string_view bytes) {
  ByteReader reader(bytes, kTypFidOffset);
  const std::uint16_t fid = reader.u16();
  if (!reader.ok()) return std::nullopt;
  return fid;
}

FileStatus patchTypFid(const std::string& path, std::uint16_t fid) {
  return patchFile(path, kTypFidOffset, u16Bytes(fid));
}

FileStatus copyTypWithFid(const std::string& source, const std::string& target,
                          std::uint16_t fid) {
  FileContent content = readFileBytes(source);
  if (content.status != FileStatus::Ok) return content.status;
  std::string& bytes = content.bytes;
  if (bytes.size() < kTypFidOffset + 2) return FileStatus::OutOfRange;
  bytes[kTypFidOffset] = static_cast<char>(fid & 0xFF);
  bytes[kTypFidOffset + 1] = static_cast<char>(fid >> 8);
  return replaceFile(target, bytes) ? FileStatus::Ok : FileStatus::WriteFailed;
}

bool isPickableTypName(std::string_view fileName) {
  constexpr std::size_t kBaseLength = 8;
  if (fileName.size() != kBaseLength + 4) return false;
  if (fileName.substr(0, kBaseLength).find_first_of("./\\") != std::string_view::npos)
    return false;
  const std::string_view extension = fileName.substr(kBaseLength);
  return extension == ".typ" || extension == ".TYP" || extension == ".Typ";
}

std::string typCopyName(std::uint16_t fid, TypCopy copy) {
  if (copy == TypCopy::GmapPackage) return std::to_string(fid) + ".Typ";
  const std::string bytes = std::to_string(fid & 0xFF) + std::to_string(fid >> 8);
  return bytes + (copy == TypCopy::Assignment ? ".TYP" : ".Typ");
}

}  // namespace mapsetdesk
