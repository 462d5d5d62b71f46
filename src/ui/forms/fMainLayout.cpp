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

// A window sized beyond its design gives its new width to the columns: a
// quarter to the tile selection, a little to the new mapset and TYP file, the
// most to the catalogues, whose names and registry keys are the longest
// texts; and its new height to the columns' lists, a fifth of it to the
// running report below them. Buttons keep their size and their place towards
// the edge of their group they are designed near.
constexpr int kTilesRight = 25;
constexpr int kMiddleRight = 40;
constexpr int kNamesRight = 76;
constexpr int kColumnsBottom = 80;

// The shares of a control that keeps its size: it moves with a column's left
// edge and the given share of the height.
constexpr Stretch kept(int column, int down) { return {column, down, column, down}; }

void place(Control& control, Rect position, Stretch stretch = {}, Frame* container = nullptr) {
  control.position = position;
  control.stretch = stretch;
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
  sizable = true;
  placeTileSelection();
  placeNewMapset();
  placeTypFile();
  placeCatalogue();
  placeActionsAndMessages();
  placeMenu();
  showStartState();
}

void fMain::placeTileSelection() {
  constexpr int kFoldersBottom = 24;
  constexpr int kFilesBottom = 52;
  place(GroupTiles, {8, 4, 320, 578}, {0, 0, kTilesRight, kColumnsBottom});
  place(CommandHinzufuegen, {16, 22, 304, 30});
  place(Optiontdbja, {16, 58, 304, 26});
  place(Optiontdbno, {16, 86, 304, 26});
  place(CommandFolder, {16, 118, 304, 28});
  place(Dir1, {16, 150, 304, 122}, {0, 0, kTilesRight, kFoldersBottom});
  place(File1, {16, 276, 304, 110}, {0, kFoldersBottom, kTilesRight, kFilesBottom});
  place(Label4, {16, 392, 304, 18}, {0, kFilesBottom, kTilesRight, kFilesBottom});
  place(List1, {16, 410, 304, 82}, {0, kFilesBottom, kTilesRight, kColumnsBottom});
  place(Command1, {16, 498, 150, 34}, kept(0, kColumnsBottom));
  place(CommandAllesLoeschen, {170, 498, 150, 34}, kept(0, kColumnsBottom));
  place(Command2, {16, 538, 304, 36}, kept(0, kColumnsBottom));
  Dir1.setPath(workingFolder());
  File1.setPattern(kTilePattern);
  File1.setPath(Dir1.path());
}

void fMain::placeNewMapset() {
  constexpr Stretch kWider{kTilesRight, 0, kMiddleRight, 0};
  constexpr Stretch kKept = kept(kTilesRight, 0);
  place(GroupNewMapset, {336, 4, 320, 236}, kWider);
  place(Frame1, {344, 18, 304, 170}, kWider);
  place(Label3, {352, 38, 288, 18}, kWider, &Frame1);
  place(TextBoxMSName, {352, 56, 288, 24}, kWider, &Frame1);
  place(Label7, {352, 90, 60, 18}, kKept, &Frame1);
  place(TextBoxID, {412, 86, 90, 24}, kKept, &Frame1);
  place(Label12, {352, 114, 288, 32}, kWider, &Frame1);
  place(Label11, {352, 154, 120, 18}, kKept, &Frame1);
  place(TextLevel, {476, 150, 60, 24}, kKept, &Frame1);
  place(TextZoom, {540, 150, 60, 24}, kKept, &Frame1);
  place(CommandButtonPV, {344, 196, 304, 36}, kKept);
}

void fMain::placeTypFile() {
  constexpr int kFoldersBottom = 40;
  constexpr Stretch kKept = kept(kTilesRight, 0);
  place(GroupTypFile, {336, 244, 320, 338}, {kTilesRight, 0, kMiddleRight, kColumnsBottom});
  place(CheckTypfile, {344, 262, 150, 24}, kKept);
  place(CommandTypeaendern, {498, 258, 150, 30}, kKept);
  place(LabelTypefile, {344, 292, 304, 18}, {kTilesRight, 0, kMiddleRight, 0});
  place(Drive2, {344, 312, 304, 24}, {kTilesRight, 0, kMiddleRight, 0});
  place(DirTypefile, {344, 340, 304, 106}, {kTilesRight, 0, kMiddleRight, kFoldersBottom});
  place(FileTypefile, {344, 450, 304, 82},
        {kTilesRight, kFoldersBottom, kMiddleRight, kColumnsBottom});
  place(CommandDoIt, {344, 538, 304, 36}, kept(kTilesRight, kColumnsBottom));
  hideColumn(ListTypefile);
  // The folder list starts at the drive the drive box shows.
  if (!Drive2.items().empty()) Drive2.setDrive(Drive2.items().front());
  if (Drive2.drive().empty() || !DirTypefile.setPath(Drive2.drive()))
    DirTypefile.setPath(workingFolder());
  FileTypefile.setPattern(kTypPattern);
  FileTypefile.setPath(DirTypefile.path());
}

void fMain::placeCatalogue() {
  constexpr int kRegistryBottom = 48;
  constexpr Stretch kRegistryRows{kMiddleRight, 0, kNamesRight, kRegistryBottom};
  constexpr Stretch kBelowRegistry{kMiddleRight, kRegistryBottom, 100, kRegistryBottom};
  constexpr Stretch kBelowLists = kept(kMiddleRight, kColumnsBottom);
  place(GroupCatalogue, {664, 4, 328, 406}, {kMiddleRight, 0, 100, kColumnsBottom});
  place(CommandKartenentfernen, {672, 22, 312, 30}, kept(kMiddleRight, 0));
  // The removal list and the list for the editing actions share one place:
  // the mode decides which of them shows.
  place(ListLoeschen, {672, 58, 166, 118}, kRegistryRows);
  place(ListMapsetName, {672, 58, 166, 118}, kRegistryRows);
  place(ListID, {842, 58, 48, 118}, {kNamesRight, 0, kNamesRight, kRegistryBottom});
  place(ListSubkey, {894, 58, 48, 118}, {kNamesRight, 0, 100, kRegistryBottom});
  place(ListProdFam, {946, 58, 38, 118}, {100, 0, 100, kRegistryBottom});
  place(LabelHinweis, {672, 178, 312, 34}, kBelowRegistry);
  for (ListBox* column : {&ListPID, &ListTDB, &ListIMG, &ListLoc, &ListUnterschluessel,
                          &ListHauptschluessel, &ListgmpFid, &ListgmpPID, &ListGmpTdb,
                          &ListGmpTyp, &ListgmpMDX, &ListXMLPfad})
    hideColumn(*column);
  place(LabelGMPFolder, {672, 214, 312, 18}, kBelowRegistry);
  place(ListMapsetGMP, {672, 234, 312, 100},
        {kMiddleRight, kRegistryBottom, 100, kColumnsBottom});
  place(CommandMapnameAendern, {672, 340, 150, 30}, kBelowLists);
  place(TextMapsetname, {826, 342, 158, 24}, kBelowLists);
  place(CommandNameuebernehmen, {826, 372, 158, 30}, kBelowLists);
}

void fMain::placeActionsAndMessages() {
  constexpr Stretch kKept = kept(kMiddleRight, kColumnsBottom);
  place(GroupActions, {664, 414, 328, 168}, {kMiddleRight, kColumnsBottom, 100, kColumnsBottom});
  place(CommandFID, {672, 432, 150, 32}, kKept);
  place(CmdExpImp, {834, 432, 150, 32}, kKept);
  place(CommandKompa, {672, 470, 312, 32}, kKept);
  place(Frame2, {672, 506, 312, 70}, {kMiddleRight, kColumnsBottom, 100, kColumnsBottom});
  place(CommandFilename, {680, 528, 296, 36}, kKept, &Frame2);
  place(TextMeldung, {8, 588, 984, 56}, {0, kColumnsBottom, 100, 100});
  place(TextXX, {});
  place(Label9, {8, 648, 120, 18}, kept(0, 100));
}

void fMain::placeMenu() {
  Sprachwahl.position = {};
  MnHilfe.position = {};
  Prop.position = {};
  MnuLatitude.position = {};
  MnuPruefen.position = {};
  MnuVerlauf.position = {};
  MnuGeraet.position = {};
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
