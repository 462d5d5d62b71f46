#pragma once
// The main window: the tile selection, the new mapset's name and FID, the TYP
// file, the catalogues of registered mapsets and gmap packages, the editing
// actions, the running report and the menu. Its handlers are split by the
// subsystem they serve: fMainStartup.cpp (start-up and shutdown),
// fMainMenu.cpp (menu and language), fMainCatalogue.cpp (catalogue lists),
// fMainRemoval.cpp (removal of a mapset), fMainCache.cpp (tile caches and
// the folders window), fMainLatitude.cpp (the latitude window),
// fMainPruefen.cpp (the health check window),
// fMainSelection.cpp (the tile selection), fMainNewMapset.cpp (the new
// mapset's name and FID), fMainTypPicker.cpp (the TYP-file picker),
// fMainInstall.cpp (the installation run), fMainTdbVorhanden.cpp (the window
// for an existing TDB and overview, and the device-image run that hands it
// each family), fMainFid.cpp (the FID mode and its window),
// fMainDrawPriority.cpp (the tile listing and the draw-priority window),
// fMainRename.cpp (the rename), fMainTyp.cpp (the TYP assignment),
// fMainTransfer.cpp (the export and import window), fMainModes.cpp (what
// every mode of the catalogue lists starts from and the hint it shows).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Services.h"
#include "app/Session.h"
#include "app/Startup.h"
#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "install/DeviceImage.h"
#include "install/InstallationRun.h"
#include "install/InstallationView.h"
#include "install/TileSelection.h"
#include "ui/forms/controls/Button.h"
#include "ui/forms/controls/CheckBox.h"
#include "ui/forms/controls/DirList.h"
#include "ui/forms/controls/DriveList.h"
#include "ui/forms/controls/FileList.h"
#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/Frame.h"
#include "ui/forms/controls/Label.h"
#include "ui/forms/controls/ListBox.h"
#include "ui/forms/controls/MenuItem.h"
#include "ui/forms/controls/OptionButton.h"
#include "ui/forms/controls/TextBox.h"

namespace mapsetdesk::ui {

class ProgramWindows;

// The colours of the action buttons: at rest, and the one whose action is under way.
inline constexpr Color kButtonColour{243, 241, 221};
inline constexpr Color kActionColour{255, 200, 100};

// The TYP files the picker offers: any while tiles are chosen, only those
// with eight-character names for the TYP assignment.
inline constexpr char kTypPattern[] = "*.typ;*.TYP;*.Typ";
inline constexpr char kEightCharacterTypPattern[] = "????????.typ;????????.TYP;????????.Typ";

// The option pair's pictures: "TDB exists" chosen / not chosen, "no TDB yet"
// chosen / not chosen.
enum : int {
  kPictureTdbYesChosen = 101,
  kPictureTdbYes = 102,
  kPictureTdbNoChosen = 103,
  kPictureTdbNo = 104,
};

class fMain : public Form, private StartupWindow, private InstallationView {
 public:
  fMain(ProgramWindows& program, WindowSystem& windows, Services& services, Session& session);

  // Groups of the layout; they carry no caption and are never hidden.
  Frame GroupTiles{*this, "GroupTiles"};
  Frame GroupNewMapset{*this, "GroupNewMapset"};
  Frame GroupTypFile{*this, "GroupTypFile"};
  Frame GroupCatalogue{*this, "GroupCatalogue"};
  Frame GroupActions{*this, "GroupActions"};

  // Tile selection.
  Button CommandHinzufuegen{*this, "CommandHinzufuegen"};
  OptionButton Optiontdbja{*this, "Optiontdbja"};
  OptionButton Optiontdbno{*this, "Optiontdbno"};
  Button CommandFolder{*this, "CommandFolder"};
  DirList Dir1{*this, "Dir1"};
  FileList File1{*this, "File1"};
  Label Label4{*this, "Label4"};
  ListBox List1{*this, "List1"};
  Button Command1{*this, "Command1"};
  Button CommandAllesLoeschen{*this, "CommandAllesLoeschen"};
  Button Command2{*this, "Command2"};

  // The new mapset.
  Frame Frame1{*this, "Frame1"};
  Label Label3{*this, "Label3"};
  TextBox TextBoxMSName{*this, "TextBoxMSName"};
  Label Label7{*this, "Label7"};
  TextBox TextBoxID{*this, "TextBoxID"};
  Label Label12{*this, "Label12"};
  Label Label11{*this, "Label11"};
  TextBox TextLevel{*this, "TextLevel"};
  TextBox TextZoom{*this, "TextZoom"};
  Button CommandButtonPV{*this, "CommandButtonPV"};

  // The TYP file.
  CheckBox CheckTypfile{*this, "CheckTypfile"};
  Button CommandTypeaendern{*this, "CommandTypeaendern"};
  Button CommandDoIt{*this, "CommandDoIt"};
  Label LabelTypefile{*this, "LabelTypefile"};
  DriveList Drive2{*this, "Drive2"};
  DirList DirTypefile{*this, "DirTypefile"};
  FileList FileTypefile{*this, "FileTypefile"};
  ListBox ListTypefile{*this, "ListTypefile"};

  // The catalogue of registered mapsets: the visible lists side by side, the
  // columns behind them hidden; row i of every list is the same mapset.
  Button CommandKartenentfernen{*this, "CommandKartenentfernen"};
  ListBox ListLoeschen{*this, "ListLoeschen"};
  ListBox ListMapsetName{*this, "ListMapsetName"};
  ListBox ListID{*this, "ListID"};
  ListBox ListSubkey{*this, "ListSubkey"};
  ListBox ListProdFam{*this, "ListProdFam"};
  ListBox ListPID{*this, "ListPID"};
  ListBox ListTDB{*this, "ListTDB"};
  ListBox ListIMG{*this, "ListIMG"};
  ListBox ListLoc{*this, "ListLoc"};
  ListBox ListUnterschluessel{*this, "ListUnterschluessel"};
  ListBox ListHauptschluessel{*this, "ListHauptschluessel"};

  // The catalogue of gmap packages, one row per product.
  Label LabelGMPFolder{*this, "LabelGMPFolder"};
  ListBox ListMapsetGMP{*this, "ListMapsetGMP"};
  ListBox ListgmpFid{*this, "ListgmpFid"};
  ListBox ListgmpPID{*this, "ListgmpPID"};
  ListBox ListGmpTdb{*this, "ListGmpTdb"};
  ListBox ListGmpTyp{*this, "ListGmpTyp"};
  ListBox ListgmpMDX{*this, "ListgmpMDX"};
  ListBox ListXMLPfad{*this, "ListXMLPfad"};

  // Editing actions.
  Button CommandMapnameAendern{*this, "CommandMapnameAendern"};
  TextBox TextMapsetname{*this, "TextMapsetname"};
  Button CommandNameuebernehmen{*this, "CommandNameuebernehmen"};
  Label LabelHinweis{*this, "LabelHinweis"};  // what the mode's double-click does
  Button CommandFID{*this, "CommandFID"};
  Button CmdExpImp{*this, "CmdExpImp"};
  Button CommandKompa{*this, "CommandKompa"};
  Frame Frame2{*this, "Frame2"};
  Button CommandFilename{*this, "CommandFilename"};

  // Messages.
  TextBox TextMeldung{*this, "TextMeldung", true};
  TextBox TextXX{*this, "TextXX"};
  Label Label9{*this, "Label9"};

  // Menu.
  MenuItem Sprachwahl{*this, "Sprachwahl"};
  MenuItem MnHilfe{*this, "MnHilfe"};
  MenuItem Prop{*this, "Prop"};
  MenuItem MnuLatitude{*this, "MnuLatitude"};
  MenuItem MnuPruefen{*this, "MnuPruefen"};
  MenuItem MnuVerlauf{*this, "MnuVerlauf"};
  MenuItem MnuGeraet{*this, "MnuGeraet"};
  MenuItem mnuWebsite{*this, "mnuWebsite"};

  // Every action button back to its colour.
  void Farbe() override;
  // Captions and tool tips of the current language onto the controls.
  void applyTexts() override;
  // The pictures of the option pair for the one chosen.
  void showOptionPictures() override;

  // The catalogue, in fMainCatalogue.cpp. TDBlesen and GMPFileslisten read
  // the registered mapsets and the gmap packages afresh and show them, one
  // field a list; the rows behind the lists are the tables below.
  void TDBlesen();
  void GMPFileslisten();
  // The lowest free FID; the catalogue is read first when it is empty.
  std::optional<std::uint16_t> FreieIdNr();
  void DoppelteFID();
  const RegistryCatalogue& registryCatalogue() const { return catalogue_; }
  const GmapCatalogue& gmapCatalogue() const { return packages_; }

  // The FID mode ends with the FID changer's window, in fMainFid.cpp.
  void endFidChange();
  // The tile listing ends with the draw-priority window, in fMainDrawPriority.cpp.
  void endTileListing();

  // The BaseCamp cache button's caption for the size the session keeps
  // (vMB, vstringMB), in fMainCache.cpp; nothing is measured for it.
  void showBaseCampCacheCaption() override;

  // The tile selection behind List1, in fMainSelection.cpp.
  const TileSelection& selection() const { return selection_; }
  // `Mapname` of the installation run under way or last run.
  const std::string& Mapname() const { return mapname_; }
  // The installation run, as "next step-add to Mapsource" starts it; in
  // fMainInstall.cpp.
  void CommandButtonPV_Click();

  // The window for an existing TDB and overview, in fMainTdbVorhanden.cpp:
  // opening it, and the running report of the package it builds.
  void openTdbVorhanden();
  void showPackageReport();
  // `gmapsuppsplitten` on the device image at path.
  DeviceImageRun gmapsuppsplitten(const std::string& image);
  // The device image's fall-back: its tiles in the split folder become the
  // selection, to be named and installed as any tiles.
  void selectSplitTiles(const std::string& folder, const std::vector<std::string>& tiles);

  // What a double-click on a catalogue list does now; empty when it does nothing.
  std::string modeHint() const;

  // Whether the last rename or TYP action did all it was to do.
  bool lastEditCompleted() const { return editCompleted_; }

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  // Layout, in fMainLayout.cpp.
  void placeControls();
  void placeTileSelection();
  void placeNewMapset();
  void placeTypFile();
  void placeCatalogue();
  void placeActionsAndMessages();
  void placeMenu();
  void showStartState();

  // Start-up, in fMainStartup.cpp.
  void hideNewMapsetLabels() override;
  void showTitle(const std::string& title) override;
  void openTileFolder(const std::string& folder) override;
  void Optiontdbja_Click();
  void Optiontdbno_Click();

  // Menu and language, in fMainMenu.cpp.
  void Sprachwahl_Click();
  void MnHilfe_Click();
  void Prop_Click();
  void mnuWebsite_Click();
  void Label9_Click();

  // Tile caches and the folders window, in fMainCache.cpp.
  // The cache is measured once when the pointer comes over the button, when
  // it gets the focus and after a click, never on every move of the pointer.
  CacheReading refreshBaseCampCache();
  void CommandKompa_Click();
  void CommandKompa_GotFocus();
  void CommandKompa_MouseEnter();
  void LabelGMPFolder_Click();

  // The latitude window, in fMainLatitude.cpp.
  void MnuLatitude_Click();

  // The health check window, in fMainPruefen.cpp.
  void MnuPruefen_Click();
  void MnuVerlauf_Click();  // in fMainVerlauf.cpp
  void MnuGeraet_Click();   // in fMainGeraet.cpp

  // The FID mode, in fMainFid.cpp.
  void CommandFID_Click();
  // Hands a double-clicked row to the FID changer; false outside the FID mode.
  bool pickForFidChange(const ListBox& list, int row);

  // The tile listing, in fMainDrawPriority.cpp.
  void CommandFilename_Click();
  // Lists the double-clicked mapset's tiles; false outside the tile listing.
  bool listTiles(const ListBox& list, int row);
  // The export and import window, in fMainTransfer.cpp.
  void CmdExpImp_Click();

  // The tile selection, in fMainSelection.cpp.
  void bindSelectionEvents();
  void CommandHinzufuegen_Click();
  void Dir1_Change();
  void Dir1_KeyEnter();
  void CommandFolder_Click();
  void File1_MouseMove();
  void File1_DblClick();
  void List1_Click();
  void List1_DragDrop(const std::vector<std::string>& files);
  void Command1_Click();
  void CommandAllesLoeschen_Click();
  void Command2_Click();
  void showSelection();
  void tellSelection(SelectionNote note);
  void showTypPicker(bool shown);

  // The new mapset's name and FID, in fMainNewMapset.cpp.
  void bindNewMapsetEvents();
  void TextBoxMSName_Change();
  bool TextBoxMSName_Validate();
  void TextBoxMSName_LostFocus();
  void TextBoxID_Change();
  bool TextBoxID_Validate();
  void TextBoxID_LostFocus();

  // The TYP-file picker, in fMainTypPicker.cpp.
  void bindTypPickerEvents();
  void Drive2_Change();
  void DirTypefile_Change();

  // The installation run, in fMainInstall.cpp.
  void showReport(const std::string& text) override;
  ToolWindow& toolWindow() override;
  void showToolWindow() override;
  void endInstallation();
  bool typLeftOutAccepted();

  // Catalogue lists, in fMainCatalogue.cpp.
  void ListLoeschen_Click();
  void ListLoeschen_Scroll();
  void ListSubkey_Scroll();
  void ListID_Scroll();
  void ListProdFam_Scroll();
  void ListMapsetName_Scroll();
  void scrollCatalogueTo(int topRow);
  void CommandKartenentfernen_Click();
  void ListLoeschen_DblClick();
  void ListMapsetName_DblClick();
  void ListMapsetGMP_Click();
  void ListMapsetGMP_DblClick();
  void removeGmapPackage();
  std::optional<bool> historyTakes(std::uint64_t bytes);
  bool removeKeeping(const std::string& mapset, bool journaled,
                     const std::function<bool(Registry&, FolderOps&)>& removal);
  void showRegistryCatalogue();
  void showGmapCatalogue();
  bool germanTexts() const;

  // The rename, in fMainRename.cpp.
  void bindRenameEvents();
  void CommandMapnameAendern_Click();
  void pickForRename(bool fromGmap);
  void TextMapsetname_Change();
  bool TextMapsetname_Validate();
  void CommandNameuebernehmen_Click();
  void leaveRenameMode();
  void endRenameButtons();

  // The modes of the catalogue lists, in fMainModes.cpp. A mapset is
  // remembered by its registry key or its package and product, so that it is
  // found again after the lists are read afresh.
  struct ChosenMapset {
    bool gmap = false;
    std::string key;
  };
  void leaveModes();
  std::string_view modeHintKey() const;
  void showModeHint();
  void ListMapsetName_Click();
  std::optional<ChosenMapset> chosenMapset() const;
  // Selects the remembered mapset again; its row, -1 when it is gone.
  int chooseAgain(const std::optional<ChosenMapset>& chosen);
  // Selects it again and takes it as the double-click of the mode would.
  void pickAgain(const std::optional<ChosenMapset>& chosen);

  // The TYP assignment, in fMainTyp.cpp.
  void bindTypEvents();
  void CommandTypeaendern_Click();
  void CheckTypfile_Click();
  std::string pickedTypFile() const;
  void CommandDoIt_Click();
  void resetTypChooser();
  // "use typfile" is usable while a mapset is chosen; the label names the TYP file chosen.
  void typPickChanged();
  bool typNamesRefused();
  void FileTypefile_Click();

  bool renameFromGmap_ = false;  // the mapset to rename was picked in the gmap list
  bool chosenGmap_ = false;      // the mapset chosen last is a gmap package
  bool editCompleted_ = false;

  RegistryCatalogue catalogue_;
  GmapCatalogue packages_;
  TileSelection selection_;
  std::string mapname_;

  ProgramWindows& program_;
  Services& services_;
  Session& session_;
};

}  // namespace mapsetdesk::ui
