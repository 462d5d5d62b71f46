#pragma once
// Building little-endian records by appending, and the small file helpers
// the stand-ins share.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mapsetdesk::standin {

class ByteSink {
 public:
  ByteSink& u8(std::uint32_t value) { return put(value, 1); }
  ByteSink& u16(std::uint32_t value) { return put(value, 2); }
  ByteSink& u24(std::uint32_t value) { return put(value, 3); }
  ByteSink& u32(std::uint32_t value) { return put(value, 4); }
  ByteSink& bytes(std::string_view data) {
    bytes_ += data;
    return *this;
  }
  // The text and its terminating zero.
  ByteSink& text(std::string_view data) { return bytes(data).u8(0); }
  // The text cut or padded with fill to exactly width bytes.
  ByteSink& field(std::string_view data, std::size_t width, char fill);

  const std::string& str() const { return bytes_; }
  std::string take() { return std::move(bytes_); }

 private:
  ByteSink& put(std::uint32_t value, int width);
  std::string bytes_;
};

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
