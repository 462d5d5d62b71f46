#pragma once
// The TDB checksum block: the CRC-32 of every byte before the block's
// identifier, kept by files of version 301 and above and by every file that
// has such a block.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "formats/TdbLayout.h"
#include "formats/TdbMessages.h"

namespace mapsetdesk {

// Offsets from the block's identifier byte of the CRC bytes, most significant
// first. Each is stored as a little-endian 32-bit word, so up to three zero
// bytes follow it (a later word overwrites an earlier word's padding), never
// past the end of the block.
inline constexpr std::array<std::size_t, 4> kTdbCrcBytes = {5, 12, 15, 20};
inline constexpr std::size_t kTdbCrcWord = 4;
// Smaller files are not TDB files the system knows.
inline constexpr std::size_t kTdbMinChecksumFile = 40;

enum class TdbChecksumState { None, Ok, Bad };

struct TdbChecksumCheck {
  TdbChecksumState state = TdbChecksumState::None;
  TdbDamage damage = TdbDamage::None;  // the check could not be made
  std::uint32_t stored = 0;
  std::uint32_t computed = 0;
};

// None when the file has no checksum block.
TdbChecksumCheck checkTdbChecksum(std::string_view file);

enum class ChecksumOutcome {
  Written,          // the CRC is stored in the checksum block
  NoChecksumBlock,  // nothing to do
  CrcZero,          // a CRC of 0 is never stored
  UnknownFormat,    // shorter than 40 bytes
  Damaged,
  FileError,
};

struct ChecksumApplied {
  ChecksumOutcome outcome = ChecksumOutcome::NoChecksumBlock;
  TdbDamage damage = TdbDamage::None;
  // When Written: the bytes that may have changed.
  std::size_t areaStart = 0;
  std::size_t areaEnd = 0;
};

// Stores the CRC in the first checksum block of the buffer; the length and
// every byte outside the block's CRC area stay as they are.
ChecksumApplied applyTdbChecksum(std::string& file);

// Recomputes the checksum of the file at path in place. Shows the
// unknown-format message for a file under 40 bytes and the damaged message
// for a file whose blocks cannot be walked up to a checksum block.
ChecksumOutcome ChecksumAendern(const std::string& path, Dialogs& dialogs,
                                const TdbTexts& texts);

}  // namespace mapsetdesk
