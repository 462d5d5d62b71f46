#include "transfer/RegistrationExport.h"

#include <filesystem>

#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"
#include "platform/Platform.h"

namespace mapsetdesk {

namespace fs = std::filesystem;

std::optional<std::string> CollectRegFile(const RegistrationFile& file,
                                          const std::string& tileFolder, std::string& error) {
  if (file.path.empty()) return std::string();
  const std::string name = pathText(filePath(file.path).filename());
  const std::string target = joinPath(tileFolder, name);
  std::error_code failure;
  // A file of that name from an earlier export may be stale; only the very
  // file the registration names is left as it is.
  if (fs::equivalent(filePath(file.path), filePath(target), failure)) return name;
  failure.clear();
  if (isFile(file.path)) {
    // The stale copy goes first: the Windows build's file library refuses
    // to copy over an existing file even when told to.
    if (isFile(target)) fs::remove(filePath(target), failure);
    if (!failure) fs::copy_file(filePath(file.path), filePath(target), failure);
  } else {
    failure = std::make_error_code(std::errc::no_such_file_or_directory);
  }
  if (!failure) return name;
  error = failure.message();
  return std::nullopt;
}

ExportDone exportRegistration(const std::vector<RegistrationFile>& files,
                              const std::string& tileFolder) {
  // Without a tile folder every copy would land in the current folder.
  if (tileFolder.empty()) return {ExportOutcome::NoTileFolder, {}, {}};
  std::vector<std::string> names;
  for (const RegistrationFile& file : files) {
    std::string error;
    const auto name = CollectRegFile(file, tileFolder, error);
    if (!name) return {ExportOutcome::CopyFailed, file.path, error};
    if (!name->empty()) names.push_back(*name);
  }
  const std::string log = joinPath(tileFolder, kExportLogName);
  if (!replaceFile(log, exportLogText(names))) return {ExportOutcome::LogNotWritten, log, {}};
  return {};
}

std::string exportLogText(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += name + "\r\n";
  const std::string ansi = toAnsi(text);
  return fromAnsi(ansi) == text ? ansi : text;
}

}  // namespace mapsetdesk
