#pragma once
// Bounds-checked little-endian access to the bytes of a Garmin file. A read or
// write outside the buffer does nothing, yields 0 and sets a sticky error
// flag, so a parser reads a whole record and checks ok() once.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mapsetdesk {

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes, std::size_t offset = 0)
      : bytes_(bytes), offset_(offset), ok_(offset <= bytes.size()) {}

  std::uint8_t u8() { return static_cast<std::uint8_t>(take(1)); }
  std::uint16_t u16() { return static_cast<std::uint16_t>(take(2)); }
  std::uint32_t u32() { return static_cast<std::uint32_t>(take(4)); }
  // The next count bytes; empty (and the flag set) when fewer are left.
  std::string_view bytes(std::size_t count);
  void seek(std::size_t offset);
  void skip(std::size_t count) { seek(count > remaining() ? bytes_.size() + 1 : offset_ + count); }

  std::size_t offset() const { return offset_; }
  std::size_t remaining() const { return ok_ ? bytes_.size() - offset_ : 0; }
  bool ok() const { return ok_; }

 private:
  std::uint32_t take(std::size_t width);

  std::string_view bytes_;
  std::size_t offset_;
  bool ok_;
};

// The two bytes of a 16-bit number, low byte first, as Garmin's files and the
// registry's ID value hold it.
std::string u16Bytes(std::uint16_t value);

// Patches a buffer in place and never changes its length, so the bytes the
// system does not interpret survive unchanged.
class ByteWriter {
 public:
  explicit ByteWriter(std::string& bytes) : bytes_(bytes) {}

  void u8At(std::size_t offset, std::uint8_t value) { put(offset, value, 1); }
  void u16At(std::size_t offset, std::uint16_t value) { put(offset, value, 2); }
  bool ok() const { return ok_; }

 private:
  void put(std::size_t offset, std::uint32_t value, std::size_t width);

  std::string& bytes_;
  bool ok_ = true;
};

}  // namespace mapsetdesk
