#include "history/ItemState.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "formats/FileBytes.h"
#include "platform/Crc32.h"
#include "platform/FilePath.h"
#include "platform/RegistryTransfer.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

std::string fingerprint(const std::string& kind, const std::string& bytes) {
  return kind + ':' + std::to_string(bytes.size()) + ':' + std::to_string(crc32(bytes));
}

std::string keyState(Registry& registry, Root root, const std::string& path) {
  if (!registry.keyExists(root, path)) return kAbsent;
  const auto text = exportRegistryKey(registry, root, path);
  return text ? fingerprint("key", *text) : "unreadable";
}

std::string folderState(const fs::path& folder) {
  std::vector<std::string> lines;
  std::error_code error;
  for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    std::string line = pathText(it->path().lexically_relative(folder));
    std::error_code sizeError;
    if (it->is_regular_file(sizeError)) line += '\t' + std::to_string(it->file_size(sizeError));
    lines.push_back(line);
  }
  if (error) return "unreadable";
  std::sort(lines.begin(), lines.end());
  std::string listing;
  for (const std::string& line : lines) listing += line + '\n';
  return fingerprint("folder", listing);
}

std::string rangeState(const std::string& path, std::uint64_t offset, std::size_t size) {
  const auto bytes = readRange(path, offset, size);
  if (!bytes) return isFile(path) ? "unreadable" : kAbsent;
  return bytesState(*bytes);
}

}  // namespace

std::string bytesState(const std::string& bytes) {
  if (bytes.size() > 16) return fingerprint("bytes", bytes);
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string state = "b:";
  for (const char c : bytes) {
    state += kHex[(static_cast<unsigned char>(c) >> 4) & 0xF];
    state += kHex[static_cast<unsigned char>(c) & 0xF];
  }
  return state;
}

std::optional<std::string> readRange(const std::string& path, std::uint64_t offset,
                                     std::size_t size) {
  std::ifstream in(filePath(path), std::ios::binary);
  std::string bytes(size, '\0');
  if (!in.seekg(static_cast<std::streamoff>(offset)) ||
      !in.read(bytes.data(), static_cast<std::streamsize>(size)))
    return std::nullopt;
  return bytes;
}

std::string pathState(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(filePath(path), error);
  if (!fs::exists(status)) return kAbsent;
  if (fs::is_directory(status)) return folderState(filePath(path));
  if (!fs::is_regular_file(status)) return "other";
  const FileContent content = readFileBytes(path);
  return content.status == FileStatus::Ok ? fingerprint("file", content.bytes) : "unreadable";
}

std::string currentState(Registry& registry, const JournalRecord& record) {
  switch (record.kind) {
    case RecordKind::Key:
      return keyState(registry, record.root, record.path);
    case RecordKind::Patch:
      return rangeState(record.path, record.offset, record.bytes.size());
    default:
      return pathState(record.path);
  }
}

}  // namespace mapsetdesk
