#include "platform/FileReplace.h"

#include <fstream>
#include <system_error>

#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

// Beside the target, so the rename stays on one volume and is atomic.
std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
  std::filesystem::path temporary = target;
  temporary += ".mapsetdesk-new";
  return temporary;
}

enum class Written { Ok, NotCreated, Failed };

Written writeWhole(const std::filesystem::path& file,
                   const std::function<bool(std::ostream&)>& write) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return Written::NotCreated;
  const bool complete = write(out);
  out.close();
  return !complete || out.fail() ? Written::Failed : Written::Ok;
}

}  // namespace

bool replaceFile(const std::string& path, std::string_view content) {
  return replaceFileWith(path, [content](std::ostream& out) {
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return static_cast<bool>(out);
  });
}

bool replaceFileWith(const std::string& path, const std::function<bool(std::ostream&)>& write) {
  const std::filesystem::path target = filePath(path);
  const std::filesystem::path temporary = temporaryBeside(target);
  const Written written = writeWhole(temporary, write);
  if (written == Written::NotCreated) return false;
  std::error_code error;
  if (written == Written::Ok) {
    std::filesystem::rename(temporary, target, error);
    if (!error) return true;
  }
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace mapsetdesk
