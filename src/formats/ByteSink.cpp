#include "formats/ByteSink.h"

namespace mapsetdesk {

ByteSink& ByteSink::put(std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) bytes_ += static_cast<char>((value >> (8 * i)) & 0xFF);
  return *this;
}

ByteSink& ByteSink::field(std::string_view data, std::size_t width, char fill) {
  std::string padded(data.substr(0, width));
  padded.resize(width, fill);
  return bytes(padded);
}

}  // namespace mapsetdesk
