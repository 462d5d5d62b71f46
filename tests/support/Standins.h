#pragma once
// The stand-ins of the outside programs (tests/standins), built with the
// tests, and a way to put them where the program looks for them.
#include <filesystem>
#include <string>

namespace mapsetdesk::testing {

// A built stand-in or test program, e.g. "runnerprobe.exe" or
// "Version97c/cgpsmapper.exe".
std::filesystem::path standin(const std::string& relative);

// Copies the stand-ins into a program folder as the program expects them:
// gmt.exe, Version97c\cgpsmapper.exe with Version97c\sendg.dll, and
// BIN\SetACL.exe. A test that needs one missing removes it afterwards.
void installStandins(const std::filesystem::path& programFolder);

// Sets an environment variable, for this process and the programs it starts,
// until the object goes; a stand-in's fault, say.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::string name, const std::string& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
};

}  // namespace mapsetdesk::testing
