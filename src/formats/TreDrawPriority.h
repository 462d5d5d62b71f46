#pragma once
// A tile's draw priority: one byte in the header of its TRE subfile, found by
// the subfile's signature. Tiles come as a whole IMG container (a tile file,
// every byte XORed with the container's first byte) or as separate subfiles
// of a gmap package (plain, the TRE file or the combined GMP file).
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "formats/FileBytes.h"

namespace mapsetdesk {

inline constexpr std::string_view kTreSignature = "GARMIN TRE";  // at TRE header offset 0x02
// The draw priority lies at TRE header offset 0x40, 62 bytes after the
// signature's first byte.
inline constexpr std::size_t kTreDrawPriorityDistance = 0x40 - 0x02;

enum class TreForm {
  TileFile,  // IMG container: honour the XOR byte at offset 0
  Subfile,   // plain bytes, whatever the first byte is
};

// The first occurrence (lowest offset) of the signature XORed with xorByte,
// given as the offset of its draw-priority byte; nullopt when there is none or
// when that byte would lie past the end.
std::optional<std::size_t> findDrawPriority(std::string_view bytes, std::uint8_t xorByte);

// The same search over a stream, read in chunks and stopped at the first
// match, so a header near the start costs a few kilobytes of reading.
struct TreHit {
  std::uint64_t offset = 0;  // of the draw-priority byte
  std::uint8_t stored = 0;   // the byte as it lies in the file
};
std::optional<TreHit> findDrawPriority(std::istream& in, std::uint8_t xorByte);

struct TreRead {
  FileStatus status = FileStatus::Ok;
  std::optional<std::uint8_t> priority;  // nullopt when the signature is not found
};

struct TreWritten {
  FileStatus status = FileStatus::Ok;  // CannotOpen: most often MapSource holds the file
  bool found = false;                  // false: nothing was written
  std::uint8_t stored = 0;             // when found: the byte as it now lies in the file
};

// A file held open for reading and writing at its draw-priority byte, so
// that the old byte can be kept elsewhere before the new one is written,
// with one opening of the file.
class OpenDrawPriority {
 public:
  OpenDrawPriority(const std::string& path, TreForm form);

  // Where the byte lies and the byte as it lies there; nullopt when the
  // signature is not found or the file cannot be read.
  const std::optional<TreHit>& hit() const { return hit_; }
  // Writes exactly the draw-priority byte, scrambled with the XOR byte in a
  // tile file; every other byte of the file stays as it was. Closes the file.
  TreWritten write(std::uint8_t priority);

 private:
  std::fstream io_;
  FileStatus status_ = FileStatus::Ok;
  std::uint8_t xorByte_ = 0;
  std::optional<TreHit> hit_;
};

TreRead readDrawPriority(const std::string& path, TreForm form);

}  // namespace mapsetdesk
