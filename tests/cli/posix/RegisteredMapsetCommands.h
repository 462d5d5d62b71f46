#pragma once
// A fresh data root with one mapset of mkgmap files (TDB, overview, tiles and
// a TYP beside them) registered through the command line, which the command
// tests then act on in German.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/FilePath.h"
#include "support/ExistingMapsetFiles.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {

class RegisteredMapsetCommands : public ::testing::Test {
 protected:
  explicit RegisteredMapsetCommands(std::string name) : name_(std::move(name)) {}

  void SetUp() override {
    ASSERT_TRUE(files.available()) << "run through ctest, which makes the mkgmap files";
    ASSERT_EQ(cli({"set-wow64", "no"}).exitCode, 0);
    mapset = files.make(home / "Karten", name_, 4711, 3, {.typ = true});
    std::filesystem::copy_file(filePath(mapset.typ), home / "Karten" / "harz-typ.typ");
    const ProgramRun run = cli(
        {"register", "--tiles", mapset.tiles, "--tdb", mapset.tdb, "--overview", mapset.overview});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  }

  ProgramRun cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--lang", "de", "--home", home.str(),
                                         "--program-folder", (home / "program").string()});
    return runProgram(MAPSETDESK_CLI, arguments, scratch);
  }

  TempDir home;
  TempDir scratch;
  ExistingMapsetFiles files;
  ExistingFiles mapset;

 private:
  std::string name_;
};

}  // namespace mapsetdesk::testing
