#include "builtin/OutputFiles.h"

#include <filesystem>
#include <system_error>

#include "builtin/ReportLines.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"
#include "platform/Platform.h"

namespace mapsetdesk::builtin {
namespace {

// A name taken from inside a file must not lead out of the output folder.
bool isPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name)
    if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
  return true;
}

}  // namespace

bool OutputFiles::prepareFolder() {
  std::error_code error;
  std::filesystem::create_directories(filePath(folder_), error);
  if (isFolder(folder_)) return true;
  report_.line(cannotWriteLine(folder_) + ": " + kNoFolder);
  return false;
}

std::string OutputFiles::pathOf(const std::string& name) const { return joinPath(folder_, name); }

bool OutputFiles::write(const std::string& name,
                        const std::function<bool(std::ostream&)>& content) {
  const std::string path = pathOf(name);
  if (!isPlainFileName(name)) {
    report_.line(cannotWriteLine(path) + ": " + kNoFileName);
    return false;
  }
  const bool done = replaceFileWith(path, content);
  report_.line(done ? writtenLine(path) : cannotWriteLine(path));
  if (done) ++written_;
  report_.letEventsRun();
  return done;
}

bool OutputFiles::write(const std::string& name, std::string_view content) {
  return write(name, [content](std::ostream& out) {
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return static_cast<bool>(out);
  });
}

}  // namespace mapsetdesk::builtin
