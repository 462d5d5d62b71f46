#include "ui/forms/ExportImport.h"

#include "app/Language.h"
#include "app/ProductTitle.h"
#include "app/Settings.h"
#include "install/ToolCommandLines.h"
#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::ui {
namespace {

// The gmap list's line without its IDs.
std::string withoutIds(const std::string& line) { return line.substr(0, line.find("; FID:")); }

}  // namespace

ExportImport::ExportImport(ProgramWindows& program, WindowSystem& windows, Services& services,
                           Session& session)
    : Form(windows, "ExportImport"),
      program_(program),
      services_(services),
      session_(session),
      texts_(exportImportTexts(Sprache::Deutsch)) {
  placeControls();
  bindEvents();
}

void ExportImport::placeControls() {
  width = 720;
  height = 470;
  ListIMG.position = {12, 12, 340, 360};
  Listgmp.position = {364, 12, 340, 360};
  lblDownload.position = {12, 12, 692, 24};
  Label2.position = {12, 40, 692, 24};
  ListURL.position = {12, 68, 692, 200};
  TextUrl.position = {12, 280, 656, 24};
  CommandExe.position = {676, 280, 28, 24};
  CommandExe.caption = "...";
  CommandExport.position = {12, 384, 220, 36};
  CommandImport.position = {248, 384, 220, 36};
  CommandGmap.position = {484, 384, 220, 36};
  Label2.caption = kDownloadCaption;
  ListURL.setItems(downloadSources());
  hideDownloadList();
}

void ExportImport::bindEvents() {
  ListIMG.onClick = [this] { ListIMG_Click(); };
  Listgmp.onClick = [this] { Listgmp_Click(); };
  CommandExport.onClick = [this] { CommandExport_Click(); };
  CommandImport.onClick = [this] { CommandImport_Click(); };
  CommandGmap.onClick = [this] { CommandGmap_Click(); };
  ListURL.onClick = [this] { ListURL_Click(); };
  CommandExe.onClick = [this] { CommandExe_Click(); };
  TextUrl.onKeyEnter = [this] { TextUrl_KeyEnter(); };
}

void ExportImport::Form_Load() {
  Language1();
  fillLists();
  showMapsetLists();
  // Pressed without a marked line, export says so; conversion needs a
  // registered mapset marked.
  enableButtons(true);
  CommandGmap.enabled = false;
}

// The main window's export-import button is no longer the action under way.
void ExportImport::Form_Unload() { program_.main.Farbe(); }

void ExportImport::Language1() {
  if (const auto sprache = spracheFor(Settings(services_.registry).language()))
    texts_ = exportImportTexts(*sprache);
  caption = texts_.caption;
  CommandExport.caption = texts_.commandExport;
  CommandImport.caption = texts_.commandImport;
  CommandGmap.caption = texts_.commandGmap;
  lblDownload.caption = texts_.lblDownload;
}

// The main window's catalogues read afresh; row i of ListIMG is row i of its
// lists of registered mapsets, row i of Listgmp row i of its gmap lists.
void ExportImport::fillLists() {
  program_.main.TDBlesen();
  program_.main.GMPFileslisten();
  showMainLists();
}

void ExportImport::showMainLists() {
  const fMain& main = program_.main;
  ListIMG.setItems(main.ListLoeschen.items());
  listedRegistrations_.clear();
  for (const CatalogueRow& row : main.registryCatalogue().rows)
    listedRegistrations_.push_back(row.entry);
  listedPackages_ = main.gmapCatalogue().rows;
  std::vector<std::string> packages;
  for (const GmapRow& row : listedPackages_) packages.push_back(withoutIds(row.display));
  Listgmp.setItems(std::move(packages));
}

void ExportImport::say(const std::string& text, Icon icon) {
  services_.dialogs.message({text, std::string(kMessageTitle), Buttons::Ok, icon});
}

bool ExportImport::ask(const std::string& text) {
  return services_.dialogs.message({text, std::string(kMessageTitle), Buttons::YesNo,
                                    Icon::Question}) == Answer::Yes;
}

void ExportImport::showMapsetLists() {
  ListIMG.visible = true;
  Listgmp.visible = true;
  hideDownloadList();
}

void ExportImport::hideDownloadList() {
  for (Control* part : std::initializer_list<Control*>{&lblDownload, &Label2, &ListURL, &TextUrl,
                                                       &CommandExe})
    part->visible = false;
}

void ExportImport::enableButtons(bool enabled) {
  CommandExport.enabled = enabled;
  CommandImport.enabled = enabled;
}

void ExportImport::ListIMG_Click() {
  CommandExport.enabled = true;
  CommandGmap.enabled = true;
}

void ExportImport::Listgmp_Click() { CommandExport.enabled = true; }

void ExportImport::showDownloadList() {
  ListIMG.visible = false;
  Listgmp.visible = false;
  lblDownload.visible = true;
  Label2.visible = true;
  ListURL.visible = true;
}

void ExportImport::ListURL_Click() {
  const int row = ListURL.listIndex();
  if (row < 0) return;
  ListURL.visible = false;
  TextUrl.visible = false;
  CommandExe.visible = false;
  enableButtons(false);
  if (row == kNetworkPathRow) {
    TextUrl.visible = true;
    CommandExe.visible = true;
    TextUrl.setText(kNetworkPathPrompt);
    moveFocus(&TextUrl);
    return;
  }
  services_.shell.open(ListURL.item(row));
  enableButtons(true);
}

void ExportImport::CommandExe_Click() {
  if (const auto chosen = services_.dialogs.chooseFile({}, kExeFilter, {}))
    TextUrl.setText(*chosen);
}

void ExportImport::TextUrl_KeyEnter() {
  if (!TextUrl.text().ends_with("exe")) return;
  TextUrl.visible = false;
  CommandExe.visible = false;
  ListURL.visible = false;
  setMousePointer(MousePointer::Hourglass);
  services_.runner.startDetached(quoted(TextUrl.text()), WindowStyle::MinimizedFocus);
}

}  // namespace mapsetdesk::ui
