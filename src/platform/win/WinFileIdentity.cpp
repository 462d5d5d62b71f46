#include <windows.h>

#include "platform/FileIdentity.h"
#include "platform/FilePath.h"

namespace mapsetdesk {

std::optional<FileIdentity> fileIdentity(const std::string& utf8Path) {
  if (utf8Path.empty()) return std::nullopt;
  // Only the file's attributes are read; others may go on writing it. A
  // folder opens only with backup semantics.
  const HANDLE file = CreateFileW(filePath(utf8Path).c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool read = GetFileInformationByHandle(file, &info) != 0;
  CloseHandle(file);
  if (!read) return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber,
                      (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

}  // namespace mapsetdesk
