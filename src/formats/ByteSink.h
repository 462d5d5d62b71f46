#pragma once
// Building little-endian records by appending, for the files the system
// writes whole (TDB, MDX, IMG directory entries, the overview's subfiles); a
// field already written is patched with u16At.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mapsetdesk {

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

  // A field already written; offsets past the end change nothing.
  void u16At(std::size_t offset, std::uint32_t value);

  std::size_t size() const { return bytes_.size(); }
  const std::string& str() const { return bytes_; }
  std::string take() { return std::move(bytes_); }

 private:
  ByteSink& put(std::uint32_t value, int width);
  std::string bytes_;
};

}  // namespace mapsetdesk
