// The main window's TYP assignment: the TYP mode, the chooser of TYP files
// with eight-character names, and the action button, which assigns the
// picked TYP file to the picked mapset or, with none picked, takes its TYP
// away.
#include "app/messages/MessageKeys.h"
#include "edit/EditMessages.h"
#include "edit/TypAssignment.h"
#include "edit/TypFiles.h"
#include "formats/TypHeader.h"
#include "platform/Platform.h"
#include "ui/forms/controls/Caption.h"
#include "ui/forms/JournaledEdit.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

void fMain::bindTypEvents() {
  FileTypefile.onClick = [this] { FileTypefile_Click(); };
  CommandTypeaendern.onClick = [this] { CommandTypeaendern_Click(); };
  CheckTypfile.onClick = [this] { CheckTypfile_Click(); };
  CommandDoIt.onClick = [this] { CommandDoIt_Click(); };
}

void fMain::CommandTypeaendern_Click() {
  const auto chosen = chosenMapset();
  leaveModes();
  session_.vTypeaendern = "ja";
  CommandTypeaendern.backColor = kActionColour;
  for (Button* button : {&CommandFID, &CommandMapnameAendern, &CommandFilename})
    button->enabled = false;
  ListTypefile.clear();
  for (ListBox* list : {&ListLoeschen, &ListID, &ListSubkey}) list->visible = false;
  ListMapsetName.visible = true;
  ListMapsetName.enabled = true;
  CommandDoIt.visible = true;
  LabelTypefile.visible = true;
  if (CheckTypfile.value())
    CheckTypfile_Click();
  else
    CheckTypfile.setValue(true);
  TDBlesen();
  GMPFileslisten();
  showModeHint();
  pickAgain(chosen);
  typPickChanged();
}

void fMain::CheckTypfile_Click() {
  showTypPicker(CheckTypfile.value());
  if (!CheckTypfile.value()) return;
  for (Control* control : std::initializer_list<Control*>{&Drive2, &DirTypefile, &FileTypefile})
    control->enabled = true;
  FileTypefile.setPattern(session_.vTypeaendern == "ja" ? kEightCharacterTypPattern : kTypPattern);
  // The list is made anew: its first TYP file is chosen, as after a change
  // of folder, never a list that shows files with none of them taken.
  if (FileTypefile.count() > 0) FileTypefile.setListIndex(0);
  typPickChanged();
}

std::string fMain::pickedTypFile() const {
  if (!CheckTypfile.value() || FileTypefile.listIndex() < 0) return {};
  const std::string name = FileTypefile.fileName();
  return isPickableTypName(name) ? joinPath(FileTypefile.path(), name) : std::string();
}

void fMain::FileTypefile_Click() { typPickChanged(); }

void fMain::typPickChanged() {
  const std::string typ = pickedTypFile();
  const std::string& label = session_.texts.caption("LabelTypefile");
  setCaption(LabelTypefile, typ.empty() ? label : label + " " + FileTypefile.fileName());
  if (session_.vTypeaendern != "ja") return;
  const int row = chosenGmap_ ? ListMapsetGMP.listIndex() : ListMapsetName.listIndex();
  const int rows = static_cast<int>(chosenGmap_ ? packages_.rows.size() : catalogue_.rows.size());
  session_.vGMPTypeaendern = chosenGmap_ ? "ja" : "nein";
  CommandDoIt.enabled = row >= 0 && row < rows;
}

// Nothing picked means "take the TYP away" only where the chooser offers
// nothing better: TYP files it cannot take are named instead.
bool fMain::typNamesRefused() {
  if (!CheckTypfile.value() || !pickedTypFile().empty()) return false;
  const std::vector<std::string> unusable = unusableTypNames(FileTypefile.path());
  if (unusable.empty()) return false;
  std::string names;
  for (const std::string& name : unusable) names += (names.empty() ? "" : ", ") + name;
  services_.dialogs.message(
      {session_.texts.text(key::Fehler60) + names, kEditTitle, Buttons::Ok, Icon::Exclamation});
  return true;
}

void fMain::CommandDoIt_Click() {
  editCompleted_ = false;
  const bool gmap = session_.vGMPTypeaendern == "ja";
  const int row = gmap ? ListMapsetGMP.listIndex() : ListMapsetName.listIndex();
  const int rows = static_cast<int>(gmap ? packages_.rows.size() : catalogue_.rows.size());
  if (row < 0 || row >= rows) {
    services_.dialogs.message(
        {session_.texts.text(key::Fehler15), kEditTitle, Buttons::Ok, Icon::Exclamation});
    return;
  }
  if (typNamesRefused()) return;
  const std::string typ = pickedTypFile();
  const auto assign = [&](const std::string& mapset, const auto& edit) {
    TypResult result;
    const ActionOutcome outcome = journaledEditOutcome(
        services_, germanTexts(), "typ", mapset, {}, [&](Recorded& recorded) {
          const TypSetting setting{recorded.registry,       services_.dialogs, services_.sound,
                                   services_.programFolder, session_.vReg6432, session_.texts,
                                   keepingIn(recorded.entry)};
          result = edit(setting);
          return result.done;
        });
    tellTypPutBack(services_.dialogs, germanTexts(), result, outcome);
    return outcome == ActionOutcome::Done;
  };
  const auto index = static_cast<std::size_t>(row);
  if (gmap) {
    const GmapRow& package = packages_.rows[index];
    editCompleted_ = assign(package.display, [&](const TypSetting& setting) {
      return typ.empty() ? removePackageTyp(setting, package)
                         : assignPackageTyp(setting, package, typ);
    });
    GMPFileslisten();
  } else {
    editCompleted_ = assign(catalogue_.rows[index].cells.name, [&](const TypSetting& setting) {
      return typ.empty() ? removeRegistryTyp(setting, catalogue_.rows[index])
                         : assignRegistryTyp(setting, catalogue_, index, typ);
    });
    if (editCompleted_ && !typ.empty()) resetTypChooser();
    TDBlesen();
  }
  CommandTypeaendern.backColor = kButtonColour;
  typPickChanged();
}

void fMain::resetTypChooser() {
  CheckTypfile.setValue(false);
  CommandDoIt.visible = false;
  CommandDoIt.enabled = false;
  LabelTypefile.visible = false;
  session_.vTypeaendern = "nein";
  for (Button* button : {&CommandFID, &CommandMapnameAendern, &CommandFilename})
    button->enabled = true;
  showModeHint();
}

}  // namespace mapsetdesk::ui
