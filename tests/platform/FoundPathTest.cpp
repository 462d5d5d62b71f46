// Paths named in another case than the file system holds them.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace mapsetdesk
