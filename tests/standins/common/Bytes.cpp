#include "common/Bytes.h"

#include <fstream>
#include <sstream>

#include "platform/Codec.h"
#include "platform/FilePath.h"

namespace mapsetdesk::standin {

std::string block(std::uint8_t id, std::string_view payload) {
  ByteSink sink;
  sink.u8(id).u16(static_cast<std::uint32_t>(payload.size())).bytes(payload);
  return sink.take();
}

std::uint32_t readU16(std::string_view bytes, std::size_t offset) {
  if (offset + 2 > bytes.size()) return 0;
  return static_cast<std::uint8_t>(bytes[offset]) |
         (static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[offset + 1])) << 8);
}

std::uint32_t readU32(std::string_view bytes, std::size_t offset) {
  return readU16(bytes, offset) | (readU16(bytes, offset + 2) << 16);
}

std::int32_t readI24(std::string_view bytes, std::size_t offset) {
  if (offset + 3 > bytes.size()) return 0;
  std::uint32_t value =
      readU16(bytes, offset) |
      (static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[offset + 2])) << 16);
  if (value & 0x800000u) value |= 0xFF000000u;
  return static_cast<std::int32_t>(value);
}

std::string readText(std::string_view bytes, std::size_t offset) {
  if (offset >= bytes.size()) return {};
  const std::size_t end = bytes.find('\0', offset);
  return std::string(bytes.substr(offset, end == std::string_view::npos ? end : end - offset));
}

std::optional<std::string> readWholeFile(const std::string& path) {
  std::ifstream in(filePath(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool writeWholeFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(filePath(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string baseName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string withoutExtension(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string textArgument(std::string_view argument) { return decodeUtf8OrAnsi(argument); }

std::string ansiArgument(std::string_view argument) { return toAnsi(textArgument(argument)); }

}  // namespace mapsetdesk::standin
