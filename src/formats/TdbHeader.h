#pragma once
// The TDB header block: the fields the catalogue shows and the editors patch.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "formats/FileBytes.h"
#include "formats/TdbLayout.h"

namespace mapsetdesk {

// Offsets from the start of the file, which is the start of the header block.
inline constexpr std::size_t kTdbPidOffset = 0x03;      // u16 LE product ID
inline constexpr std::size_t kTdbFidOffset = 0x05;      // u16 LE family ID
inline constexpr std::size_t kTdbVersionOffset = 0x07;  // u16 LE format version
inline constexpr std::size_t kTdbNameOffset = 0x09;     // zero-terminated, Windows-1252
inline constexpr std::size_t kTdbMinHeaderPayload = 9;
inline constexpr std::size_t kTdbListedNameBytes = 40;  // the catalogue shows no more
inline constexpr std::size_t kTdbMaxNameEnd = 255;      // zero at most this far into the block
// Versions above this keep a checksum block up to date.
inline constexpr std::uint16_t kTdbChecksumVersion = 300;

struct TdbHeader {
  std::uint16_t pid = 0;
  std::uint16_t fid = 0;  // the field as stored
  std::uint16_t version = 0;
  std::string name;       // the whole name, Windows-1252 bytes
  std::size_t nameEnd = 0;  // file offset of the name's terminating zero

  // What the catalogue shows as the family ID: a FID field of 0 means the
  // mapset uses its product ID as family ID.
  std::uint16_t listedFid() const { return fid != 0 ? fid : pid; }
  // The name as the catalogue lists it: at most its first 40 bytes.
  std::string listedName() const { return name.substr(0, kTdbListedNameBytes); }
};

struct TdbHeaderResult {
  TdbDamage damage = TdbDamage::None;
  TdbHeader header;  // valid when damage is None
};

// start: the file's bytes from offset 0, at least the whole header block.
TdbHeaderResult parseTdbHeader(std::string_view start);

struct TdbHeaderRead {
  FileStatus status = FileStatus::Ok;
  TdbDamage damage = TdbDamage::None;
  TdbHeader header;  // valid when status is Ok and damage is None
};

// Reads the header block only, never the rest of the file.
TdbHeaderRead readTdbHeader(const std::string& path);

// In-place patches of the ID fields; the file keeps its length and every
// other byte. The checksum is the caller's next step.
FileStatus patchTdbFid(const std::string& path, std::uint16_t fid);
FileStatus patchTdbIds(const std::string& path, std::uint16_t pid, std::uint16_t fid);

}  // namespace mapsetdesk
