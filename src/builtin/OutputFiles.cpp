#include "builtin/OutputFiles.h"

#include <filesystem>
#include <system_error>

#include "builtin/ReportLines.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"
#include "platform/Platform.h"

namespace mapsetdesk::builtin {

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
