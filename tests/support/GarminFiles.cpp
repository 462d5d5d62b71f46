#include "support/GarminFiles.h"

#include <cstdlib>

namespace mapsetdesk::testing {

void GarminFilesTest::SetUp() {
  const char* root = std::getenv("MAPSETDESK_GARMIN_FILES");
  if (root == nullptr || !std::filesystem::is_directory(root))
    GTEST_SKIP() << "no mkgmap files: run through ctest, which makes them (fixture garmin_files)";
  root_ = root;
}

std::string GarminFilesTest::copy(const std::string& relative, const std::string& as) {
  const std::filesystem::path source = garmin(relative);
  const std::filesystem::path target = scratch_ / (as.empty() ? source.filename().string() : as);
  std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing);
  return target.string();
}

}  // namespace mapsetdesk::testing
