#include "formats/ByteSink.h"

namespace mapsetdesk {

ByteSink& ByteSink::put(std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) bytes_ += static_cast<char>((value >> (8 * i)) & 0xFF);
  return *this;
}

void ByteSink::u16At(std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 2 && offset + i < bytes_.size(); ++i)
    bytes_[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

ByteSink& ByteSink::field(std::string_view data, std::size_t width, char fill) {
  std::string padded(data.substr(0, width));
  padded.resize(width, fill);
  return bytes(padded);
}

}  // namespace mapsetdesk
