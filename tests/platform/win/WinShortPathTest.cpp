// On Windows the short form is the 8.3 form: no blanks, no long names.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FilePath.h"
#include "platform/ShortPath.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

TEST(WinShortPath, AnExistingPathWithBlanksBecomesItsEightDotThreeForm) {
  TempDir scratch;
  const std::filesystem::path folder = scratch / "Karten mit langem Namen";
  writeFile(folder / "eine lange Liste.txt", "x");
  const std::string shortForm = shortPath(pathText(folder / "eine lange Liste.txt"));
  EXPECT_EQ(shortForm.find(' '), std::string::npos) << shortForm;
  EXPECT_EQ(shortForm.find("Karten mit langem Namen"), std::string::npos) << shortForm;
  EXPECT_TRUE(std::filesystem::equivalent(filePath(shortForm), folder / "eine lange Liste.txt"));
}

}  // namespace
}  // namespace mapsetdesk::testing
