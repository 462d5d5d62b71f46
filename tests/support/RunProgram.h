#pragma once
// Runs a built program as a user would from a command prompt, and catches
// what it prints.
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace mapsetdesk::testing {

struct ProgramRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Text a program printed, with the CR LF line ends of Windows text output as
// the LF the program wrote.
std::string withLf(std::string text);

// Output goes through files in scratch, byte for byte. On POSIX the program
// runs in the locale given, the C locale unless a test chooses another, so
// that its language does not follow the machine's.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const TempDir& scratch, const std::string& locale = "C");

}  // namespace mapsetdesk::testing
