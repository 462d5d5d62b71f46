#pragma once
// A data root of its own for the command line, run in German, with the
// stand-ins of the outside programs in a program folder of its own and a
// scratch folder as the working folder.
#include <filesystem>
#include <string>
#include <vector>

#include "platform/FilePath.h"
#include "support/RunProgram.h"
#include "support/Standins.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {

class CliRoot {
 public:
  CliRoot() { installStandins(programs.path()); }

  std::vector<std::string> withRoot(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(),
                     {"--home", home.str(), "--lang", "de", "--program-folder", programs.str()});
    return arguments;
  }
  ProgramRun cli(std::vector<std::string> arguments) const {
    return runProgram(MAPSETDESK_CLI, withRoot(std::move(arguments)), scratch);
  }
  std::filesystem::path karten() const { return home / "Karten"; }
  std::string tile(const char* name) const { return pathText(karten() / name); }

  TempDir home;
  TempDir programs;
  TempDir scratch;
};

}  // namespace mapsetdesk::testing
