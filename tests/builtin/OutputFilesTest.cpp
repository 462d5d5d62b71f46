// Outputs of the built-in tools appear whole or not at all, and only in the
// output folder.
#include <gtest/gtest.h>

#include "builtin/GmtFiles.h"
#include "builtin/OutputFiles.h"
#include "builtin/ReportLines.h"
#include "platform/FilePath.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class Outputs : public ::testing::Test {
 protected:
  TempDir folder;
  fs::path out = folder / "out";
  KeptReport report;
  builtin::OutputFiles files{pathText(out), report};
};

TEST_F(Outputs, AWriteThatFailsHalfwayLeavesNoFileAndTheOldOneWhole) {
  ASSERT_TRUE(files.prepareFolder());
  writeFile(out / "kept.img", "old content");
  const auto halfway = [](std::ostream& stream) {
    stream << "half of the new";
    return false;
  };
  EXPECT_FALSE(files.write("kept.img", halfway));
  EXPECT_FALSE(files.write("new.img", halfway));

  EXPECT_EQ(fileNames(out), std::vector<std::string>{"kept.img"});
  EXPECT_EQ(readFile(out / "kept.img"), "old content");
  EXPECT_EQ(report.lines,
            (std::vector<std::string>{builtin::cannotWriteLine(pathText(out / "kept.img")),
                                      builtin::cannotWriteLine(pathText(out / "new.img"))}));
  EXPECT_EQ(files.written(), 0);
}

TEST_F(Outputs, ACompleteWriteReplacesTheFileAndIsCounted) {
  ASSERT_TRUE(files.prepareFolder());
  writeFile(out / "kept.img", "old content");
  EXPECT_TRUE(files.write("kept.img", std::string_view("new")));
  EXPECT_EQ(readFile(out / "kept.img"), "new");
  EXPECT_EQ(fileNames(out), std::vector<std::string>{"kept.img"});
  EXPECT_EQ(files.written(), 1);
  EXPECT_EQ(report.eventRuns, 1);
}

TEST_F(Outputs, AFolderThatCannotBeMadeIsReported) {
  writeFile(folder / "file", "a file where the folder should go");
  KeptReport blocked;
  builtin::OutputFiles below(pathText(folder / "file" / "out"), blocked);
  EXPECT_FALSE(below.prepareFolder());
  EXPECT_EQ(blocked.lines,
            std::vector<std::string>{builtin::cannotWriteLine(pathText(folder / "file" / "out")) +
                                     ": " + builtin::kNoFolder});
}

}  // namespace
}  // namespace mapsetdesk::testing
