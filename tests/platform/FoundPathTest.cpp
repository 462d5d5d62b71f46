// Paths named in another case than the file system holds them.
#include <gtest/gtest.h>

#include "platform/FileIdentity.h"
#include "platform/FilePath.h"
#include "platform/FoundPath.h"
#include "platform/Platform.h"
#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

TEST(FoundPath, AnExactNameStaysAndAnotherCaseFindsTheFile) {
  testing::TempDir folder;
  testing::writeFile(folder / "Topo_Har.tdb", "tdb");
  const std::string exact = joinPath(folder.str(), "Topo_Har.tdb");
  EXPECT_EQ(foundPath(exact), exact);
  EXPECT_TRUE(isFileAnyCase(joinPath(folder.str(), "Topo_Har.TDB")));
  EXPECT_TRUE(isFileAnyCase(joinPath(folder.str(), "TOPO_HAR.tdb")));
  EXPECT_FALSE(isFileAnyCase(joinPath(folder.str(), "Topo_Ha.TDB")));
  const std::string missing = joinPath(folder.str(), "none.img");
  EXPECT_EQ(foundPath(missing), missing);
  EXPECT_EQ(foundPath(""), "");
}

TEST(FoundPath, FoldersAreFoundLikewise) {
  testing::TempDir folder;
  std::filesystem::create_directories(folder / "Karten");
  EXPECT_TRUE(isFolderAnyCase(joinPath(folder.str(), "KARTEN")));
  EXPECT_FALSE(isFileAnyCase(joinPath(folder.str(), "KARTEN")));
}

// Many lookups in one folder share its listing, and each finds its own file.
TEST(FoundPath, ManyLookupsInOneFolderEachFindTheirFile) {
  testing::TempDir folder;
  testing::writeFile(folder / "a.TDB", "a");
  testing::writeFile(folder / "B.img", "b");
  FoundPaths paths;
  for (const char* wanted : {"A.tdb", "b.IMG"}) {
    const std::string found = paths.found(joinPath(folder.str(), wanted));
    EXPECT_TRUE(isFile(found)) << found;
    EXPECT_TRUE(samePathAnyCase(found, joinPath(folder.str(), wanted))) << found;
  }
  const std::string missing = joinPath(folder.str(), "c.img");
  EXPECT_EQ(paths.found(missing), missing);
}

TEST(FileIdentity, TwoSpellingsAndAHardLinkAreOneFileAndACopyIsAnother) {
  testing::TempDir folder;
  testing::writeFile(folder / "karte.tdb", "tdb");
  testing::writeFile(folder / "kopie.tdb", "tdb");
  std::filesystem::create_directories(folder / "sub");
  std::filesystem::create_hard_link(folder / "karte.tdb", folder / "link.tdb");
  const auto file = fileIdentity(joinPath(folder.str(), "karte.tdb"));
  ASSERT_TRUE(file);
  EXPECT_EQ(fileIdentity(joinPath(joinPath(folder.str(), "sub"), "../karte.tdb")), file);
  EXPECT_EQ(fileIdentity(joinPath(folder.str(), "link.tdb")), file);
  EXPECT_NE(fileIdentity(joinPath(folder.str(), "kopie.tdb")), file);
  EXPECT_FALSE(fileIdentity(joinPath(folder.str(), "none.tdb")));
  EXPECT_FALSE(fileIdentity(""));
}

}  // namespace
}  // namespace mapsetdesk
