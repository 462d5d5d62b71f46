#include "platform/DurableWrite.h"

#include <windows.h>

#include <algorithm>

namespace mapsetdesk {
namespace {

constexpr DWORD kLargestWrite = 1u << 30;

bool writeAll(HANDLE file, std::string_view content) {
  while (!content.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), kLargestWrite));
    DWORD written = 0;
    if (!WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0) return false;
    content.remove_prefix(written);
  }
  return true;
}

}  // namespace

Written writeDurably(const std::filesystem::path& file, std::string_view content) {
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return Written::NotCreated;
  const bool ok = writeAll(handle, content) && FlushFileBuffers(handle);
  return CloseHandle(handle) && ok ? Written::Ok : Written::Failed;
}

bool appendDurably(const std::filesystem::path& file, std::string_view content) {
  const HANDLE handle = CreateFileW(file.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool ok = writeAll(handle, content) && FlushFileBuffers(handle);
  return CloseHandle(handle) && ok;
}

bool syncFile(const std::filesystem::path& file) {
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool ok = FlushFileBuffers(handle);
  return CloseHandle(handle) && ok;
}

void copyFileAttributes(const std::filesystem::path& from, const std::filesystem::path& to) {
  const DWORD attributes = GetFileAttributesW(from.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  // Nothing is renamed over a read-only file, so a read-only copy could only
  // stay behind undeletable.
  SetFileAttributesW(to.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
}

bool renameDurably(const std::filesystem::path& from, const std::filesystem::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace mapsetdesk
