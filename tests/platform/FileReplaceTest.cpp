#include "platform/FileReplace.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

TEST(FileReplace, NewContentOfAnyLengthTakesThePlaceOfTheOld) {
  TempDir dir;
  const std::string path = (dir / "Info.xml").string();
  writeFile(path, "a longer old content");
  ASSERT_TRUE(replaceFile(path, "short"));
  EXPECT_EQ(readFile(path), "short");
  ASSERT_TRUE(replaceFile(path, std::string(100000, 'x')));
  EXPECT_EQ(readFile(path).size(), 100000u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1) << "no temporary file is left behind";
}

TEST(FileReplace, AMissingFileIsCreated) {
  TempDir dir;
  ASSERT_TRUE(replaceFile((dir / "neu.txt").string(), "da"));
  EXPECT_EQ(readFile(dir / "neu.txt"), "da");
}

TEST(FileReplace, AFailureLeavesTheOldFileWhole) {
  TempDir dir;
  const std::string path = (dir / "karte.tdb").string();
  writeFile(path, "old");
  std::filesystem::create_directory(path + ".mapsetdesk-new");
  EXPECT_FALSE(replaceFile(path, "new"));
  EXPECT_EQ(readFile(path), "old");
  EXPECT_TRUE(std::filesystem::is_directory(path + ".mapsetdesk-new")) << "not ours to remove";

  EXPECT_FALSE(replaceFile((dir / "no-such-folder" / "x").string(), "new"));
  EXPECT_FALSE(std::filesystem::exists(dir / "no-such-folder"));
}

TEST(FileReplace, NamesOutsideAsciiAreUtf8) {
  TempDir dir;
  const std::string path = dir.str() + "/S\xC3\xBC" "d.xml";
  ASSERT_TRUE(replaceFile(path, "x"));
  EXPECT_TRUE(std::filesystem::exists(dir.path() / std::filesystem::path(u8"S\u00FCd.xml")));
}

}  // namespace
}  // namespace mapsetdesk::testing
