// The main window's catalogue lists: the show/remove action fills them, they
// are parallel, so the visible ones scroll together, and a click or
// double-click on a row acts on the mapset of that row.
#include <functional>
#include <vector>

#include "app/messages/MessageKeys.h"
#include "catalogue/FidAllocation.h"
#include "platform/Permissions.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {
namespace {

template <typename Row>
std::vector<std::string> column(const std::vector<Row>& rows,
                                const std::function<std::string(const Row&)>& cell) {
  std::vector<std::string> cells;
  cells.reserve(rows.size());
  for (const Row& row : rows) cells.push_back(cell(row));
  return cells;
}

}  // namespace

void fMain::CommandKartenentfernen_Click() {
  setMousePointer(MousePointer::Hourglass);
  const auto chosen = chosenMapset();
  leaveModes();
  CommandKartenentfernen.backColor = kActionColour;
  grantRegistryRights(services_.runner, services_.dialogs, services_.programFolder,
                      "HKLM\\" + session_.vReg6432 + "\\Garmin", session_.userName);
  session_.vGMPTypeaendern = "entfernen";
  ListMapsetName.visible = false;
  for (ListBox* list : {&ListLoeschen, &ListSubkey, &ListID}) list->visible = true;
  ListLoeschen.enabled = true;
  TDBlesen();
  GMPFileslisten();
  // Chosen, not removed: only a double-click removes.
  chooseAgain(chosen);
  showModeHint();
  DoppelteFID();
  setMousePointer(MousePointer::Default);
}

void fMain::TDBlesen() {
  catalogue_ = mapsetdesk::TDBlesen(services_.registry, services_.dialogs, session_.vReg6432,
                                    session_.texts.text(key::Fehler25));
  showRegistryCatalogue();
}

void fMain::GMPFileslisten() {
  packages_ = mapsetdesk::GMPFileslisten(
      gmapFolders(services_.registry, services_.facts, session_.vReg6432), services_.dialogs);
  ListMapsetGMP.visible = true;
  showGmapCatalogue();
}

// The packages count as well, read quietly when nothing has listed them yet;
// the gmap list gets its rows but stays hidden.
std::optional<std::uint16_t> fMain::FreieIdNr() {
  if (catalogue_.rows.empty()) TDBlesen();
  if (!packages_.listed) {
    packages_ = mapsetdesk::GMPFileslisten(
        gmapFolders(services_.registry, services_.facts, session_.vReg6432), services_.dialogs);
    showGmapCatalogue();
  }
  return mapsetdesk::FreieIdNr(catalogue_, packages_);
}

void fMain::DoppelteFID() {
  mapsetdesk::DoppelteFID(catalogue_, packages_, services_.dialogs,
                          [this] { windows().letEventsRun(); });
}

void fMain::showRegistryCatalogue() {
  using Cell = std::function<std::string(const CatalogueRow&)>;
  const auto fill = [this](ListBox& list, const Cell& cell) {
    list.setItems(column(catalogue_.rows, cell));
  };
  fill(ListLoeschen, [](const CatalogueRow& row) { return row.cells.name; });
  fill(ListMapsetName, [](const CatalogueRow& row) { return row.cells.name; });
  fill(ListID, [](const CatalogueRow& row) { return row.cells.fid; });
  fill(ListPID, [](const CatalogueRow& row) { return row.cells.pid; });
  fill(ListSubkey, [](const CatalogueRow& row) { return row.entry.subkeyPath; });
  fill(ListProdFam, [](const CatalogueRow& row) { return std::string(rootLabel(row.entry.root)); });
  fill(ListTDB, [](const CatalogueRow& row) { return row.entry.tdb; });
  fill(ListIMG, [](const CatalogueRow& row) { return row.entry.overview; });
  fill(ListLoc, [](const CatalogueRow& row) { return row.entry.tileFolder; });
  fill(ListTypefile, [](const CatalogueRow& row) { return row.entry.typ; });
  fill(ListUnterschluessel, [](const CatalogueRow& row) { return row.entry.familyKeyPath; });
  ListHauptschluessel.setItems(catalogue_.familyNames);
}

void fMain::showGmapCatalogue() {
  using Cell = std::function<std::string(const GmapRow&)>;
  const auto fill = [this](ListBox& list, const Cell& cell) {
    list.setItems(column(packages_.rows, cell));
  };
  fill(ListXMLPfad, [](const GmapRow& row) { return row.infoXml; });
  fill(ListMapsetGMP, [](const GmapRow& row) { return row.display; });
  fill(ListGmpTdb, [](const GmapRow& row) { return row.tdb; });
  fill(ListgmpFid, [](const GmapRow& row) { return row.fid; });
  fill(ListgmpMDX, [](const GmapRow& row) { return row.index; });
  fill(ListgmpPID, [](const GmapRow& row) { return row.pid; });
  if (packages_.noMapFolder && packages_.rows.empty())
    ListMapsetGMP.setItems({session_.texts.text(key::satz57)});
}

void fMain::ListLoeschen_Click() {
  chosenGmap_ = false;
  const int row = ListLoeschen.listIndex();
  if (row < 0) return;
  ListMapsetName.setSelected(row, true);
  ListLoeschen.toolTip = ListLoeschen.item(row) + session_.texts.text(key::Satz72);
}

// The tool tip names the package and what a double-click on it does now.
void fMain::ListMapsetGMP_Click() {
  const int row = ListMapsetGMP.listIndex();
  if (row < 0 || row >= static_cast<int>(packages_.rows.size())) return;
  chosenGmap_ = true;
  typPickChanged();
  const std::string folder = packageFolder(packages_.rows[static_cast<std::size_t>(row)]);
  if (session_.vGMPTypeaendern == "entfernen" && !session_.vFIDchange &&
      session_.vTypeaendern != "ja") {
    ListMapsetGMP.toolTip = folder + session_.texts.text(key::Satz72);
    return;
  }
  const std::string hint = modeHint();
  ListMapsetGMP.toolTip = hint.empty() ? folder : folder + ". " + hint;
}

// A double-click below the last row hits no mapset: nothing happens.
void fMain::ListMapsetName_DblClick() {
  const int row = ListMapsetName.listIndex();
  if (row < 0 || row >= static_cast<int>(catalogue_.rows.size())) return;
  chosenGmap_ = false;
  if (pickForFidChange(ListMapsetName, row)) return;
  if (listTiles(ListMapsetName, row)) return;
  // The FID change, the rename ("aendern"), the tile listing ("Namenlisten")
  // and the TYP assignment (no mode) take the picked row in their own
  // windows; the mode "XX" only locks the list.
  if (!session_.vFIDchange && session_.vMapsetName == "XX") ListMapsetName.enabled = false;
  if (session_.vMapsetName == "aendern") pickForRename(false);
  if (session_.vTypeaendern == "ja") session_.vGMPTypeaendern = "nein";
  typPickChanged();
}

void fMain::ListMapsetGMP_DblClick() {
  const int row = ListMapsetGMP.listIndex();
  if (row < 0 || row >= static_cast<int>(packages_.rows.size())) return;
  chosenGmap_ = true;
  session_.vGMPoderIMG = "GMP";
  // The FID change and the tile listing are taken first and end the
  // double-click, so neither can remove a package; the removal runs only
  // outside the TYP mode, and the rename comes last.
  if (pickForFidChange(ListMapsetGMP, row)) return;
  if (listTiles(ListMapsetGMP, row)) return;
  if (!session_.vFIDchange && session_.vTypeaendern != "ja" &&
      session_.vGMPTypeaendern == "entfernen")
    removeGmapPackage();
  if (session_.vTypeaendern == "ja") session_.vGMPTypeaendern = "ja";
  if (session_.vMapsetName == "aendern") pickForRename(true);
  typPickChanged();
}

void fMain::ListLoeschen_Scroll() { scrollCatalogueTo(ListLoeschen.topIndex()); }
void fMain::ListSubkey_Scroll() { scrollCatalogueTo(ListSubkey.topIndex()); }
void fMain::ListID_Scroll() { scrollCatalogueTo(ListID.topIndex()); }
void fMain::ListProdFam_Scroll() { scrollCatalogueTo(ListProdFam.topIndex()); }
void fMain::ListMapsetName_Scroll() { scrollCatalogueTo(ListMapsetName.topIndex()); }

void fMain::scrollCatalogueTo(int topRow) {
  for (ListBox* list : {&ListLoeschen, &ListSubkey, &ListID, &ListProdFam, &ListMapsetName})
    list->setTopIndex(topRow);
}

}  // namespace mapsetdesk::ui
