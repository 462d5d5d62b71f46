#pragma once
// The import's reading of an exported folder's `log`: each name goes to the
// field of the registration window that the end of its name gives. The names
// come from a removable disk and the registration patches the files they
// name, so a name that could reach outside the copied folder is refused.
#include <optional>
#include <string>
#include <string_view>

namespace mapsetdesk {

enum class LogField { None, Tdb, Overview, Mdr, Typ, Trf, Index };

// By the last three characters, in the letter cases the export's other side
// writes: TDB, IMG (overview, or MDR when the name ends in MDR.IMG, mdr.IMG
// or mdr.img; any other name holding "mdr." is passed over), TYP, TRF, MDX.
LogField classifyLogName(const std::string& name);

// A name the log may hold: not empty, no folder separator, no drive, not
// "." or "..", none of the characters < > " | ? * and no control character.
bool isPlainFileName(const std::string& name);

// The names of the log, one field each; a later name of a kind replaces an
// earlier one.
struct LogNames {
  std::string tdb;
  std::string overview;
  std::string mdr;
  std::string typ;
  std::string trf;
  std::string index;
  std::optional<std::string> refused;  // the first name that is not a plain file name
};

// Reads the lines up to the end or the first empty line (CR LF or LF ends a
// line; Windows-1252 unless the bytes are valid UTF-8). At a refused name
// the reading stops.
LogNames readImportLog(std::string_view bytes);

}  // namespace mapsetdesk
