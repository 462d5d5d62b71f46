#include "formats/TreDrawPriority.h"

#include <array>
#include <fstream>

#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

// Each read costs more than the bytes it brings, so the search reads 16 KB at
// a time; the priority byte then mostly lies in what was read already.
constexpr std::size_t kChunk = 16384;

std::string scrambledSignature(std::uint8_t xorByte) {
  std::string pattern(kTreSignature);
  for (char& c : pattern) c = static_cast<char>(static_cast<unsigned char>(c) ^ xorByte);
  return pattern;
}

// The form's XOR byte: the container's first byte, or 0 for a subfile and
// for an empty stream.
std::uint8_t xorByteOf(std::istream& in, TreForm form) {
  if (form == TreForm::Subfile) return 0;
  const int first = in.peek();
  return first == std::char_traits<char>::eof() ? 0 : static_cast<std::uint8_t>(first);
}

// The byte at offset, or nullopt past the end.
std::optional<std::uint8_t> byteAt(std::istream& in, std::uint64_t offset) {
  in.clear();
  in.seekg(static_cast<std::streamoff>(offset));
  const int value = in.get();
  if (value == std::char_traits<char>::eof()) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

struct OpenTre {
  FileStatus status = FileStatus::Ok;
  std::uint8_t xorByte = 0;
  std::optional<TreHit> hit;
};

OpenTre search(std::istream& in, TreForm form) {
  OpenTre result;
  result.xorByte = xorByteOf(in, form);
  result.hit = findDrawPriority(in, result.xorByte);
  if (in.bad()) result.status = FileStatus::ReadFailed;
  return result;
}

FileStatus openFailure(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(filePath(path), error) ? FileStatus::CannotOpen
                                                                 : FileStatus::Missing;
}

}  // namespace

std::optional<std::size_t> findDrawPriority(std::string_view bytes, std::uint8_t xorByte) {
  const std::size_t start = bytes.find(scrambledSignature(xorByte));
  if (start == std::string_view::npos) return std::nullopt;
  const std::size_t offset = start + kTreDrawPriorityDistance;
  if (offset >= bytes.size()) return std::nullopt;
  return offset;
}

std::optional<TreHit> findDrawPriority(std::istream& in, std::uint8_t xorByte) {
  const std::string pattern = scrambledSignature(xorByte);
  const std::size_t keep = pattern.size() - 1;  // a match may straddle two chunks
  std::string window;
  std::uint64_t windowStart = 0;
  std::array<char, kChunk> chunk;
  in.clear();
  in.seekg(0);
  while (in) {
    in.read(chunk.data(), chunk.size());
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got == 0) break;
    window.append(chunk.data(), got);
    const std::size_t match = window.find(pattern);
    if (match != std::string::npos) {
      const std::size_t inWindow = match + kTreDrawPriorityDistance;
      const std::uint64_t offset = windowStart + inWindow;
      const std::optional<std::uint8_t> stored = inWindow < window.size()
                                                     ? static_cast<std::uint8_t>(window[inWindow])
                                                     : byteAt(in, offset);
      if (!stored) return std::nullopt;
      return TreHit{offset, *stored};
    }
    if (window.size() > keep) {
      windowStart += window.size() - keep;
      window.erase(0, window.size() - keep);
    }
  }
  return std::nullopt;
}

TreRead readDrawPriority(const std::string& path, TreForm form) {
  std::ifstream in(filePath(path), std::ios::binary);
  if (!in) return {openFailure(path), std::nullopt};
  const OpenTre found = search(in, form);
  if (!found.hit) return {found.status, std::nullopt};
  return {found.status, static_cast<std::uint8_t>(found.hit->stored ^ found.xorByte)};
}

OpenDrawPriority::OpenDrawPriority(const std::string& path, TreForm form)
    : io_(filePath(path), std::ios::binary | std::ios::in | std::ios::out) {
  if (!io_) {
    status_ = openFailure(path);
    return;
  }
  const OpenTre found = search(io_, form);
  status_ = found.status;
  xorByte_ = found.xorByte;
  if (status_ == FileStatus::Ok) hit_ = found.hit;
}

TreWritten OpenDrawPriority::write(std::uint8_t priority) {
  if (status_ != FileStatus::Ok || !hit_) return {status_, false};
  const auto stored = static_cast<std::uint8_t>(priority ^ xorByte_);
  io_.clear();
  io_.seekp(static_cast<std::streamoff>(hit_->offset));
  io_.put(static_cast<char>(stored));
  io_.close();
  return {io_.fail() ? FileStatus::WriteFailed : FileStatus::Ok, true, stored};
}

}  // namespace mapsetdesk
