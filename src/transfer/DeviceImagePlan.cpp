#include "transfer/DeviceImagePlan.h"

#include <cstdio>
#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

#include "formats/FileBytes.h"
#include "formats/ImgLayout.h"
#include "formats/TypHeader.h"
#include "install/TileFiles.h"
#include "platform/FoundPath.h"
#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

std::string megabytes(std::uint64_t bytes) { return std::to_string(wholeMegabytes(bytes)) + " MB"; }

DeviceRefusal refusalOf(const DeviceMapsetRead& read) {
  return {read.fault == DeviceFileFault::Missing ? DeviceRefusalKind::FileMissing
                                                 : DeviceRefusalKind::FileDamaged,
          read.file};
}

DeviceRefusal sameProduct(const std::vector<DeviceMapset>& mapsets) {
  std::set<std::pair<std::uint16_t, std::uint16_t>> products;
  for (const DeviceMapset& mapset : mapsets)
    if (!products.insert({mapset.fid, mapset.pid}).second)
      return {DeviceRefusalKind::SameProduct,
              std::to_string(mapset.fid) + ":" + std::to_string(mapset.pid)};
  return {};
}

// A device finds a subfile by its name; a second one of the same name would
// hide the first or make the directory unreadable.
DeviceRefusal sameSubfile(const std::vector<ImgEntry>& entries) {
  std::set<std::string> names;
  for (const ImgEntry& entry : entries)
    if (!names.insert(entry.fileName()).second)
      return {DeviceRefusalKind::SameMapNumber, entry.fileName()};
  return {};
}

std::optional<DeviceTyp> typOf(const DeviceMapset& mapset) {
  const FileContent content = readFileBytes(mapset.typFile);
  if (content.status != FileStatus::Ok) return std::nullopt;
  auto bytes = typWithFid(content.bytes, mapset.fid);
  if (!bytes) return std::nullopt;
  return DeviceTyp{mapset.fid, mapset.typFile, std::move(*bytes)};
}

// One TYP file per family: a device draws a family with one style.
std::optional<DeviceRefusal> gatherTyps(DeviceImagePlan& plan) {
  std::set<std::uint16_t> styled;
  for (const DeviceMapset& mapset : plan.mapsets) {
    if (mapset.typFile.empty() || styled.count(mapset.fid)) continue;
    auto typ = typOf(mapset);
    if (!typ) return DeviceRefusal{DeviceRefusalKind::FileDamaged, mapset.typFile};
    styled.insert(mapset.fid);
    plan.typs.push_back(std::move(*typ));
  }
  return std::nullopt;
}

ProductList productsOf(const std::vector<DeviceMapset>& mapsets) {
  ProductList list;
  for (const DeviceMapset& mapset : mapsets) {
    for (const DeviceTile& tile : mapset.tiles)
      list.maps.push_back(newMapRecord(mapset.pid, mapset.fid, tile.mapNumber,
                                       mapset.names.seriesName, tile.description,
                                       mapset.names.areaName));
    list.products.push_back(newProductRecord(mapset.pid, mapset.fid, mapset.names.familyName));
  }
  return list;
}

std::uint64_t imageSize(const DeviceImagePlan& plan, const std::vector<ImgEntry>& entries) {
  const ImgLayout layout = layOutImg(plan.description, entries);
  std::uint64_t size = layout.head.size();
  for (const ImgEntry& entry : entries)
    size += entry.size + imgPadding(entry.size, layout.blockSize);
  return size;
}

bool isInput(const DeviceImagePlan& plan, const std::filesystem::path& target) {
  std::error_code error;
  if (!std::filesystem::exists(target, error)) return false;
  const auto same = [&](const std::string& file) {
    std::error_code ignored;
    return std::filesystem::equivalent(filePath(file), target, ignored);
  };
  for (const DeviceMapset& mapset : plan.mapsets) {
    if (!mapset.typFile.empty() && same(mapset.typFile)) return true;
    for (const DeviceTile& tile : mapset.tiles)
      for (const DeviceSubfile& subfile : tile.subfiles)
        if (same(subfile.file)) return true;
  }
  return false;
}

// A device reads files ending in ".img"; a tile's name would make the image
// pass for a tile, and the target list never offers one.
bool isImageName(const std::string& name) {
  return name.size() > 4 && sameNameAnyCase(name.substr(name.size() - 4), ".img") &&
         !isTileFile(name);
}

}  // namespace

std::uint64_t wholeMegabytes(std::uint64_t bytes) {
  constexpr std::uint64_t kMegabyte = 1024 * 1024;
  return (bytes + kMegabyte - 1) / kMegabyte;
}

std::string deviceTypName(std::uint16_t fid) {
  char name[16];
  std::snprintf(name, sizeof name, "%08u", static_cast<unsigned>(fid));
  return name;
}

std::vector<ImgEntry> deviceImageEntries(const DeviceImagePlan& plan) {
  std::vector<ImgEntry> entries;
  entries.push_back({kProductListName,
                     "MPS",
                     static_cast<std::uint32_t>(writeProductList(plan.products).size()),
                     {}});
  for (const DeviceMapset& mapset : plan.mapsets)
    for (const DeviceTile& tile : mapset.tiles)
      for (const DeviceSubfile& subfile : tile.subfiles)
        entries.push_back({subfile.name, subfile.type, subfile.size, {}});
  for (const DeviceTyp& typ : plan.typs)
    entries.push_back(
        {deviceTypName(typ.fid), "TYP", static_cast<std::uint32_t>(typ.bytes.size()), {}});
  return entries;
}

PlannedImage planDeviceImage(const std::vector<DeviceMapsetRead>& chosen) {
  if (chosen.empty()) return {std::nullopt, {DeviceRefusalKind::NoMapset, {}}};
  DeviceImagePlan plan;
  for (const DeviceMapsetRead& read : chosen) {
    if (!read.mapset) return {std::nullopt, refusalOf(read)};
    plan.mapsets.push_back(*read.mapset);
  }
  if (DeviceRefusal same = sameProduct(plan.mapsets); same.kind != DeviceRefusalKind::None)
    return {std::nullopt, same};
  if (auto typ = gatherTyps(plan)) return {std::nullopt, *typ};
  plan.products = productsOf(plan.mapsets);
  plan.description = plan.mapsets.front().names.familyName;
  const std::vector<ImgEntry> entries = deviceImageEntries(plan);
  if (DeviceRefusal same = sameSubfile(entries); same.kind != DeviceRefusalKind::None)
    return {std::nullopt, same};
  plan.size = imageSize(plan, entries);
  if (plan.size > kLargestDeviceImage)
    return {std::nullopt, {DeviceRefusalKind::TooLargeForFat32, megabytes(plan.size)}};
  return {std::move(plan), {}};
}

DeviceRefusal checkDeviceTarget(const DeviceImagePlan& plan, const std::string& target,
                                std::optional<std::uint64_t> room) {
  const std::filesystem::path path = filePath(target);
  if (target.empty()) return {DeviceRefusalKind::NoTarget, {}};
  if (isFolder(target)) return {DeviceRefusalKind::TargetIsFolder, target};
  if (!isImageName(pathText(path.filename()))) return {DeviceRefusalKind::NotAnImageName, target};
  if (isInput(plan, path)) return {DeviceRefusalKind::TargetIsInput, target};
  // The old image stays until the new one is complete, so the new one
  // needs its whole size beside it.
  if (room && plan.size > *room) return {DeviceRefusalKind::NoRoom, megabytes(plan.size)};
  return {};
}

PlannedImage planDeviceImageTo(const std::vector<DeviceMapsetRead>& chosen,
                               const std::string& target) {
  PlannedImage planned = planDeviceImage(chosen);
  if (planned.plan) planned.refusal = checkDeviceTarget(*planned.plan, target, roomFor(target));
  if (planned.refusal.kind != DeviceRefusalKind::None) planned.plan.reset();
  return planned;
}

std::optional<std::uint64_t> roomFor(const std::string& target) {
  std::filesystem::path folder = filePath(absolutePathText(target)).parent_path();
  // The Windows runtime's space() throws for an empty path despite its error code.
  if (folder.empty()) return std::nullopt;
  std::error_code error;
  const std::filesystem::space_info space = std::filesystem::space(folder, error);
  if (error) return std::nullopt;
  return space.available;
}

}  // namespace mapsetdesk
