#include "formats/BitStream.h"


namespace mapsetdesk {

void BitWriter::put(std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i, ++bits_) {
    if (bits_ % 8 == 0) bytes_.push_back('\0');
    if ((value >> i) & 1u) bytes_.back() = static_cast<char>(bytes_.back() | (1 << (bits_ % 8)));
  }
}

std::uint32_t BitReader::get(int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i, ++bits_) {
    if (bits_ / 8 >= bytes_.size()) return value;
    const auto byte = static_cast<unsigned char>(bytes_[bits_ / 8]);
    if ((byte >> (bits_ % 8)) & 1u) value |= 1u << i;
  }
  return value;
}

std::int32_t BitReader::getSigned(int count) {
  const std::uint32_t value = get(count);
  if (count <= 0 || count >= 32 || !((value >> (count - 1)) & 1u)) return static_cast<std::int32_t>(value);
  return static_cast<std::int32_t>(value) - (std::int32_t{1} << count);
}

}  // namespace mapsetdesk
