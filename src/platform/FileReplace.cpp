#include "platform/FileReplace.h"

#include <fstream>
#include <system_error>

#include "platform/DurableWrite.h"
#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

// Beside the target, so the rename stays on one volume and is atomic.
std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
  std::filesystem::path temporary = target;
  temporary += std::string(kReplacementSuffix);
  return temporary;
}

// A stream cannot flush to the disk itself: the file is flushed once written.
Written writeWhole(const std::filesystem::path& file,
                   const std::function<bool(std::ostream&)>& write) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return Written::NotCreated;
  const bool complete = write(out);
  out.close();
  return !complete || out.fail() || !syncFile(file) ? Written::Failed : Written::Ok;
}

bool replaceWith(const std::filesystem::path& target, const std::filesystem::path& temporary,
                 Written written) {
  if (written == Written::NotCreated) return false;
  if (written == Written::Ok) {
    copyFileAttributes(target, temporary);
    if (renameDurably(temporary, target)) return true;
  }
  std::error_code error;
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace

bool replaceFile(const std::string& path, std::string_view content) {
  const std::filesystem::path target = filePath(path);
  const std::filesystem::path temporary = temporaryBeside(target);
  return replaceWith(target, temporary, writeDurably(temporary, content));
}

bool replaceFileWith(const std::string& path, const std::function<bool(std::ostream&)>& write) {
  const std::filesystem::path target = filePath(path);
  const std::filesystem::path temporary = temporaryBeside(target);
  return replaceWith(target, temporary, writeWhole(temporary, write));
}

}  // namespace mapsetdesk
