#pragma once
// An installed mapset as a device image takes it: family and product, the
// names its TDB gives, each tile's subfiles where they lie on the PC (inside
// a registration's tile files, or as files of a package's tile folders) and
// its TYP file. Read and checked whole before anything is written.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "formats/ImgDirectory.h"
#include "formats/TdbNames.h"

namespace mapsetdesk {

struct DeviceSubfile {
  std::string name;  // up to eight characters
  std::string type;  // three characters
  std::uint32_t size = 0;
  std::string file;               // the tile file holding it, or its own file
  std::optional<ImgEntry> entry;  // where it lies when inside a tile file
};

struct DeviceTile {
  std::uint32_t mapNumber = 0;
  std::string description;  // Windows-1252
  std::vector<DeviceSubfile> subfiles;
};

struct DeviceMapset {
  std::string name;  // as the catalogue lists it
  std::uint16_t fid = 0;
  std::uint16_t pid = 0;
  TdbNames names;
  std::vector<DeviceTile> tiles;
  std::string typFile;  // empty when the mapset has none
};

enum class DeviceFileFault { None, Missing, Damaged };

struct DeviceMapsetRead {
  std::optional<DeviceMapset> mapset;
  DeviceFileFault fault = DeviceFileFault::None;
  std::string file;  // the file missing or damaged
};

DeviceMapsetRead readDeviceMapset(const CatalogueRow& registration);
DeviceMapsetRead readDeviceMapset(const GmapRow& package);

}  // namespace mapsetdesk
