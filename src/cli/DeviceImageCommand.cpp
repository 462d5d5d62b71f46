// install GMAPSUPP.img: the device-image run of the main window, each family
// registered (or packaged) through the window for an existing TDB in turn.
// --keep-fid answers the FID question with Yes, --free-fid with No; without
// either a family whose FID is taken already is refused. --yes lets an
// existing SplittMaps folder be emptied.
#include <ostream>

#include "app/ProductTitle.h"
#include "app/messages/MessageKeys.h"
#include "cli/CapturedToolWindow.h"
#include "cli/CatalogueReading.h"
#include "cli/DeviceImageCommand.h"
#include "cli/HeadlessProgram.h"
#include "cli/MapsetRows.h"
#include "install/NewMapsetChecks.h"
#include "install/TileFiles.h"
#include "platform/FilePath.h"

namespace mapsetdesk::cli {
namespace {

struct DeviceOptions {
  bool registry = false;
  bool keepFid = false;
  bool freeFid = false;
  bool yes = false;
  std::string image;
};

// The families handed over in turn, each registered or packaged at once.
class CommandLineFamilies : public DeviceImageView {
 public:
  CommandLineFamilies(Context& context, HeadlessProgram& program, const DeviceOptions& options)
      : context_(context), program_(program), options_(options), tool_(*program.runner) {}

  void showReport(const std::string&) override {}
  ToolWindow& toolWindow() override { return tool_; }
  void showWorking(bool) override {}
  std::optional<std::uint16_t> freeFid() override { return program_.windows->main.FreieIdNr(); }

  void registerFamily(const FamilyFiles& family) override {
    ui::FormTDBvorhanden& window = program_.windows->tdbVorhanden;
    window.fillFamily(family);
    if (!fidFree(window) || !press(window)) ++refused;
    window.unload();
    window.familyDone();
  }

  void familyFailed() override { ++refused; }

  void selectTiles(const std::string&, const std::vector<std::string>& tiles) override {
    for (const std::string& tile : tiles) context_.out << tile << '\n';
  }

  int refused = 0;

 private:
  bool fidFree(ui::FormTDBvorhanden& window) {
    if (options_.keepFid || options_.freeFid) return true;
    const ui::fMain& main = program_.windows->main;
    if (fidClash(window.TextID.text(), main.registryCatalogue(), main.gmapCatalogue()) ==
        FidClash::None)
      return true;
    const CliTexts& texts = context_.texts();
    context_.err << texts.fidTaken << window.TextID.text() << texts.fidTakenEnd << '\n';
    return false;
  }

  bool press(ui::FormTDBvorhanden& window) {
    ui::Button& action = options_.registry ? window.Commandregistriere : window.Commandgmapsatz;
    if (!action.enabled) return false;
    const ExistingMapset mapset = window.mapsetOfFields();
    const std::string package =
        options_.registry ? std::string() : existingPackageFolder(program_, mapset.name);
    ui::fire(action.onClick);
    if (!window.lastActionCompleted()) return false;
    printExistingMapsetRows(context_, mapset, package);
    return true;
  }

  Context& context_;
  HeadlessProgram& program_;
  const DeviceOptions& options_;
  CapturedToolWindow tool_;
};

}  // namespace

bool isDeviceImageCall(const std::vector<std::string>& files) {
  return files.size() == 1 && isDeviceImage(files.front());
}

int installDeviceImage(Context& context, const InstallArguments& args) {
  if (args.name || args.fid)
    return usageError(context, "install", context.texts().notADeviceImage);
  const DeviceOptions options{args.registry, args.keepFid, args.freeFid, args.yes,
                              absolutePathText(args.files.front())};
  if (!readCatalogues(context)) return 1;
  HeadlessProgram program(context);
  const MessageCatalogue& texts = program.session.texts;
  if (hasDotInFolders(options.image)) {
    program.dialogs.message({texts.text(key::Fehler37), std::string(kMessageTitle),
                             Buttons::Ok, Icon::Exclamation});
    return 1;
  }
  program.stream.answer(texts.text(key::Satz67), options.freeFid ? Answer::No : Answer::Yes);
  if (options.yes) program.stream.answer(texts.text(key::Satz66), Answer::Yes);
  CommandLineFamilies families(context, program, options);
  const DeviceImageRun run =
      gmapsuppsplitten(*program.services, program.session, families, options.image);
  const bool complete = run.outcome == DeviceImageOutcome::Integrated && run.families > 0 &&
                        run.registered == run.families && families.refused == 0;
  return complete ? 0 : 1;
}

}  // namespace mapsetdesk::cli
