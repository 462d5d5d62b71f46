#pragma once
// Hand-made TDB bytes, for the cases mkgmap cannot make.
#include <cstdint>
#include <string>
#include <string_view>

namespace mapsetdesk::testing {

inline std::string u16le(std::uint16_t value) {
  return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

inline std::string block(std::uint8_t id, std::string_view payload) {
  return static_cast<char>(id) + u16le(static_cast<std::uint16_t>(payload.size())) +
         std::string(payload);
}

// PID, FID, version, the name with its zero, then whatever follows it.
inline std::string headerPayload(std::uint16_t pid, std::uint16_t fid, std::uint16_t version,
                                 std::string_view name, std::string_view after = "") {
  return u16le(pid) + u16le(fid) + u16le(version) + std::string(name) + '\0' +
         std::string(after);
}

// A checksum block payload as Garmin's programs leave it before the CRC is in.
inline std::string checksumPayload() { return std::string(20, '\0'); }

// A plain TDB: header, text block, overview block, one tile, checksum block.
inline std::string smallTdb(std::string_view name, std::uint16_t version = 407) {
  std::string tile = std::string("\x39\x30\x00\x00", 4) + std::string(20, '\0') + "Kachel" + '\0';
  return block(0x50, headerPayload(1, 5000, version, name, std::string(4, '\x01'))) +
         block(0x52, "\xC3" + std::string(name) + " Vorschau" + '\0') +
         block(0x42, std::string(24, '\0') + std::string(name) + '\0') + block(0x4C, tile) +
         block(0x54, checksumPayload());
}

}  // namespace mapsetdesk::testing
