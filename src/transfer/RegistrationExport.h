#pragma once
// The export of a registered mapset: every file its registration names is
// gathered into the tile folder, and the file `log` there lists their names,
// one line each, ended by CR LF, so that the import on another PC can
// register the copied folder. The log is written beside and renamed into
// place: an export that stops halfway leaves the earlier log as it was.
#include <optional>
#include <string>
#include <vector>

#include "transfer/RegistrationFiles.h"

namespace mapsetdesk {

inline constexpr char kExportLogName[] = "log";

enum class ExportOutcome { Exported, NoTileFolder, CopyFailed, LogNotWritten };

struct ExportDone {
  ExportOutcome outcome = ExportOutcome::Exported;
  std::string file;   // the file that could not be copied, or the log
  std::string error;  // the system's description of a failed copy
};

// `CollectRegFile` for one registration file: its name for the log, and a
// copy into the tile folder unless the file already lies there itself.
// Empty when the value is empty; nullopt after a failed copy (error says why).
std::optional<std::string> CollectRegFile(const RegistrationFile& file,
                                          const std::string& tileFolder, std::string& error);

// Collects every file in the order given, then writes the log; an empty
// tile folder stops it before anything is copied.
ExportDone exportRegistration(const std::vector<RegistrationFile>& files,
                              const std::string& tileFolder);

// The log's bytes for the names given, each line ended by CR LF: Windows-1252,
// or UTF-8 when a name holds a character Windows-1252 cannot (the import
// reads a log as UTF-8 when it is valid UTF-8).
std::string exportLogText(const std::vector<std::string>& names);

}  // namespace mapsetdesk
