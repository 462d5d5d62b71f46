// Where the main window's controls sit and what a person sees at start:
// the tile selection on the left, the new mapset and the TYP file in the
// middle, the catalogues and the editing actions on the right, the running
// report along the bottom.
#include <filesystem>
#include <initializer_list>
#include <system_error>

#include "platform/Drives.h"
#include "platform/FilePath.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {
namespace {

constexpr const char* kTilePattern = "????????.img; ????????.Img; ????????.IMG";

std::string workingFolder() {
  std::error_code error;
  const auto folder = std::filesystem::current_path(error);
  return error ? std::string() : pathText(folder);
}

void place(Control& control, Rect position, Frame* container = nullptr) {
  control.position = position;
  control.container = container;
}

void hideColumn(ListBox& list) {
  list.visible = false;
  list.position = {};
}

}  // namespace

void fMain::placeControls() {
  width = 1000;
  height = 668;
  placeTileSelection();
  placeNewMapset();
  placeTypFile();
  placeCatalogue();
  placeActionsAndMessages();
  placeMenu();
  showStartState();
}

void fMain::placeTileSelection() {
  place(GroupTiles, {8, 4, 320, 578});
  place(CommandHinzufuegen, {16, 22, 304, 30});
  place(Optiontdbja, {16, 58, 304, 26});
  place(Optiontdbno, {16, 86, 304, 26});
  place(CommandFolder, {16, 118, 304, 28});
  place(Dir1, {16, 150, 304, 122});
  place(File1, {16, 276, 304, 110});
  place(Label4, {16, 392, 304, 18});
  place(List1, {16, 410, 304, 82});
  place(Command1, {16, 498, 150, 34});
  place(CommandAllesLoeschen, {170, 498, 150, 34});
  place(Command2, {16, 538, 304, 36});
  Dir1.setPath(workingFolder());
  File1.setPattern(kTilePattern);
  File1.setPath(Dir1.path());
}

void fMain::placeNewMapset() {
  place(GroupNewMapset, {336, 4, 320, 236});
  place(Frame1, {344, 18, 304, 170});
  place(Label3, {352, 38, 288, 18}, &Frame1);
  place(TextBoxMSName, {352, 56, 288, 24}, &Frame1);
  place(Label7, {352, 90, 60, 18}, &Frame1);
  place(TextBoxID, {412, 86, 90, 24}, &Frame1);
  place(Label12, {352, 114, 288, 32}, &Frame1);
  place(Label11, {352, 154, 120, 18}, &Frame1);
  place(TextLevel, {476, 150, 60, 24}, &Frame1);
  place(TextZoom, {540, 150, 60, 24}, &Frame1);
  place(CommandButtonPV, {344, 196, 304, 36});
}

void fMain::placeTypFile() {
  place(GroupTypFile, {336, 244, 320, 338});
  place(CheckTypfile, {344, 262, 150, 24});
  place(CommandTypeaendern, {498, 258, 150, 30});
  place(LabelTypefile, {344, 292, 304, 18});
  place(Drive2, {344, 312, 304, 24});
  place(DirTypefile, {344, 340, 304, 106});
  place(FileTypefile, {344, 450, 304, 82});
  place(CommandDoIt, {344, 538, 304, 36});
  hideColumn(ListTypefile);
  // The folder list starts at the drive the drive box shows.
  if (!Drive2.items().empty()) Drive2.setDrive(Drive2.items().front());
  if (Drive2.drive().empty() || !DirTypefile.setPath(Drive2.drive()))
    DirTypefile.setPath(workingFolder());
  FileTypefile.setPattern(kTypPattern);
  FileTypefile.setPath(DirTypefile.path());
}

void fMain::placeCatalogue() {
  place(GroupCatalogue, {664, 4, 328, 406});
  place(CommandKartenentfernen, {672, 22, 312, 30});
  // The removal list and the list for the editing actions share one place:
  // the mode decides which of them shows.
  place(ListLoeschen, {672, 58, 166, 118});
  place(ListMapsetName, {672, 58, 166, 118});
  place(ListID, {842, 58, 48, 118});
  place(ListSubkey, {894, 58, 48, 118});
  place(ListProdFam, {946, 58, 38, 118});
  place(LabelHinweis, {672, 178, 312, 34});
  for (ListBox* column : {&ListPID, &ListTDB, &ListIMG, &ListLoc, &ListUnterschluessel,
                          &ListHauptschluessel, &ListgmpFid, &ListgmpPID, &ListGmpTdb,
                          &ListGmpTyp, &ListgmpMDX, &ListXMLPfad})
    hideColumn(*column);
  place(LabelGMPFolder, {672, 214, 312, 18});
  place(ListMapsetGMP, {672, 234, 312, 100});
  place(CommandMapnameAendern, {672, 340, 150, 30});
  place(TextMapsetname, {826, 342, 158, 24});
  place(CommandNameuebernehmen, {826, 372, 158, 30});
}

void fMain::placeActionsAndMessages() {
  place(GroupActions, {664, 414, 328, 168});
  place(CommandFID, {672, 432, 150, 32});
  place(CmdExpImp, {834, 432, 150, 32});
  place(CommandKompa, {672, 470, 312, 32});
  place(Frame2, {672, 506, 312, 70});
  place(CommandFilename, {680, 528, 296, 36}, &Frame2);
  place(TextMeldung, {8, 588, 984, 56});
  place(TextXX, {});
  place(Label9, {8, 648, 120, 18});
}

void fMain::placeMenu() {
  Sprachwahl.position = {};
  MnHilfe.position = {};
  Prop.position = {};
  MnuLatitude.position = {};
  MnuPruefen.position = {};
  MnuVerlauf.position = {};
  mnuWebsite.position = {};
}

void fMain::showStartState() {
  // Idle: the catalogue view with the actions ready; the tile selection, the
  // name and FID, the TYP picker and the rename field open with their actions.
  using Controls = std::initializer_list<Control*>;
  for (Control* control : Controls{&Dir1, &File1, &Command1, &Command2, &CommandButtonPV,
                                   &TextBoxMSName, &TextBoxID})
    control->enabled = false;
  for (Control* control :
       Controls{&Frame1, &CommandFolder, &ListMapsetName, &ListMapsetGMP, &TextMapsetname,
                &CommandNameuebernehmen, &CommandDoIt, &Drive2, &DirTypefile, &FileTypefile,
                &LabelTypefile, &LabelHinweis, &TextXX})
    control->visible = false;
  TextMeldung.locked = true;
}

}  // namespace mapsetdesk::ui
