#include "formats/TypHeader.h"

#include <gtest/gtest.h>

#include "support/GarminFiles.h"

namespace mapsetdesk::testing {
namespace {

using TypFromMkgmap = GarminFilesTest;

TEST_F(TypFromMkgmap, ReadsAndPatchesTheFamilyId) {
  const std::string original = bytesOf("typ/harz-typ.typ");
  EXPECT_EQ(readTypFid(original), kMkgmapFid);

  const std::string path = copy("typ/harz-typ.typ");
  ASSERT_EQ(patchTypFid(path, 0xEA60), FileStatus::Ok);
  std::string expected = original;
  expected[0x2F] = '\x60';
  expected[0x30] = '\xEA';
  EXPECT_EQ(readFile(path), expected) << "low byte first, nothing else changed";
  EXPECT_EQ(readTypFid(readFile(path)), 60000);

  ASSERT_EQ(patchTypFid(path, 0xEA60), FileStatus::Ok);
  EXPECT_EQ(readFile(path), expected) << "a second patch with the same FID changes nothing";
}

TEST(TypHeader, AFileTooShortForTheFieldIsLeftAlone) {
  TempDir dir;
  const std::string path = (dir / "short.typ").string();
  writeFile(path, std::string(0x30, 'x'));
  EXPECT_EQ(patchTypFid(path, 1), FileStatus::OutOfRange);
  EXPECT_EQ(readFile(path), std::string(0x30, 'x'));
  EXPECT_FALSE(readTypFid(std::string(0x30, 'x')));
  EXPECT_EQ(readTypFid(std::string(0x2F, 'x') + "\x01\x02"), 0x0201);
  EXPECT_EQ(patchTypFid((dir / "none.typ").string(), 1), FileStatus::Missing);
}

TEST(TypHeader, CopyNamesFollowTheirThreeRules) {
  EXPECT_EQ(typCopyName(0x1234, TypCopy::Assignment), "5218.TYP");
  EXPECT_EQ(typCopyName(1001, TypCopy::Assignment), "2333.TYP");
  EXPECT_EQ(typCopyName(1001, TypCopy::FidChange), "2333.Typ");
  EXPECT_EQ(typCopyName(1001, TypCopy::GmapPackage), "1001.Typ");
  EXPECT_EQ(typCopyName(60000, TypCopy::FidChange), "96234.Typ") << "unsigned: 0xEA60";
  EXPECT_EQ(typCopyName(60000, TypCopy::GmapPackage), "60000.Typ");
}

TEST(TypHeader, DifferentFidsCanShareACopyName) {
  const std::uint16_t lowOneHigh23 = 23 * 256 + 1;
  const std::uint16_t lowTwelveHighThree = 3 * 256 + 12;
  EXPECT_EQ(typCopyName(lowOneHigh23, TypCopy::Assignment), "123.TYP");
  EXPECT_EQ(typCopyName(lowTwelveHighThree, TypCopy::Assignment), "123.TYP");
}

TEST(TypHeader, PickableNamesHaveEightCharactersAndATypExtension) {
  EXPECT_TRUE(isPickableTypName("12345678.typ"));
  EXPECT_TRUE(isPickableTypName("Harzstil.TYP"));
  EXPECT_TRUE(isPickableTypName("abcdefgh.Typ"));
  EXPECT_FALSE(isPickableTypName("abcdefgh.tYp"));
  EXPECT_FALSE(isPickableTypName("abcdefg.typ"));
  EXPECT_FALSE(isPickableTypName("abcdefghi.typ"));
  EXPECT_FALSE(isPickableTypName("abcdefgh.txt"));
  EXPECT_FALSE(isPickableTypName("abc.efgh.typ"));
}

}  // namespace
}  // namespace mapsetdesk::testing
