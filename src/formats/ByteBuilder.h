#pragma once
// Appends little-endian fields to a growing buffer, for the writers of Garmin
// subfiles; a field already written is patched with u16At.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mapsetdesk {

class ByteBuilder {
 public:
  ByteBuilder& u8(std::uint32_t value) { return put(value, 1); }
  ByteBuilder& u16(std::uint32_t value) { return put(value, 2); }
  ByteBuilder& u24(std::uint32_t value) { return put(value, 3); }
  ByteBuilder& u32(std::uint32_t value) { return put(value, 4); }
  ByteBuilder& bytes(std::string_view data) {
    bytes_.append(data);
    return *this;
  }
  void u16At(std::size_t offset, std::uint32_t value) { putAt(offset, value, 2); }

  std::size_t size() const { return bytes_.size(); }
  std::string take() { return std::move(bytes_); }

 private:
  ByteBuilder& put(std::uint32_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) bytes_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return *this;
  }
  void putAt(std::size_t offset, std::uint32_t value, std::size_t width) {
    for (std::size_t i = 0; i < width && offset + i < bytes_.size(); ++i)
      bytes_[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }

  std::string bytes_;
};

}  // namespace mapsetdesk
