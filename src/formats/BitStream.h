#pragma once
// The bit streams of RGN records: bits are filled from the lowest bit of each
// byte up.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mapsetdesk {

class BitWriter {
 public:
  void put(std::uint32_t value, int count);
  void putSigned(std::int32_t value, int count) { put(static_cast<std::uint32_t>(value), count); }
  std::size_t bitCount() const { return bits_; }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
  std::size_t bits_ = 0;
};

class BitReader {
 public:
  explicit BitReader(std::string_view bytes) : bytes_(bytes) {}
  // 0 past the end; remaining() tells how much is left.
  std::uint32_t get(int count);
  std::int32_t getSigned(int count);
  std::size_t remaining() const { return bytes_.size() * 8 - std::min(bits_, bytes_.size() * 8); }

 private:
  std::string_view bytes_;
  std::size_t bits_ = 0;
};

}  // namespace mapsetdesk
