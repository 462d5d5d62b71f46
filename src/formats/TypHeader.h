#pragma once
// The one field of a TYP style file the system touches, and the names of the
// copies it makes of a TYP file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formats/FileBytes.h"

namespace mapsetdesk {

inline constexpr std::size_t kTypFidOffset = 0x2F;  // u16 LE family ID, low byte first

std::optional<std::uint16_t> readTypFid(std::string_view bytes);

// A TYP file opens with its header's length (u16 LE) and "GARMIN TYP"; the
// header holds the FID field and lies inside the file. Anything else (an IMG
// renamed .typ, a cut file) would be patched into garbage.
bool isTypFile(std::string_view bytes);
// The TYP file's bytes with fid in place; nullopt when they are no TYP file.
std::optional<std::string> typWithFid(std::string bytes, std::uint16_t fid);
// In place; the file keeps its length and every other byte.
FileStatus patchTypFid(const std::string& path, std::uint16_t fid);
// Copies the TYP file at source to target (overwriting it) with fid written
// into the copy; the source stays as it is. OutOfRange when the source is too
// short to hold the field; then no copy is made.
FileStatus copyTypWithFid(const std::string& source, const std::string& target,
                          std::uint16_t fid);

// A TYP file the user may pick: a base name of exactly eight characters and
// the extension ".typ", ".TYP" or ".Typ".
bool isPickableTypName(std::string_view fileName);

enum class TypCopy {
  Assignment,    // TYP assignment to a registered mapset: FID bytes + ".TYP"
  FidChange,     // FID change and registering an existing TDB: FID bytes + ".Typ"
  GmapPackage,   // copy in a gmap package: FID in decimal + ".Typ"
};

// File name of the copy: for the first two, the decimal low byte of the FID
// followed by its decimal high byte (0x1234 gives "5218"), so different FIDs
// can share a name; for a package the FID itself (1001 gives "1001.Typ").
std::string typCopyName(std::uint16_t fid, TypCopy copy);

}  // namespace mapsetdesk
