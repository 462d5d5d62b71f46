#include "transfer/DeviceMapset.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "formats/FileBytes.h"
#include "formats/ImgFile.h"
#include "formats/PackageFileName.h"
#include "formats/TdbHeader.h"
#include "formats/TdbTiles.h"
#include "formats/TypHeader.h"
#include "platform/FilePath.h"
#include "platform/FoundPath.h"
#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

constexpr std::size_t kLongestSubfileName = 8;
constexpr std::size_t kSubfileTypeLength = 3;

DeviceMapsetRead fault(DeviceFileFault kind, const std::string& file) { return {{}, kind, file}; }

DeviceMapsetRead missingOrDamaged(const std::string& file) {
  return fault(isFile(file) ? DeviceFileFault::Damaged : DeviceFileFault::Missing, file);
}

// The TDB repeats the map number after a tile's description; the device
// shows the number apart.
std::string withoutMapNumber(std::string description, std::uint32_t mapNumber) {
  const std::string suffix = " (" + tileName(mapNumber) + ")";
  if (description.ends_with(suffix)) description.resize(description.size() - suffix.size());
  return description;
}

// The mapset's IDs, names and tile list from its TDB; the tiles without
// their subfiles yet.
DeviceMapsetRead fromTdb(const std::string& name, const std::string& tdbPath) {
  const std::string tdb = foundPath(tdbPath);
  const FileContent content = readFileBytes(tdb);
  if (content.status != FileStatus::Ok) return missingOrDamaged(tdb);
  const TdbHeaderResult header = parseTdbHeader(content.bytes);
  const auto names = readTdbNames(content.bytes);
  const TdbTiles tiles = readTdbTiles(content.bytes);
  if (header.damage != TdbDamage::None || !names || tiles.damage != TdbDamage::None ||
      tiles.tiles.empty())
    return fault(DeviceFileFault::Damaged, tdb);
  DeviceMapset mapset{name, header.header.listedFid(), header.header.pid, *names, {}, {}};
  for (const TdbTile& tile : tiles.tiles)
    mapset.tiles.push_back(
        {tile.mapNumber, withoutMapNumber(tile.description, tile.mapNumber), {}});
  return {std::move(mapset), DeviceFileFault::None, {}};
}

// An empty text when the file is a TYP file, else the fault.
DeviceMapsetRead checkTyp(const std::string& typ) {
  const FileContent content = readFileBytes(typ);
  if (content.status != FileStatus::Ok) return missingOrDamaged(typ);
  if (!isTypFile(content.bytes)) return fault(DeviceFileFault::Damaged, typ);
  return {};
}

// Every subfile of a registration's tile file, where it lies in the file.
DeviceMapsetRead addTileFile(DeviceTile& tile, const std::string& path) {
  ImgFile image = ImgFile::open(path);
  if (image.problem() == ImgFileProblem::CannotOpen) return missingOrDamaged(path);
  if (image.problem() != ImgFileProblem::None || image.directory().entries.empty())
    return fault(DeviceFileFault::Damaged, path);
  for (const ImgEntry& entry : image.directory().entries)
    tile.subfiles.push_back({entry.name, entry.type, entry.size, path, entry});
  return {};
}

bool isSubfileName(const std::filesystem::path& file) {
  const std::string stem = pathText(file.stem());
  const std::string type = pathText(file.extension());
  const auto plain = [](const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 0x7F; });
  };
  return !stem.empty() && stem.size() <= kLongestSubfileName &&
         type.size() == kSubfileTypeLength + 1 && plain(stem) && plain(type);
}

// A container's directory names its subfiles in capitals; a package's files
// may be named in any case.
std::string upperCase(std::string name) {
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

// Every file of a package's tile folder, each one subfile; sorted, as the
// folder lists them in no promised order.
DeviceMapsetRead addTileFolder(DeviceTile& tile, const std::string& folder) {
  if (!isFolder(folder)) return fault(DeviceFileFault::Missing, folder);
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (std::filesystem::directory_iterator it(filePath(folder), error), end; !error && it != end;
       it.increment(error))
    files.push_back(it->path());
  if (error || files.empty()) return fault(DeviceFileFault::Damaged, folder);
  std::sort(files.begin(), files.end());
  for (const std::filesystem::path& file : files) {
    const std::string path = pathText(file);
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || !isSubfileName(file) || size > UINT32_MAX) return missingOrDamaged(path);
    tile.subfiles.push_back({upperCase(pathText(file.stem())),
                             upperCase(pathText(file.extension()).substr(1)),
                             static_cast<std::uint32_t>(size), path, std::nullopt});
  }
  return {};
}

}  // namespace

DeviceMapsetRead readDeviceMapset(const CatalogueRow& registration) {
  const CatalogueEntry& entry = registration.entry;
  if (registration.state == EntryState::TdbMissing)
    return fault(DeviceFileFault::Missing, entry.tdb);
  DeviceMapsetRead read = fromTdb(registration.cells.name, entry.tdb);
  if (!read.mapset) return read;
  FoundPaths paths;
  for (DeviceTile& tile : read.mapset->tiles) {
    const std::string file =
        paths.found(joinPath(entry.tileFolder, tileName(tile.mapNumber) + ".img"));
    if (DeviceMapsetRead added = addTileFile(tile, file); !added.file.empty()) return added;
  }
  if (entry.typ != kNoTypefile && !entry.typ.empty()) {
    read.mapset->typFile = foundPath(entry.typ);
    if (DeviceMapsetRead typ = checkTyp(read.mapset->typFile); !typ.file.empty()) return typ;
  }
  return read;
}

DeviceMapsetRead readDeviceMapset(const GmapRow& package) {
  DeviceMapsetRead read = fromTdb(package.name, package.tdb);
  if (!read.mapset) return read;
  const std::string productFolder = pathText(filePath(foundPath(package.tdb)).parent_path());
  FoundPaths paths;
  for (DeviceTile& tile : read.mapset->tiles) {
    const std::string folder = paths.found(joinPath(productFolder, tileName(tile.mapNumber)));
    if (DeviceMapsetRead added = addTileFolder(tile, folder); !added.file.empty()) return added;
  }
  if (!package.typ.empty()) {
    const std::string typ = joinPath(packageFolder(package), package.typ);
    if (!isPlainFileName(package.typ)) return fault(DeviceFileFault::Damaged, typ);
    read.mapset->typFile = foundPath(typ);
    if (DeviceMapsetRead checked = checkTyp(read.mapset->typFile); !checked.file.empty())
      return checked;
  }
  return read;
}

}  // namespace mapsetdesk
