// The installation run behind "next step-add to Mapsource": the run itself
// is the installation's; the main window lends it its running report and
// the tool window, and sets its buttons for what the run reached.
#include <initializer_list>
#include <string>

#include "app/ProductTitle.h"
#include "app/messages/MessageKeys.h"
#include "catalogue/Registration.h"
#include "edit/TypFiles.h"
#include "install/InstallationRun.h"
#include "platform/Platform.h"
#include "ui/forms/ProgramWindows.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

void fMain::showReport(const std::string& text) {
  TextMeldung.visible = true;
  TextMeldung.setText(text);
  windows().letEventsRun();
}

ToolWindow& fMain::toolWindow() { return program_.pipe; }

void fMain::showToolWindow() { program_.pipe.show(); }

void fMain::CommandButtonPV_Click() {
  if (!selection_.vgmapsupp() && !typLeftOutAccepted()) return;
  setMousePointer(MousePointer::Hourglass);
  List1.enabled = false;
  if (selection_.vgmapsupp()) {
    CommandAllesLoeschen.enabled = true;
    const DeviceImageRun run = gmapsuppsplitten(selection_.entries().front());
    if (run.outcome == DeviceImageOutcome::TileSelection) return;
    // The image is installed: another press would split it again.
    if (run.outcome == DeviceImageOutcome::Integrated) selection_.clear();
    endInstallation();
    return;
  }
  const std::initializer_list<Control*> entry{&TextBoxMSName, &TextBoxID, &CommandButtonPV,
                                              &CommandAllesLoeschen};
  std::vector<bool> before;
  for (Control* control : entry) before.push_back(control->enabled);
  for (Control* control : entry) control->enabled = false;
  const NewInstallation job{selection_.entries(), selection_.pfad(), Dir1.path(),
                            TextBoxMSName.text(), TextBoxID.text()};
  // What is installed may have changed since the selection was finished,
  // by another window or another program.
  TDBlesen();
  GMPFileslisten();
  const InstallResult result =
      runNewInstallation(services_, session_, *this, job, {catalogue_, packages_});
  mapname_ = result.mapname;
  switch (result.outcome) {
    case InstallOutcome::Refused:
    case InstallOutcome::ToolsMissing: {
      std::size_t i = 0;
      for (Control* control : entry) control->enabled = before[i++];
      setMousePointer(MousePointer::Default);
      return;
    }
    case InstallOutcome::NoTdb:
      for (Button* button : {&CommandButtonPV, &CommandAllesLoeschen, &Command2})
        button->enabled = true;
      setMousePointer(MousePointer::Default);
      return;
    case InstallOutcome::NoOverview:
      CommandAllesLoeschen.enabled = true;
      setMousePointer(MousePointer::Default);
      return;
    case InstallOutcome::Packaged:
      // A finished package is confirmed in a message box, as a finished
      // registration is.
      services_.dialogs.message({session_.texts.text(key::Satz61) +
                                     std::to_string(job.tiles.size()) +
                                     session_.texts.text(key::Satz62),
                                 std::string(kMessageTitle), Buttons::Ok, Icon::None});
      [[fallthrough]];
    default:
      CommandAllesLoeschen.enabled = true;
      Command2.enabled = true;
      endInstallation();
  }
}

// Only a TYP file named like the TDB beside the tiles goes with a new
// mapset; one chosen in the picker would be left out without a word.
bool fMain::typLeftOutAccepted() {
  if (!CheckTypfile.value() || FileTypefile.listIndex() < 0) return true;
  const std::string typ = joinPath(FileTypefile.path(), FileTypefile.fileName());
  const std::string beside = selection_.pfad() + makeMapname(TextBoxMSName.text()) + ".TYP";
  if (sameFile(typ, beside)) return true;
  return services_.dialogs.message({session_.texts.text(key::Fehler61) + typ,
                                    std::string(kMessageTitle), Buttons::YesNo,
                                    Icon::Question}) == Answer::Yes;
}

// The final step of every run that got as far as the layout choice (or had
// a device image): both catalogues show what is installed now, and the
// installed selection cannot be installed a second time.
void fMain::endInstallation() {
  TDBlesen();
  GMPFileslisten();
  setMousePointer(MousePointer::Default);
  List1.enabled = true;
  windows().letEventsRun();
  show();
  showSelection();
  CommandButtonPV.enabled = false;
  Command1.enabled = !selection_.empty();
}

}  // namespace mapsetdesk::ui
