#include "formats/FileBytes.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

FileStatus openStatus(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error) ? FileStatus::CannotOpen
                                                       : FileStatus::Missing;
}

}  // namespace

const char* describe(FileStatus status) {
  switch (status) {
    case FileStatus::Ok: return "ok";
    case FileStatus::Missing: return "file not found";
    case FileStatus::CannotOpen: return "file cannot be opened";
    case FileStatus::ReadFailed: return "file cannot be read";
    case FileStatus::WriteFailed: return "file cannot be written";
    case FileStatus::OutOfRange: return "file is too short";
  }
  return "unknown";
}

FileContent readFileBytes(const std::string& path) {
  return readFileStart(path, std::string::npos);
}

FileContent readFileStart(const std::string& path, std::size_t maxBytes) {
  const std::filesystem::path file = filePath(path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return {FileStatus::Missing, {}};
  std::ifstream in(file, std::ios::binary);
  if (!in) return {FileStatus::CannotOpen, {}};
  FileContent content;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (!error)
    content.bytes.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxBytes)));
  char chunk[65536];
  while (content.bytes.size() < maxBytes) {
    const std::size_t wanted = std::min(sizeof chunk, maxBytes - content.bytes.size());
    in.read(chunk, static_cast<std::streamsize>(wanted));
    content.bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (!in) break;
  }
  if (in.bad()) return {FileStatus::ReadFailed, {}};
  return content;
}

FileStatus patchFile(const std::string& path, std::uint64_t offset, std::string_view bytes) {
  const std::filesystem::path file = filePath(path);
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return openStatus(file);
  if (offset > size || bytes.size() > size - offset) return FileStatus::OutOfRange;
  std::fstream io(file, std::ios::binary | std::ios::in | std::ios::out);
  if (!io) return FileStatus::CannotOpen;
  io.seekp(static_cast<std::streamoff>(offset));
  io.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  io.close();
  return io.fail() ? FileStatus::WriteFailed : FileStatus::Ok;
}

}  // namespace mapsetdesk
