#include "builtin/OutputFiles.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "builtin/ReportLines.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"
#include "platform/Platform.h"

namespace mapsetdesk::builtin {
namespace {

// The device names Windows opens wherever they stand, whatever follows the dot.
bool isDeviceName(std::string_view name) {
  std::string base(name.substr(0, name.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (char& c : base) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  static const std::set<std::string> devices = {"CON", "PRN", "AUX", "NUL"};
  if (devices.count(base)) return true;
  return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
         base[3] >= '1' && base[3] <= '9';
}

// A name taken from inside a file must not lead out of the output folder.
bool isPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == ".." || isDeviceName(name)) return false;
  for (const char c : name)
    if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
  return true;
}

// The name as Windows compares names: without case, without trailing dots and
// blanks, and bytes that are no text all alike.
std::string foldedName(std::string_view name) {
  std::string folded(name);
  const bool text = isValidUtf8(name);
  for (char& c : folded) {
    const auto byte = static_cast<unsigned char>(c);
    if (!text && byte >= 0x80) c = '?';
    else c = static_cast<char>(std::tolower(byte));
  }
  while (!folded.empty() && (folded.back() == '.' || folded.back() == ' ')) folded.pop_back();
  return folded;
}

bool isSameFile(const std::string& one, const std::string& other) {
  if (other.empty()) return false;
  std::error_code error;
  return std::filesystem::equivalent(filePath(one), filePath(other), error) && !error;
}

}  // namespace

bool OutputFiles::prepareFolder() {
  std::error_code error;
  std::filesystem::create_directories(filePath(folder_), error);
  if (!isFolder(folder_)) {
    report_.line(cannotWriteLine(folder_) + ": " + kNoFolder);
    return false;
  }
  removeLeftTemporaries();
  return true;
}

// A run that was ended half-way leaves its temporary file; the next run into
// the folder takes it away.
void OutputFiles::removeLeftTemporaries() {
  std::error_code error;
  for (std::filesystem::directory_iterator it(filePath(folder_), error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = pathText(it->path().filename());
    std::error_code ignored;
    if (name.ends_with(kReplacementSuffix) && it->is_regular_file(ignored))
      std::filesystem::remove(it->path(), ignored);
  }
}

void OutputFiles::refuse(const std::string& name, const std::string& reason) {
  report_.line(cannotWriteLine(pathOf(name)) + ": " + reason);
  ++failed_;
}

const char* OutputFiles::refusal(const std::string& name, const std::string& path) {
  if (!isPlainFileName(name)) return kNoFileName;
  if (!names_.insert(foldedName(name)).second) return kNameTaken;
  if (isSameFile(path, input_)) return kInputFile;
  return nullptr;
}

std::string OutputFiles::pathOf(const std::string& name) const { return joinPath(folder_, name); }

bool OutputFiles::write(const std::string& name,
                        const std::function<bool(std::ostream&)>& content) {
  const std::string path = pathOf(name);
  if (const char* reason = refusal(name, path)) {
    refuse(name, reason);
    return false;
  }
  const bool done = replaceFileWith(path, content);
  report_.line(done ? writtenLine(path) : cannotWriteLine(path));
  ++(done ? written_ : failed_);
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
