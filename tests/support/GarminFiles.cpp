#include "support/GarminFiles.h"

#include "support/RealMapsets.h"

namespace mapsetdesk::testing {

void GarminFilesTest::SetUp() {
  const RealMapsets mapsets;
  ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
  root_ = mapsets.root();
}

std::string GarminFilesTest::copy(const std::string& relative, const std::string& as) {
  const std::filesystem::path source = garmin(relative);
  const std::filesystem::path target = scratch_ / (as.empty() ? source.filename().string() : as);
  std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing);
  return target.string();
}

}  // namespace mapsetdesk::testing
