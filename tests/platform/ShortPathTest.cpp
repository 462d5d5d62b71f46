// The short form of a path names the same file, and a path that does not
// exist comes back as it is.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FilePath.h"
#include "platform/ShortPath.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

TEST(ShortPath, NamesTheSameFileAndLeavesAMissingPathAlone) {
  TempDir scratch;
  const std::filesystem::path file = scratch / "Karten Harz Nord" / "Topo Harz Nord.tdb";
  writeFile(file, "TDB");
  const std::string shortForm = shortPath(pathText(file));
  EXPECT_TRUE(std::filesystem::equivalent(filePath(shortForm), file)) << shortForm;
  EXPECT_EQ(readFile(filePath(shortForm)), "TDB");

  const std::string missing = pathText(scratch / "no such folder" / "list.txt");
  EXPECT_EQ(shortPath(missing), missing);
}

}  // namespace
}  // namespace mapsetdesk::testing
