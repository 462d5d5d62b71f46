#include "platform/posix/PosixSystemFacts.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/Platform.h"
#include "platform/posix/PosixUser.h"

namespace mapsetdesk {
namespace {

// GetUserNameA with its 40-character buffer fails for longer names and
// leaves the text empty; the same limit holds here.
constexpr std::size_t kUserNameLimit = 39;

std::string relativeSpecialFolder(int folder) {
  switch (folder) {
    case kFolderCommonAppData: return "ProgramData";
    case kFolderAppData: return joinPath("AppData", "Roaming");
    case kFolderLocalAppData: return joinPath("AppData", "Local");
    case kFolderPersonal: return "Documents";
    default: return {};
  }
}

}  // namespace

PosixSystemFacts::PosixSystemFacts(std::string dataRoot) : dataRoot_(std::move(dataRoot)) {}

// Not Windows: no version is named, so the start-up asks no administrator question.
std::string PosixSystemFacts::versionName() { return {}; }

bool PosixSystemFacts::IsAdmin() { return geteuid() == 0; }

std::string PosixSystemFacts::myGetUserName() {
  const auto user = currentUser();
  if (!user || user->loginName.size() > kUserNameLimit) return {};
  return user->loginName;
}

std::string PosixSystemFacts::WinDir() { return joinPath(dataRoot_, "Windows"); }

// Created on first use, as the shell's folders always exist on Windows.
std::string PosixSystemFacts::specialFolder(int folder) {
  const std::string relative = relativeSpecialFolder(folder);
  if (relative.empty()) return {};
  const std::string path = joinPath(dataRoot_, relative);
  std::error_code ignored;
  std::filesystem::create_directories(path, ignored);
  return path;
}

}  // namespace mapsetdesk
