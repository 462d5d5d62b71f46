#pragma once
// Renaming a mapset: the name lives in the TDB's header block and is repeated
// in its text and overview blocks, so the file changes length.
#include <string>
#include <string_view>

#include "formats/TdbMessages.h"
#include "platform/Dialogs.h"

namespace mapsetdesk {

struct TdbRenamed {
  TdbDamage damage = TdbDamage::None;
  std::string bytes;            // the renamed file, when damage is None
  bool checksumNeeded = false;  // version above 300, or a checksum block present
};

// The header's name becomes newName; every occurrence of the old name
// inside the name strings of the header block (the family name), the last
// text block and the last overview block (its description) is replaced;
// their length fields follow. Numbers and bounds keep every byte. newName is
// Windows-1252 bytes.
TdbRenamed renameTdbBytes(std::string_view file, std::string_view newName);

enum class RenameOutcome {
  Renamed,
  FileMissing,   // the fileMissing message was shown
  ReadFailed,    // the file cannot be opened or read; it is unchanged
  Damaged,       // the damaged message was shown, the file is unchanged
  // The renamed file would be too short for its checksum: the unknown-format
  // message was shown, no backup was made and the file is unchanged.
  ChecksumRefused,
  BackupFailed,  // no backup could be made; the file is unchanged
  WriteFailed,   // the backup exists; the file is unchanged
};

// The rename worked out in memory, nothing written: outcome Renamed when it
// can be written, else why not, with the message TDBNameAendern shows.
struct PreparedTdbRename {
  RenameOutcome outcome = RenameOutcome::Renamed;
  std::string original;
  std::string renamed;
};
PreparedTdbRename prepareTdbRename(const std::string& path, const std::string& newName,
                                   Dialogs& dialogs, const TdbTexts& texts);
// The backup with its message, then the prepared file put in place.
RenameOutcome writeTdbRename(const std::string& path, const PreparedTdbRename& prepared,
                             bool quiet, Dialogs& dialogs, const TdbTexts& texts);

// The whole rename of the TDB at path to newName (UTF-8 text): backup as
// path + "-BAK" with its message, the rewritten file with its checksum
// renewed where the file keeps one, put in place by a rename (the old file
// stays whole if anything fails), then the name-changed message unless quiet.
RenameOutcome TDBNameAendern(const std::string& path, const std::string& newName, bool quiet,
                             Dialogs& dialogs, const TdbTexts& texts);

}  // namespace mapsetdesk
