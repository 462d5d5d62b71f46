#include "support/GarminFiles.h"

#include "platform/FilePath.h"
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

void GarminFilesTest::copyTilesWithList(const std::filesystem::path& folder,
                                        const std::filesystem::path& list) {
  std::filesystem::create_directories(folder);
  std::string lines;
  for (const char* tile : {"63240001.img", "63240002.img"}) {
    std::filesystem::copy_file(garmin(std::string("mapset/") + tile), folder / tile);
    lines += pathText(folder / tile) + "\r\n";
  }
  writeFile(list, lines);
}

}  // namespace mapsetdesk::testing
