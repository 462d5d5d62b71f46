#pragma once
// Names read from a device image go on into TDB files, overview sources and
// Info.xml, where a line break or a control byte changes the meaning (a
// second "ID=" line) or breaks the file (invalid XML). They lose such bytes
// where they are read.
#include <algorithm>
#include <string>
#include <string_view>

namespace mapsetdesk {

inline std::string withoutControlCharacters(std::string_view text) {
  std::string plain(text);
  std::erase_if(plain, [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
  return plain;
}

}  // namespace mapsetdesk
