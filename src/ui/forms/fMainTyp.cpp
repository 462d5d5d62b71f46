// The main window's TYP assignment: the TYP mode, the chooser of TYP files
// with eight-character names, and the action button, which assigns the
// picked TYP file to the picked mapset or, with none picked, takes its TYP
// away.
#include "edit/TypAssignment.h"
#include "formats/TypHeader.h"
#include "platform/Platform.h"
#include "ui/forms/JournaledEdit.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

void fMain::bindTypEvents() {
  CommandTypeaendern.onClick = [this] { CommandTypeaendern_Click(); };
  CheckTypfile.onClick = [this] { CheckTypfile_Click(); };
  CommandDoIt.onClick = [this] { CommandDoIt_Click(); };
}

void fMain::CommandTypeaendern_Click() {
  session_.vTypeaendern = "ja";
  session_.vGMPTypeaendern = "nein";
  session_.vMapsetName.clear();
  Farbe();
  CommandTypeaendern.backColor = kActionColour;
  for (Button* button : {&CommandFID, &CommandMapnameAendern, &CommandFilename})
    button->enabled = false;
  ListTypefile.clear();
  for (Control* control : std::initializer_list<Control*>{&TextMapsetname, &CommandNameuebernehmen,
                                                          &ListLoeschen, &ListID, &ListSubkey})
    control->visible = false;
  ListMapsetName.visible = true;
  ListMapsetName.enabled = true;
  CommandDoIt.visible = true;
  CommandDoIt.enabled = true;
  if (CheckTypfile.value())
    CheckTypfile_Click();
  else
    CheckTypfile.setValue(true);
  TDBlesen();
  GMPFileslisten();
}

void fMain::CheckTypfile_Click() {
  showTypPicker(CheckTypfile.value());
  if (!CheckTypfile.value()) return;
  for (Control* control : std::initializer_list<Control*>{&Drive2, &DirTypefile, &FileTypefile})
    control->enabled = true;
  FileTypefile.setPattern(session_.vTypeaendern == "ja" ? kEightCharacterTypPattern : kTypPattern);
}

std::string fMain::pickedTypFile() const {
  if (!CheckTypfile.value() || FileTypefile.listIndex() < 0) return {};
  const std::string name = FileTypefile.fileName();
  return isPickableTypName(name) ? joinPath(FileTypefile.path(), name) : std::string();
}

void fMain::CommandDoIt_Click() {
  editCompleted_ = false;
  const std::string typ = pickedTypFile();
  const auto assign = [&](const std::string& mapset, const auto& edit) {
    return journaledEdit(services_, germanTexts(), "typ", mapset, {}, [&](Recorded& recorded) {
      const TypSetting setting{recorded.registry,        services_.dialogs, services_.sound,
                               services_.programFolder,  session_.vReg6432, session_.texts,
                               keepingIn(recorded.entry)};
      return edit(setting);
    });
  };
  if (session_.vGMPTypeaendern == "ja") {
    const int row = ListMapsetGMP.listIndex();
    if (row < 0 || row >= static_cast<int>(packages_.rows.size())) return;
    const GmapRow& package = packages_.rows[static_cast<std::size_t>(row)];
    editCompleted_ = assign(package.display, [&](const TypSetting& setting) {
      return typ.empty() ? removePackageTyp(setting, package)
                         : assignPackageTyp(setting, package, typ);
    });
    GMPFileslisten();
  } else {
    const int row = ListMapsetName.listIndex();
    if (row < 0 || row >= static_cast<int>(catalogue_.rows.size())) return;
    const auto index = static_cast<std::size_t>(row);
    editCompleted_ = assign(catalogue_.rows[index].cells.name, [&](const TypSetting& setting) {
      return typ.empty() ? removeRegistryTyp(setting, catalogue_.rows[index])
                         : assignRegistryTyp(setting, catalogue_, index, typ);
    });
    if (editCompleted_ && !typ.empty()) resetTypChooser();
    TDBlesen();
  }
  CommandTypeaendern.backColor = kButtonColour;
}

void fMain::resetTypChooser() {
  CheckTypfile.setValue(false);
  CommandDoIt.visible = false;
  session_.vTypeaendern = "nein";
  for (Button* button : {&CommandFID, &CommandMapnameAendern, &CommandFilename})
    button->enabled = true;
}

}  // namespace mapsetdesk::ui
