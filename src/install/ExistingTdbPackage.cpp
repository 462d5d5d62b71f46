#include "install/ExistingTdbPackage.h"

#include <filesystem>
#include <optional>
#include <set>

#include "catalogue/Registration.h"
#include "formats/FileBytes.h"
#include "formats/GmapPackage.h"
#include "formats/InfoXml.h"
#include "formats/TdbTiles.h"
#include "install/ImgUnpack.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"
#include "platform/FolderOps.h"
#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

std::string fileNameOf(const std::string& path) { return pathText(filePath(path).filename()); }

// What a package folder held before the run, to take back what the run added.
class PackageBefore {
 public:
  explicit PackageBefore(const std::string& folder) : folder_(folder) {
    existed_ = isFolder(folder);
    if (!existed_) return;
    std::error_code error;
    for (fs::recursive_directory_iterator it(filePath(folder), error), end; !error && it != end;
         it.increment(error))
      entries_.insert(it->path());
    const FileContent info = readFileBytes(infoXml());
    if (info.status == FileStatus::Ok) infoXml_ = info.bytes;
  }

  void takeBack() const {
    if (!existed_) {
      removeFolderTree(folder_);
      return;
    }
    for (const fs::path& added : addedSince()) {
      std::error_code error;
      fs::remove_all(added, error);
    }
    std::error_code ignored;
    if (infoXml_)
      replaceFile(infoXml(), *infoXml_);
    else
      fs::remove(filePath(infoXml()), ignored);
  }

 private:
  std::string infoXml() const { return joinPath(folder_, std::string(kInfoXmlName)); }

  // The outermost paths that were not there before.
  std::vector<fs::path> addedSince() const {
    std::vector<fs::path> added;
    std::error_code error;
    for (fs::recursive_directory_iterator it(filePath(folder_), error), end; !error && it != end;
         it.increment(error)) {
      if (entries_.count(it->path())) continue;
      added.push_back(it->path());
      it.disable_recursion_pending();
    }
    return added;
  }

  std::string folder_;
  bool existed_ = false;
  std::set<fs::path> entries_;
  std::optional<std::string> infoXml_;
};

void copyOver(const std::string& source, const std::string& folder) {
  std::error_code error;
  fs::copy_file(filePath(source), filePath(joinPath(folder, fileNameOf(source))),
                fs::copy_options::overwrite_existing, error);
}

void unpackTiles(const ExistingMapset& mapset, const PackageRun& run, const std::string& product,
                 PackageBuilt& built) {
  const TdbTiles found = readTdbTiles(readFileBytes(mapset.tdb).bytes);
  for (const TdbTile& tile : found.tiles) {
    ++built.tileBlocks;
    const std::string name = tileName(tile.mapNumber);
    const std::string file = joinPath(mapset.tiles, name + ".img");
    if (!isFile(file)) {
      built.missingTiles.push_back(name + ".img");
      continue;
    }
    run.report(file);
    unpackImg(run.runner, run.programFolder, joinPath(product, name), file);
    run.letEventsRun();
  }
}

}  // namespace

std::string existingPackageName(const std::string& mapsetName) {
  return gmapPackageName(mapsetName);
}

std::string existingPackageFolder(const std::string& mapsFolder, const std::string& mapsetName) {
  return joinPath(mapsFolder,
                  nameForFiles(existingPackageName(mapsetName)) + std::string(kGmapSuffix));
}

PackageBuilt gmapTDBvorhandenErzeugen(const ExistingMapset& mapset, const PackageRun& run) {
  const std::string packageName = existingPackageName(mapset.name);
  PackageBuilt built;
  built.folder = existingPackageFolder(run.mapsFolder, mapset.name);
  const PackageBefore before(built.folder);
  std::error_code error;
  fs::create_directories(filePath(built.folder), error);

  ExistingTdbInfo info{packageName, std::to_string(mapset.fid), std::to_string(mapset.pid),
                       std::nullopt, false, std::nullopt, fileNameOf(mapset.tdb)};
  if (isFile(mapset.index)) {
    copyOver(mapset.index, built.folder);
    info.indexFile = fileNameOf(mapset.index);
  }
  if (isFile(mapset.mdr)) {
    unpackImg(run.runner, run.programFolder, joinPath(built.folder, std::string(kMdrFolder)),
              mapset.mdr);
    info.withMdr = true;
  }
  if (isFile(mapset.typ)) {
    copyOver(mapset.typ, built.folder);
    info.typFile = fileNameOf(mapset.typ);
  }
  const std::string product = joinPath(built.folder, productFolder(info.pid));
  unpackImg(run.runner, run.programFolder, joinPath(product, std::string(kOverviewFolder)),
            mapset.overview);
  copyOver(mapset.tdb, product);
  built.infoXmlWritten =
      replaceFile(joinPath(built.folder, std::string(kInfoXmlName)), infoXmlForExistingTdb(info));

  unpackTiles(mapset, run, product, built);
  if (!built.missingTiles.empty()) before.takeBack();
  return built;
}

}  // namespace mapsetdesk
