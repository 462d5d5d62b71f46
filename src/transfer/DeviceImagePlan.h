#pragma once
// What a device image will hold, judged whole before a byte is written: the
// chosen mapsets, each once by family and product, no map number twice,
// every file there and readable, and the image small enough for FAT32 and
// for the room on the target.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/ImgDirectory.h"
#include "formats/ProductList.h"
#include "transfer/DeviceMapset.h"

namespace mapsetdesk {

// FAT32, which most devices and memory cards use, holds no larger file.
inline constexpr std::uint64_t kLargestDeviceImage = 0xFFFFFFFFull;

enum class DeviceRefusalKind {
  None,
  NoMapset,
  SameProduct,       // subject: "FID:PID"
  SameMapNumber,     // subject: the subfile named twice, e.g. "63240001.TRE"
  FileMissing,       // subject: the file
  FileDamaged,       // subject: the file
  TooLargeForFat32,  // subject: the image's size in MB
  NoRoom,            // subject: the image's size in MB
  TargetIsInput,     // subject: the target
  TargetIsFolder,    // subject: the target
  NoTarget,
  NotAnImageName,    // subject: the target
};

struct DeviceRefusal {
  DeviceRefusalKind kind = DeviceRefusalKind::None;
  std::string subject;
};

struct DeviceTyp {
  std::uint16_t fid = 0;
  std::string file;
  std::string bytes;  // with the family's FID in its header
};

struct DeviceImagePlan {
  std::vector<DeviceMapset> mapsets;
  std::vector<DeviceTyp> typs;  // one per family, the first mapset's that has one
  ProductList products;
  std::string description;  // of the image's header
  std::uint64_t size = 0;   // of the whole image in bytes
};

struct PlannedImage {
  std::optional<DeviceImagePlan> plan;
  DeviceRefusal refusal;
};

// Megabytes as the refusals and the window give sizes: rounded up, so that
// a small image never shows as 0.
std::uint64_t wholeMegabytes(std::uint64_t bytes);

// The subfile names of the product list and the TYP file of a family.
inline constexpr char kProductListName[] = "MAPSOURC";
std::string deviceTypName(std::uint16_t fid);

PlannedImage planDeviceImage(const std::vector<DeviceMapsetRead>& chosen);

// Whether the image may go to target, given the room there (nullopt when it
// cannot be told) and the files the image is made from.
DeviceRefusal checkDeviceTarget(const DeviceImagePlan& plan, const std::string& target,
                                std::optional<std::uint64_t> room);

// planDeviceImage, then checkDeviceTarget with the room the target has.
PlannedImage planDeviceImageTo(const std::vector<DeviceMapsetRead>& chosen,
                               const std::string& target);

// The room the target's folder has; nullopt when it cannot be told.
std::optional<std::uint64_t> roomFor(const std::string& target);

// The subfiles in the order the image holds them, with their sizes.
std::vector<ImgEntry> deviceImageEntries(const DeviceImagePlan& plan);

}  // namespace mapsetdesk
