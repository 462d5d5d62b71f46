#include "install/DeviceImage.h"

#include <algorithm>
#include <filesystem>

#include "app/JournaledRun.h"
#include "app/ProductTitle.h"
#include "app/messages/DeviceImageTexts.h"
#include "app/messages/MessageKeys.h"
#include "builtin/DeviceImageCheck.h"
#include "catalogue/CatalogueListing.h"
#include "install/ImgInputCheck.h"
#include "install/InstallClashes.h"
#include "install/InstallMessages.h"
#include "install/MapFolderRights.h"
#include "install/ToolCommandLines.h"
#include "platform/FilePath.h"
#include "platform/FolderLink.h"
#include "platform/FolderOps.h"
#include "platform/Platform.h"
#include "platform/ShortPath.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

constexpr char kSplitFolder[] = "SplittMaps";

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The files directly in folder, in name order.
std::vector<fs::path> filesIn(const std::string& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::directory_iterator it(filePath(folder), error), end; !error && it != end;
       it.increment(error))
    if (it->is_regular_file(error)) files.push_back(it->path());
  std::sort(files.begin(), files.end());
  return files;
}

int countWithExtension(const std::string& folder, const std::string& extension) {
  const auto files = filesIn(folder);
  return static_cast<int>(std::count_if(files.begin(), files.end(), [&](const fs::path& file) {
    return lower(pathText(file.extension())) == "." + extension;
  }));
}

class Run {
 public:
  Run(Services& services, Session& session, DeviceImageView& view, const std::string& image)
      : services_(services), session_(session), view_(view), image_(image) {
    folder_ = pathText(filePath(image).parent_path());
    split_ = joinPath(folder_, kSplitFolder);
  }

  DeviceImageRun split() {
    if (const auto fault = imgFileFault(image_)) {
      say(deviceImageFaultText(sprache(), *fault) + image_, kMessageTitle);
      result_.outcome = DeviceImageOutcome::ImageRefused;
      return result_;
    }
    if (!imageSound()) return result_;
    grantMapFolders(services_, session_);
    if (!services_.runner.hasProgram(gmtPath(services_.programFolder)))
      say(text(key::Fehler42), kMessageTitle);
    if (!prepareSplitFolder()) return result_;
    view_.showWorking(true);
    runGmt("-G", joinPath(shortPath(folder_), kSplitFolder), image_);
    view_.showWorking(false);
    const std::vector<fs::path> found = filesIn(split_);
    if (found.empty()) return fallBack();
    result_.outcome = DeviceImageOutcome::Integrated;
    for (const fs::path& file : found)
      if (lower(pathText(file.extension())) == ".img") integrate(file);
    if (result_.registered > 0) {
      view_.showReport(text(key::Text2));
      say(text(key::Text2), kMessageTitle);
    }
    return result_;
  }

 private:
  const std::string& text(std::string_view key) const { return session_.texts.text(key); }
  Sprache sprache() const { return session_.texts.sprache().value_or(Sprache::Deutsch); }

  void say(const std::string& message, std::string_view title) {
    services_.dialogs.message({message, std::string(title), Buttons::Ok, Icon::None});
  }

  void runGmt(const std::string& option, const std::string& output, const std::string& input) {
    session_.Command = quoted(gmtPath(services_.programFolder)) + " " + option +
                       " -o " + quoted(output) + " " + quoted(shortPath(input));
    view_.toolWindow().WaitForApplication(session_.Command);
  }

  // A damaged image must not install half its maps as a success; refused
  // before the split folder is touched.
  bool imageSound() {
    const builtin::DeviceImageCheck check = builtin::checkDeviceImage(image_);
    if (check.verdict == builtin::DeviceImageVerdict::Damaged) {
      say(text(key::Fehler48), kMessageTitle);
    } else if (check.verdict == builtin::DeviceImageVerdict::TilesWithoutFamily) {
      std::string tiles;
      for (const std::string& tile : check.tilesWithoutFamily)
        tiles += (tiles.empty() ? "" : ", ") + tile;
      say(text(key::Fehler49) + tiles, kMessageTitle);
    } else {
      return true;
    }
    result_.outcome = DeviceImageOutcome::ImageRefused;
    return false;
  }

  // False when the run ends here.
  bool prepareSplitFolder() {
    if (!isFolder(split_)) {
      std::error_code error;
      fs::create_directories(filePath(split_), error);
      return true;
    }
    if (holdsInstalledFiles()) return false;
    const Message question{text(key::Satz66), std::string(kMessageTitle), Buttons::YesNo,
                           Icon::None};
    if (services_.dialogs.message(question) != Answer::Yes) return false;
    if (isLink(split_)) {
      say(splitFolderIsLink(sprache()), kMessageTitle);
      result_.outcome = DeviceImageOutcome::SplitRefused;
      return false;
    }
    return emptySplitFolder();
  }

  // The earlier split goes into the change history whole, so that what the
  // person had there can be taken back.
  bool emptySplitFolder() {
    return journaledRun(services_, sprache(), "device-image", pathText(filePath(image_).filename()),
                        [this](Services& recorded, JournalEntry& entry) {
                          if (recorded.folders.removeFolder(split_).status != RemoveStatus::Removed ||
                              !entry.keepNewFolder(split_))
                            return false;
                          std::error_code error;
                          return fs::create_directories(filePath(split_), error);
                        });
  }

  // A family registered from an earlier run keeps its files here; emptying
  // the folder would take them from the installed mapset.
  bool holdsInstalledFiles() {
    const RegistryCatalogue installed = TDBlesen(services_.registry, services_.dialogs,
                                                 session_.vReg6432, text(key::Fehler25));
    const auto clash = registrationInside(installed, split_);
    if (!clash) return false;
    say(clashText(sprache(), clash->kind, clash->what, clash->mapset), kSelectionTitle);
    result_.outcome = DeviceImageOutcome::SplitRefused;
    return true;
  }

  DeviceImageRun fallBack() {
    say(text(key::Fehler36), kTitleWithVersion);
    view_.showReport(kRestartNotice);
    session_.Command = quoted(gmtPath(services_.programFolder)) + " -S -o " +
                       quoted(shortPath(split_)) + " " + quoted(shortPath(image_));
    view_.toolWindow().start(session_.Command);
    view_.selectTiles(split_, splitTiles(split_));
    result_.outcome = DeviceImageOutcome::TileSelection;
    return result_;
  }

  void integrate(const fs::path& file) {
    ++result_.families;
    const std::string work = joinPath(split_, pathText(file.stem()));
    std::error_code error;
    fs::create_directories(filePath(work), error);
    const std::string moved = joinPath(work, pathText(file.filename()));
    fs::rename(file, filePath(moved), error);
    gmapsuppeinbinden(moved, work);
    fs::remove(filePath(moved), error);
  }

  void gmapsuppeinbinden(const std::string& familyFile, const std::string& work) {
    if (familyFile.size() >= 8 && familyFile.substr(familyFile.size() - 8) == "0000.img")
      say(kNoFidNotice, kMessageTitle);
    const int tdbsBefore = countWithExtension(work, "tdb");
    view_.showWorking(true);
    runGmt("-S", shortPath(work), familyFile);
    if (countWithExtension(work, "tdb") == tdbsBefore) {
      view_.showWorking(false);
      view_.familyFailed();
      say(text(key::Fehler36), kTitleWithVersion);
      return;
    }
    compileOverview(work);
    view_.showWorking(false);
    const Message question{text(key::Satz67), std::string(kMessageTitle), Buttons::YesNo,
                           Icon::None};
    const bool keepFid = services_.dialogs.message(question) == Answer::Yes;
    FamilyFiles family = familyFiles(work);
    if (family.overview.empty() || family.tdb.empty()) {
      say(text(key::Fehler39), kMessageTitle);
      view_.familyFailed();
      return;
    }
    if (!keepFid) family.freeFid = view_.freeFid();
    view_.registerFamily(family);
    ++result_.registered;
  }

  void compileOverview(const std::string& work) {
    services_.runner.RunAndWait(
        quoted(cgpsmapperPath(services_.programFolder)) + " " +
            quoted(joinPath(shortPath(work), "mapset.mp")),
        WindowStyle::NormalFocus);
    for (const char* name : {"install.bat", "uninstall.bat", "mapset.mp"}) {
      std::error_code ignored;
      fs::remove(filePath(joinPath(work, name)), ignored);
    }
  }

  static FamilyFiles familyFiles(const std::string& work) {
    FamilyFiles family;
    family.folder = work;
    const auto present = [&work](const char* name) {
      const std::string path = joinPath(work, name);
      return isFile(path) ? path : std::string();
    };
    family.overview = present("mapset.img");
    family.tdb = present("mapset.tdb");
    if (family.tdb.empty()) return family;
    family.index = present("mapset.mdx");
    for (const fs::path& file : filesIn(work)) {
      const std::string extension = lower(pathText(file.extension()));
      if (extension == ".typ") family.typ = pathText(file);
      if (extension == ".trf") family.withTrf = true;
    }
    return family;
  }

  Services& services_;
  Session& session_;
  DeviceImageView& view_;
  std::string image_;
  std::string folder_;
  std::string split_;
  DeviceImageRun result_;
};

bool isTileName(const fs::path& file) {
  const std::string stem = pathText(file.stem());
  return !stem.empty() && std::all_of(stem.begin(), stem.end(), [](char c) {
    return c >= '0' && c <= '9';
  }) && pathText(file.extension()) == ".img";
}

}  // namespace

DeviceImageRun gmapsuppsplitten(Services& services, Session& session, DeviceImageView& view,
                                const std::string& image) {
  return Run(services, session, view, image).split();
}

std::vector<std::string> splitTiles(const std::string& folder) {
  std::vector<std::string> tiles;
  for (const fs::path& file : filesIn(folder))
    if (isTileName(file)) tiles.push_back(pathText(file));
  return tiles;
}

}  // namespace mapsetdesk
