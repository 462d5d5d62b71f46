#pragma once
// The small byte and file helpers the stand-ins share.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formats/ByteSink.h"

namespace mapsetdesk::standin {

// A block of a TDB or MPS file: identifier, u16 payload length, payload.
std::string block(std::uint8_t id, std::string_view payload);

std::uint32_t readU16(std::string_view bytes, std::size_t offset);
std::uint32_t readU32(std::string_view bytes, std::size_t offset);
// A 24-bit two's-complement value, as map coordinates are stored.
std::int32_t readI24(std::string_view bytes, std::size_t offset);
// The zero-terminated text at offset; its end is the zero (or the end).
std::string readText(std::string_view bytes, std::size_t offset);

std::optional<std::string> readWholeFile(const std::string& path);
bool writeWholeFile(const std::string& path, std::string_view bytes);

// A file name's last part, without its folder.
std::string baseName(const std::string& path);
std::string withoutExtension(const std::string& name);

// Text from the command line, which holds UTF-8 on POSIX and the ANSI code
// page on Windows: as the program's UTF-8 (paths), and as Windows-1252 bytes
// (names inside the map files).
std::string textArgument(std::string_view argument);
std::string ansiArgument(std::string_view argument);

}  // namespace mapsetdesk::standin
