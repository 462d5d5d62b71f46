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

bool isTypFile(std::string_view bytes) {
  constexpr std::string_view kSignature = "GARMIN TYP";
  ByteReader reader(bytes, 0);
  const std::uint16_t headerLength = reader.u16();
  return reader.ok() && bytes.substr(2, kSignature.size()) == kSignature &&
         headerLength >= kTypFidOffset + 2 && headerLength <= bytes.size();
}

std::optional<std::string> typWithFid(std::string bytes, std::uint16_t fid) {
  if (!isTypFile(bytes)) return std::nullopt;
  ByteWriter writer(bytes);
  writer.u16At(kTypFidOffset, fid);
  return bytes;
}

FileStatus patchTypFid(const std::string& path, std::uint16_t fid) {
  return patchFile(path, kTypFidOffset, u16Bytes(fid));
}

FileStatus copyTypWithFid(const std::string& source, const std::string& target,
                          std::uint16_t fid) {
  FileContent content = readFileBytes(source);
  if (content.status != FileStatus::Ok) return content.status;
  ByteWriter writer(content.bytes);
  writer.u16At(kTypFidOffset, fid);
  if (!writer.ok()) return FileStatus::OutOfRange;
  return replaceFile(target, content.bytes) ? FileStatus::Ok : FileStatus::WriteFailed;
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
