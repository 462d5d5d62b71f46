#pragma once
// The reflected CRC-32 of IEEE 802.3 (zlib, PNG), used for the TDB checksum.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace mapsetdesk {

// The TDB checksum passes 0xFFFFFFFF as start; the result is already complemented.
std::uint32_t crc32(std::string_view bytes, std::uint32_t start = 0xFFFFFFFFu);

}  // namespace mapsetdesk
