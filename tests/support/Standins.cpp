#include "support/Standins.h"

#include <cstdlib>

namespace mapsetdesk::testing {
namespace {

constexpr const char* kProgramFolderStandins[] = {"gmt.exe", "Version97c/cgpsmapper.exe",
                                                  "Version97c/sendg.dll", "BIN/SetACL.exe"};

void setVariable(const std::string& name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name.c_str(), value.c_str());
#else
  setenv(name.c_str(), value.c_str(), 1);
#endif
}

void removeVariable(const std::string& name) {
#ifdef _WIN32
  _putenv_s(name.c_str(), "");
#else
  unsetenv(name.c_str());
#endif
}

}  // namespace

std::filesystem::path standin(const std::string& relative) {
  return std::filesystem::path(MAPSETDESK_STANDINS) / relative;
}

void installStandins(const std::filesystem::path& programFolder) {
  for (const char* relative : kProgramFolderStandins) {
    const std::filesystem::path target = programFolder / relative;
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy_file(standin(relative), target,
                               std::filesystem::copy_options::overwrite_existing);
  }
}

ScopedEnvironment::ScopedEnvironment(std::string name, const std::string& value)
    : name_(std::move(name)) {
  setVariable(name_, value);
}

ScopedEnvironment::~ScopedEnvironment() { removeVariable(name_); }

}  // namespace mapsetdesk::testing
