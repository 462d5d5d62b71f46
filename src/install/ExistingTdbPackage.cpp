#include "install/ExistingTdbPackage.h"

#include <filesystem>
#include <optional>
#include <utility>

#include "app/messages/MessageKeys.h"
#include "app/messages/PackageStepTexts.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "catalogue/Registration.h"
#include "formats/FileBytes.h"
#include "formats/GmapPackage.h"
#include "formats/InfoXml.h"
#include "formats/TdbTiles.h"
#include "install/ImgInputCheck.h"
#include "install/ImgUnpack.h"
#include "platform/FilePath.h"
#include "platform/FolderOps.h"
#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

std::string fileNameOf(const std::string& path) { return pathText(filePath(path).filename()); }

bool readsAsImg(const std::string& path) { return !imgFileFault(path); }

// Success of gmt is judged by the subfiles it left in the target folder.
bool unpacked(const PackageRun& run, const std::string& img, const std::string& folder) {
  unpackImg(run.runner, run.programFolder, folder, img);
  return holdsFiles(folder);
}

class PackageBuilder {
 public:
  PackageBuilder(const ExistingMapset& mapset, const PackageRun* run, const std::string& maps)
      : mapset_(mapset), run_(run) {
    built_.folder = existingPackageFolder(maps, mapset.name);
  }

  PackageBuilt check() {
    checkInputs();
    return built_;
  }

  PackageBuilt build() {
    if (!checkInputs()) return built_;
    if (!write()) removeFolderTree(built_.folder);
    return built_;
  }

 private:
  bool fail(PackageStep step, const std::string& path) {
    built_.step = step;
    built_.failedPath = path;
    return false;
  }

  // Nothing is written before every file the package takes from is known
  // to be there and readable.
  bool checkInputs() {
    std::error_code error;
    if (fs::exists(fs::symlink_status(filePath(built_.folder), error)))
      return fail(PackageStep::FolderExists, built_.folder);
    const FileContent tdb = readFileBytes(mapset_.tdb);
    const TdbTiles found = readTdbTiles(tdb.bytes);
    if (tdb.status != FileStatus::Ok || found.damage != TdbDamage::None)
      return fail(PackageStep::TdbUnreadable, mapset_.tdb);
    if (!readsAsImg(mapset_.overview))
      return fail(PackageStep::OverviewUnreadable, mapset_.overview);
    for (const TdbTile& tile : found.tiles) {
      ++built_.tileBlocks;
      const std::string name = tileName(tile.mapNumber) + ".img";
      const std::string file = joinPath(mapset_.tiles, name);
      tiles_.push_back({tileName(tile.mapNumber), file});
      if (!isFile(file))
        built_.missingTiles.push_back(name);
      else if (!readsAsImg(file) && built_.failedPath.empty())
        built_.failedPath = file;
    }
    if (!built_.missingTiles.empty()) return fail(PackageStep::TilesMissing, {});
    if (!built_.failedPath.empty()) return fail(PackageStep::TileUnreadable, built_.failedPath);
    return true;
  }

  bool write() {
    std::error_code error;
    fs::create_directories(filePath(built_.folder), error);
    if (!isFolder(built_.folder)) return fail(PackageStep::FolderNotMade, built_.folder);
    ExistingTdbInfo info{existingPackageName(mapset_.name), std::to_string(mapset_.fid),
                         std::to_string(mapset_.pid), std::nullopt, false, std::nullopt,
                         fileNameOf(mapset_.tdb)};
    if (isFile(mapset_.index)) {
      if (!copyInto(mapset_.index, built_.folder)) return fail(PackageStep::IndexNotCopied, mapset_.index);
      info.indexFile = fileNameOf(mapset_.index);
    }
    if (isFile(mapset_.mdr)) {
      if (!unpacked(*run_, mapset_.mdr, joinPath(built_.folder, std::string(kMdrFolder))))
        return fail(PackageStep::MdrNotUnpacked, mapset_.mdr);
      info.withMdr = true;
    }
    if (isFile(mapset_.typ)) {
      if (!copyInto(mapset_.typ, built_.folder)) return fail(PackageStep::TypNotCopied, mapset_.typ);
      info.typFile = fileNameOf(mapset_.typ);
    }
    const std::string product = joinPath(built_.folder, productFolder(info.pid));
    if (!unpacked(*run_, mapset_.overview, joinPath(product, std::string(kOverviewFolder))))
      return fail(PackageStep::OverviewNotUnpacked, mapset_.overview);
    if (!copyInto(mapset_.tdb, product)) return fail(PackageStep::TdbNotCopied, mapset_.tdb);
    if (!unpackTiles(product)) return false;
    // Info.xml last: until it is there, BaseCamp sees no package at all.
    const std::string infoXml = joinPath(built_.folder, std::string(kInfoXmlName));
    if (!run_->writeFile(infoXml, infoXmlForExistingTdb(info)))
      return fail(PackageStep::InfoXmlNotWritten, infoXml);
    return true;
  }

  bool copyInto(const std::string& file, const std::string& folder) const {
    return run_->copyFile(file, joinPath(folder, fileNameOf(file)));
  }

  bool unpackTiles(const std::string& product) {
    for (const auto& [name, file] : tiles_) {
      run_->report(file);
      if (!unpacked(*run_, file, joinPath(product, name)))
        return fail(PackageStep::TileNotUnpacked, file);
      run_->letEventsRun();
    }
    return true;
  }

  const ExistingMapset& mapset_;
  const PackageRun* run_;  // none while only checking
  PackageBuilt built_;
  std::vector<std::pair<std::string, std::string>> tiles_;  // tile name, its file
};

}  // namespace

bool copyFileOver(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::copy_file(filePath(from), filePath(to), fs::copy_options::overwrite_existing, error);
  return !error;
}

std::string existingPackageName(const std::string& mapsetName) {
  return gmapPackageName(mapsetName);
}

std::string existingPackageFolder(const std::string& mapsFolder, const std::string& mapsetName) {
  return joinPath(mapsFolder,
                  nameForFiles(existingPackageName(mapsetName)) + std::string(kGmapSuffix));
}

PackageBuilt checkExistingPackage(const ExistingMapset& mapset, const std::string& mapsFolder) {
  return PackageBuilder(mapset, nullptr, mapsFolder).check();
}

PackageBuilt gmapTDBvorhandenErzeugen(const ExistingMapset& mapset, const PackageRun& run) {
  return PackageBuilder(mapset, &run, run.mapsFolder).build();
}

std::string packageFailureText(const PackageBuilt& built, const MessageCatalogue& catalogue) {
  const PackageStepTexts texts = packageStepTexts(catalogue.sprache().value_or(Sprache::Deutsch));
  const std::string& path = built.failedPath;
  switch (built.step) {
    case PackageStep::Complete: return {};
    case PackageStep::FolderExists: return texts.folderExists + path;
    case PackageStep::TdbUnreadable: return texts.tdbUnreadable + path;
    case PackageStep::OverviewUnreadable: return texts.overviewUnreadable + path;
    case PackageStep::TileUnreadable: return texts.tileUnreadable + path;
    case PackageStep::TilesMissing: {
      std::string text = kTilesMissing;
      for (const std::string& name : built.missingTiles) text += "\r\n" + name;
      return text;
    }
    case PackageStep::FolderNotMade: return texts.folderNotMade + path + texts.removedAgain;
    case PackageStep::IndexNotCopied:
    case PackageStep::TypNotCopied:
    case PackageStep::TdbNotCopied: return texts.notCopied + path + texts.removedAgain;
    case PackageStep::MdrNotUnpacked:
    case PackageStep::OverviewNotUnpacked:
    case PackageStep::TileNotUnpacked: return texts.notUnpacked + path + texts.removedAgain;
    case PackageStep::InfoXmlNotWritten: return catalogue.text(key::Fehler43) + path + texts.removedAgain;
  }
  return {};
}

}  // namespace mapsetdesk
