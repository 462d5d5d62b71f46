// The modes of the main window's catalogue lists. Every mode button starts
// from the plain catalogue view, so nothing of the mode before stays behind
// (a field, the TYP chooser, a disabled button, a colour); while a mode
// waits for its double-click the hint says so, and a mapset chosen before
// the button was pressed counts as the pick.
#include <initializer_list>

#include "app/messages/MessageKeys.h"
#include "ui/forms/ProgramWindows.h"
#include "ui/forms/controls/Caption.h"

namespace mapsetdesk::ui {
namespace {

std::string registryKeyOf(const CatalogueRow& row) {
  return std::string(rootLabel(row.entry.root)) + "\\" + row.entry.subkeyPath;
}

std::string packageKeyOf(const GmapRow& row) { return row.infoXml + "|" + row.pid; }

}  // namespace

void fMain::leaveModes() {
  // The FID changer belongs to the FID mode: it closes with it.
  if (session_.vFIDchange) program_.fid.unload();
  if (session_.vTypeaendern == "ja") resetTypChooser();
  session_.vTypeaendern = "nein";
  session_.vGMPTypeaendern = "nein";
  session_.vMapsetName.clear();
  session_.vGMPListen.clear();
  renameFromGmap_ = false;
  Farbe();
  for (Control* control : std::initializer_list<Control*>{&TextMapsetname,
                                                          &CommandNameuebernehmen, &CommandDoIt})
    control->visible = false;
  CommandDoIt.enabled = false;
  Frame2.visible = true;
  for (Button* button : {&CommandKartenentfernen, &CommandTypeaendern, &CommandMapnameAendern,
                         &CommandFilename, &CommandFID})
    button->enabled = true;
  showModeHint();
}

std::string_view fMain::modeHintKey() const {
  if (session_.vFIDchange) return key::Satz51;
  if (session_.vMapsetName == "aendern") return key::Satz49;
  if (session_.vMapsetName == "Namenlisten") return key::Satz52;
  if (session_.vTypeaendern == "ja") return key::Satz26;
  if (session_.vGMPTypeaendern == "entfernen") return key::Satz55;
  return {};
}

std::string fMain::modeHint() const {
  const std::string_view hintKey = modeHintKey();
  return hintKey.empty() ? std::string() : session_.texts.text(hintKey);
}

void fMain::showModeHint() {
  const std::string hint = modeHint();
  setCaption(LabelHinweis, hint);
  LabelHinweis.visible = !hint.empty();
  ListMapsetName.toolTip = hint.empty() ? session_.texts.toolTip("ListMapsetName") : hint;
  ListMapsetGMP.toolTip = hint.empty() ? session_.texts.toolTip("ListMapsetGMP") : hint;
}

// The two registered-mapset lists are one list in two modes: a row chosen
// in one is chosen in the other.
void fMain::ListMapsetName_Click() {
  chosenGmap_ = false;
  if (const int row = ListMapsetName.listIndex(); row >= 0) ListLoeschen.setSelected(row, true);
  typPickChanged();
}

std::optional<fMain::ChosenMapset> fMain::chosenMapset() const {
  if (chosenGmap_) {
    const int row = ListMapsetGMP.listIndex();
    if (row < 0 || row >= static_cast<int>(packages_.rows.size())) return std::nullopt;
    return ChosenMapset{true, packageKeyOf(packages_.rows[static_cast<std::size_t>(row)])};
  }
  const int row = ListMapsetName.listIndex();
  if (row < 0 || row >= static_cast<int>(catalogue_.rows.size())) return std::nullopt;
  return ChosenMapset{false, registryKeyOf(catalogue_.rows[static_cast<std::size_t>(row)])};
}

int fMain::chooseAgain(const std::optional<ChosenMapset>& chosen) {
  if (!chosen) return -1;
  if (chosen->gmap) {
    for (std::size_t row = 0; row < packages_.rows.size(); ++row) {
      if (packageKeyOf(packages_.rows[row]) != chosen->key) continue;
      ListMapsetGMP.setListIndex(static_cast<int>(row));
      chosenGmap_ = true;
      return static_cast<int>(row);
    }
    return -1;
  }
  for (std::size_t row = 0; row < catalogue_.rows.size(); ++row) {
    if (registryKeyOf(catalogue_.rows[row]) != chosen->key) continue;
    ListMapsetName.setListIndex(static_cast<int>(row));
    chosenGmap_ = false;
    return static_cast<int>(row);
  }
  return -1;
}

void fMain::pickAgain(const std::optional<ChosenMapset>& chosen) {
  if (chooseAgain(chosen) < 0) return;
  if (chosen->gmap)
    ListMapsetGMP_DblClick();
  else
    ListMapsetName_DblClick();
}

}  // namespace mapsetdesk::ui
