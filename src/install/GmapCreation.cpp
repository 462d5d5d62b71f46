#include "install/GmapCreation.h"

#include <filesystem>
#include <system_error>

#include "app/messages/MessageKeys.h"
#include "catalogue/Registration.h"
#include "formats/GmapPackage.h"
#include "formats/InfoXml.h"
#include "install/InstallMessages.h"
#include "install/ImgUnpack.h"
#include "install/TileFiles.h"
#include "install/ToolCommandLines.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"
#include "platform/Platform.h"
#include "platform/SystemFacts.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

void makeFolder(const std::string& folder) {
  std::error_code ignored;
  fs::create_directories(filePath(folder), ignored);
}

void removeFile(const std::string& path) {
  std::error_code ignored;
  fs::remove(filePath(path), ignored);
}

// A rename, or a copy and a deletion where a rename cannot cross volumes.
void moveFile(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::rename(filePath(from), filePath(to), error);
  if (!error) return;
  if (fs::copy_file(filePath(from), filePath(to), fs::copy_options::overwrite_existing, error))
    removeFile(from);
}

// Unpacks image into folder with gmt.exe, hidden, and waits.
void unpack(Services& services, const std::string& image, const std::string& folder) {
  unpackImg(services.runner, services.programFolder, folder, image);
}

class PackageBuilder {
 public:
  PackageBuilder(Services& services, const MessageCatalogue& texts, InstallationView& view,
                 const GmapJob& job)
      : services_(services), texts_(texts), view_(view), job_(job) {}

  GmapResult build() {
    GmapResult result;
    result.packageFolder = newPackageFolder(services_.facts, job_.mapsetName);
    package_ = result.packageFolder;
    product_ = joinPath(package_, productFolder("1"));
    makeFolder(package_);
    removeFile(joinPath(package_, std::string(kInfoXmlName)));
    makeFolder(product_);
    unpackTiles();
    moveTdb();
    const bool overviewCopied = unpackOverview();
    NewMapsetInfo info{job_.mapsetName, job_.fidText, job_.mapname, moveIndex()};
    const std::string infoXml = joinPath(package_, std::string(kInfoXmlName));
    if (!replaceFile(infoXml, infoXmlForNewMapset(info))) {
      view_.showReport(texts_.text(key::Fehler43) + infoXml);
      result.outcome = GmapOutcome::InfoXmlFailed;
    } else if (!overviewCopied) {
      view_.showReport(overviewKeptText(german(), generated(".img")));
      result.outcome = GmapOutcome::OverviewKept;
    } else {
      view_.showReport(texts_.text(key::Satz61) + std::to_string(job_.tiles.size()) +
                       texts_.text(key::Satz62));
    }
    view_.showToolWindow();
    return result;
  }

 private:
  bool german() const { return texts_.sprache() != Sprache::English; }
  std::string generated(const char* extension) const {
    return joinPath(job_.outputFolder, job_.mapname + extension);
  }

  void unpackTiles() {
    for (std::size_t i = 0; i < job_.tiles.size(); ++i) {
      const std::string& tile = job_.tiles[i];
      unpack(services_, tile, joinPath(product_, std::string(tileStem(tile))));
      view_.showReport(std::to_string(i) + tile);
      services_.letEventsRun();
    }
  }

  void moveTdb() {
    const std::string target = joinPath(product_, job_.mapname + ".tdb");
    removeFile(target);
    moveFile(generated(".tdb"), target);
  }

  // The overview's old subfiles go first, so that what the folder holds
  // afterwards proves the unpack; only then are the IMG and its source
  // deleted.
  bool unpackOverview() {
    const std::string folder = joinPath(product_, std::string(kOverviewFolder));
    std::error_code ignored;
    fs::remove_all(filePath(folder), ignored);
    unpack(services_, generated(".img"), folder);
    if (!holdsFiles(folder)) return false;
    removeFile(generated(".img"));
    removeFile(generated(".mp"));
    return true;
  }

  bool moveIndex() {
    const std::string index = generated(".mdx");
    if (!isFile(index)) return false;
    const std::string target = joinPath(package_, job_.mapname + ".mdx");
    removeFile(target);
    moveFile(index, target);
    return isFile(target);
  }

  Services& services_;
  const MessageCatalogue& texts_;
  InstallationView& view_;
  const GmapJob& job_;
  std::string package_;
  std::string product_;
};

}  // namespace

std::string newPackageFolder(SystemFacts& facts, const std::string& mapsetName) {
  const std::string maps =
      joinPath(joinPath(facts.specialFolder(kFolderCommonAppData), "GARMIN"), "Maps");
  return joinPath(maps, nameForFiles(mapsetName) + std::string(kGmapSuffix));
}

GmapResult gmaperzeugen(Services& services, const MessageCatalogue& texts, InstallationView& view,
                        const GmapJob& job) {
  return PackageBuilder(services, texts, view, job).build();
}

}  // namespace mapsetdesk
