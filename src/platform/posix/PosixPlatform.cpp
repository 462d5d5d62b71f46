#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Platform.h"
#include "platform/posix/PosixSystemFacts.h"
#include "platform/posix/PosixUser.h"

namespace mapsetdesk {
namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::unique_ptr<SystemFacts> openSystemFacts(const PlatformOptions& options) {
  return std::make_unique<PosixSystemFacts>(dataRootFor(options));
}

std::string defaultDataRoot() {
  if (const std::string home = environment("MAPSETDESK_HOME"); !home.empty()) return home;
  // XDG base directories count only when absolute.
  if (const std::string xdg = environment("XDG_DATA_HOME"); !xdg.empty() && xdg.front() == '/')
    return joinPath(xdg, "mapsetdesk");
  std::string home = environment("HOME");
  if (home.empty()) {
    if (const auto user = currentUser()) home = user->homeFolder;
  }
  if (home.empty()) return {};
  return joinPath(joinPath(joinPath(home, ".local"), "share"), "mapsetdesk");
}

std::string executableFolder() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : self.parent_path().string();
}

std::string joinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + '/' + name;
}

}  // namespace mapsetdesk
