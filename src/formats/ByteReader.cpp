#include "formats/ByteReader.h"

namespace mapsetdesk {

std::string_view ByteReader::bytes(std::size_t count) {
  if (!ok_ || count > bytes_.size() - offset_) {
    ok_ = false;
    return {};
  }
  const std::string_view part = bytes_.substr(offset_, count);
  offset_ += count;
  return part;
}

void ByteReader::seek(std::size_t offset) {
  if (offset > bytes_.size()) {
    ok_ = false;
    return;
  }
  offset_ = offset;
}

std::uint32_t ByteReader::take(std::size_t width) {
  const std::string_view part = bytes(width);
  std::uint32_t value = 0;
  for (std::size_t i = part.size(); i > 0; --i)
    value = (value << 8) | static_cast<unsigned char>(part[i - 1]);
  return value;
}

std::string u16Bytes(std::uint16_t value) {
  return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

void ByteWriter::put(std::size_t offset, std::uint32_t value, std::size_t width) {
  if (offset > bytes_.size() || width > bytes_.size() - offset) {
    ok_ = false;
    return;
  }
  for (std::size_t i = 0; i < width; ++i)
    bytes_[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace mapsetdesk
