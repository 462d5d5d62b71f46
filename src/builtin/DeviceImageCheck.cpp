#include "builtin/DeviceImageCheck.h"

#include "builtin/ImageContents.h"
#include "formats/TdbTiles.h"

namespace mapsetdesk::builtin {
namespace {

bool isDamaged(ImgFileProblem problem) {
  return problem == ImgFileProblem::BlockReused || problem == ImgFileProblem::SizeBeyondBlocks ||
         problem == ImgFileProblem::RepeatedEntry;
}

}  // namespace

DeviceImageCheck checkDeviceImage(const std::string& path) {
  ImgFile image = ImgFile::open(path);
  if (isDamaged(image.problem())) return {DeviceImageVerdict::Damaged, {}};
  if (image.problem() != ImgFileProblem::None) return {DeviceImageVerdict::Unreadable, {}};
  const ProductList products = readImageProducts(image);
  if (products.damaged) return {DeviceImageVerdict::Damaged, {}};
  if (products.maps.empty()) return {};
  DeviceImageCheck check;
  for (const std::uint32_t mapNumber : tilesWithoutFamily(readImageTiles(image), products))
    check.tilesWithoutFamily.push_back(tileName(mapNumber));
  if (!check.tilesWithoutFamily.empty()) check.verdict = DeviceImageVerdict::TilesWithoutFamily;
  return check;
}

}  // namespace mapsetdesk::builtin
