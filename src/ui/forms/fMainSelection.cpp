// The main window's tile selection: a folder of tiles, the files taken by
// double-click or dropped from the desktop, removal by click, and "Selection
// is finished", which opens the name and FID of the new mapset. The rules
// of what enters the selection live in TileSelection; here they are shown.
#include <initializer_list>

#include "app/ProductTitle.h"
#include "app/Settings.h"
#include "app/messages/MessageKeys.h"
#include "install/ImgInputCheck.h"
#include "install/InstallMessages.h"
#include "platform/FolderOps.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {
namespace {

// A dropped path is taken by its name alone; a tile that has gone since, or
// a folder named like one, is named here before anything is made of it.
bool tilesReadable(Dialogs& dialogs, const MessageCatalogue& texts,
                   const std::vector<std::string>& tiles) {
  for (const std::string& tile : tiles) {
    const auto fault = imgFileFault(tile);
    if (!fault) continue;
    const Sprache sprache = texts.sprache().value_or(Sprache::Deutsch);
    dialogs.message({tileFaultText(sprache, *fault) + tile, std::string(kMessageTitle),
                     Buttons::Ok, Icon::Exclamation});
    return false;
  }
  return true;
}

}  // namespace

void fMain::bindSelectionEvents() {
  CommandHinzufuegen.onClick = [this] { CommandHinzufuegen_Click(); };
  Dir1.onChange = [this] { Dir1_Change(); };
  Dir1.onKeyEnter = [this] { Dir1_KeyEnter(); };
  CommandFolder.onClick = [this] { CommandFolder_Click(); };
  File1.onMouseMove = [this] { File1_MouseMove(); };
  File1.onDblClick = [this] { File1_DblClick(); };
  List1.onClick = [this] { List1_Click(); };
  List1.onDrop = [this](const std::vector<std::string>& files) { List1_DragDrop(files); };
  Command1.onClick = [this] { Command1_Click(); };
  CommandAllesLoeschen.onClick = [this] { CommandAllesLoeschen_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
}

// List1 shows the selection, or the placeholder while it is empty.
void fMain::showSelection() {
  if (selection_.empty())
    List1.setItems({session_.texts.text(key::Fehler28)});
  else
    List1.setItems(selection_.entries());
}

void fMain::showTypPicker(bool shown) {
  for (Control* control : {static_cast<Control*>(&Drive2), static_cast<Control*>(&DirTypefile),
                           static_cast<Control*>(&FileTypefile)})
    control->visible = shown;
}

void fMain::CommandHinzufuegen_Click() {
  leaveModes();
  CommandHinzufuegen.backColor = kActionColour;
  CommandHinzufuegen.enabled = false;
  TextMeldung.visible = false;
  for (Control* control : std::initializer_list<Control*>{
           &TextMapsetname, &CommandNameuebernehmen, &Frame2, &CommandDoIt, &Frame1,
           &ListLoeschen})
    control->visible = false;
  CommandDoIt.enabled = false;
  for (Control* control : std::initializer_list<Control*>{&CommandButtonPV, &CommandFolder,
                                                          &TextBoxID, &Label7, &Label12})
    control->visible = true;
  // Usable once the selection is finished and the mapset has a name.
  CommandButtonPV.enabled = false;
  TextBoxMSName.enabled = true;
  TextBoxMSName.setText({});
  Dir1.enabled = true;
  File1.enabled = true;
  showTypPicker(CheckTypfile.value());
  if (Optiontdbja.value()) openTdbVorhanden();
}

void fMain::Dir1_Change() {
  if (!File1.setPath(Dir1.path())) return;
  selection_.clear();
  showSelection();
  Command1.enabled = false;
  Settings(services_.registry).storeDir(Dir1.path());
}

void fMain::Dir1_KeyEnter() { Dir1.open(Dir1.listIndex()); }

void fMain::CommandFolder_Click() {
  const std::string folder = browseForFolder(services_.dialogs, std::string(kChooseFolderTitle));
  if (!folder.empty()) Dir1.setPath(folder);
}

void fMain::File1_MouseMove() { File1.toolTip = session_.texts.text(key::Tip2); }

void fMain::File1_DblClick() {
  const SelectionStep step = selection_.addFromFolder(File1.path(), File1.fileName());
  showSelection();
  tellSelection(step.note);
  if (step.handled) Command1.enabled = true;
}

void fMain::List1_Click() {
  if (selection_.empty()) return;
  selection_.removeAt(List1.listIndex());
  showSelection();
  if (selection_.empty()) Command1.enabled = false;
}

void fMain::List1_DragDrop(const std::vector<std::string>& files) {
  setMousePointer(MousePointer::Hourglass);
  const SelectionStep step = selection_.drop(files, Dir1.path(), services_.programFolder);
  showSelection();
  tellSelection(step.note);
  if (step.handled && !selection_.empty()) Command1.enabled = true;
  setMousePointer(MousePointer::Default);
}

void fMain::tellSelection(SelectionNote note) {
  const auto tell = [this](std::string_view key, std::string_view title) {
    services_.dialogs.message(
        {session_.texts.text(key), std::string(title), Buttons::Ok, Icon::Exclamation});
  };
  switch (note) {
    case SelectionNote::Duplicate: return tell(key::Fehler12, kSelectionTitle);
    case SelectionNote::WrongName: return tell(key::Fehler23, kMessageTitle);
    case SelectionNote::DotInFolders: return tell(key::Fehler37, kMessageTitle);
    case SelectionNote::ProgramFolder: return tell(key::Satz27, kMessageTitle);
    case SelectionNote::None:
    case SelectionNote::DeviceImageHeld: return;
  }
}

void fMain::Command1_Click() {
  setMousePointer(MousePointer::Hourglass);
  showTypPicker(false);
  LabelTypefile.visible = false;
  if (selection_.vgmapsupp()) {
    CommandButtonPV_Click();
    return;
  }
  if (!tilesReadable(services_.dialogs, session_.texts, selection_.entries())) {
    setMousePointer(MousePointer::Default);
    return;
  }
  File1.enabled = false;
  Dir1.enabled = false;
  Command1.enabled = false;
  TextBoxMSName.enabled = true;
  TDBlesen();
  GMPFileslisten();
  Frame1.visible = true;
  Label4.visible = false;
  CommandButtonPV.enabled = false;
  TextBoxID.visible = true;
  TextBoxID.enabled = true;
  const auto fid = FreieIdNr();
  TextBoxID.setText(fid ? std::to_string(*fid) : std::string());
  setMousePointer(MousePointer::Default);
}

void fMain::CommandAllesLoeschen_Click() {
  leaveModes();
  for (Control* control : std::initializer_list<Control*>{
           &CommandHinzufuegen, &CommandFilename, &File1, &List1, &Dir1, &CommandFID,
           &CommandMapnameAendern})
    control->enabled = true;
  for (Control* control : std::initializer_list<Control*>{&CommandButtonPV, &Command2,
                                                          &TextBoxMSName, &TextBoxID})
    control->enabled = false;
  for (Control* control : std::initializer_list<Control*>{
           &Frame1, &ListMapsetGMP, &ListID, &ListSubkey, &ListMapsetName,
           &CommandNameuebernehmen, &CommandFolder, &TextMeldung})
    control->visible = false;
  List1.visible = true;
  Frame2.visible = true;
  ListTDB.clear();
  ListID.clear();
  Dir1_Change();
}

void fMain::Command2_Click() {
  CommandAllesLoeschen_Click();
  if (startUp(services_, session_, *this) == StartupOutcome::EndProgram) {
    windows().endProgram();
    return;
  }
  ListTDB.clear();
  ListLoeschen.clear();
  TextBoxMSName.setText({});
  CommandAllesLoeschen.enabled = true;
  Frame1.visible = false;
  Frame2.visible = false;
  List1.visible = true;
  Label4.visible = true;
  showTypPicker(CheckTypfile.value());
}

}  // namespace mapsetdesk::ui
