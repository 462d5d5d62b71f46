#pragma once
// The window that moves a mapset to another PC: it exports a registered
// mapset (its files gathered into the tile folder with a `log`) or a gmap
// package, imports such a folder on the other PC, turns a registration into
// a gmap package, and offers a MapSource installer after an import.
// Handlers are split: ExportImport.cpp (layout, texts, lists, download
// list), ExportImportExport.cpp (export and package conversion),
// ExportImportImport.cpp (import).
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/Services.h"
#include "app/Session.h"
#include "app/messages/ExportImportTexts.h"
#include "catalogue/GmapCatalogue.h"
#include "catalogue/Registration.h"
#include "history/JournalEntry.h"
#include "install/ExistingTdbPackage.h"
#include "transfer/ImportLog.h"
#include "ui/forms/controls/Button.h"
#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/Label.h"
#include "ui/forms/controls/ListBox.h"
#include "ui/forms/controls/TextBox.h"

namespace mapsetdesk::ui {

class ProgramWindows;

class ExportImport : public Form {
 public:
  ExportImport(ProgramWindows& program, WindowSystem& windows, Services& services,
               Session& session);

  ListBox ListIMG{*this, "ListIMG"};
  ListBox Listgmp{*this, "Listgmp"};
  Button CommandExport{*this, "CommandExport"};
  Button CommandImport{*this, "CommandImport"};
  Button CommandGmap{*this, "CommandGmap"};
  Label lblDownload{*this, "lblDownload"};
  Label Label2{*this, "Label2"};
  ListBox ListURL{*this, "ListURL"};
  TextBox TextUrl{*this, "TextUrl"};
  Button CommandExe{*this, "CommandExe"};  // picks the installer for TextUrl

  // The texts of the language setting onto the controls.
  void Language1();
  void languageChanged() override { Language1(); }
  const ExportImportTexts& texts() const { return texts_; }

  // Where the command line puts an imported package instead of asking the
  // all-users question; empty: the question decides.
  std::string packageDestination;

  // The folder the last export told the user to copy; empty when it stopped.
  const std::string& exportedFolder() const { return exportedFolder_; }
  // Whether the last import went through to its end.
  bool importCompleted() const { return importCompleted_; }
  // The package the last conversion made; nullopt when it stopped.
  const std::optional<PackageBuilt>& convertedPackage() const { return converted_; }

  ProgramWindows& program() const { return program_; }

  // The import of one chosen folder, as CommandImport runs it after the source chooser.
  void importFolder(const std::string& source);

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void placeControls();
  void bindEvents();
  void fillLists();
  // The main window's catalogues as they are, not read again.
  void showMainLists();
  void say(const std::string& text, Icon icon = Icon::None);
  bool ask(const std::string& text);
  void showMapsetLists();
  void hideDownloadList();
  void enableButtons(bool enabled);

  void ListIMG_Click();
  void Listgmp_Click();
  void CommandExport_Click();
  void CommandImport_Click();
  void CommandGmap_Click();
  void ListURL_Click();
  void CommandExe_Click();
  void TextUrl_KeyEnter();

  // Export and conversion, in ExportImportExport.cpp.
  std::string userMapsFolder();
  // The main window's row of the mapset the window's row stood for, read
  // afresh; nullopt (after saying so and listing anew) when it is gone.
  std::optional<std::size_t> registrationNow(int listRow);
  std::optional<std::size_t> packageNow(int listRow);
  std::optional<std::size_t> stillThere(std::optional<std::size_t> row);
  bool isMarkedBroken(std::size_t row);
  void exportRegistration(std::size_t row);
  void exportPackage(std::size_t row);

  // Import, in ExportImportImport.cpp.
  bool importRegistration(const std::string& source);
  bool importPackage(const std::string& source);
  bool copyAskingFirst(const std::string& source, const std::string& destination,
                       const std::string& mapset, const std::function<bool(JournalEntry&)>& then);
  bool fillRegistrationWindow(const std::string& tiles, const LogNames& names);
  std::string packageFolderChosen();
  // False when the shortcut's old state could not be kept.
  bool linkPackageOutsideMapFolders(JournalEntry& entry, const std::string& copied,
                                    const std::string& name);
  void askForInstaller();
  void showDownloadList();

  ProgramWindows& program_;
  Services& services_;
  Session& session_;
  ExportImportTexts texts_;
  // What the lists show, row by row: the window stays open while the main
  // window removes, renames or registers mapsets.
  std::vector<CatalogueEntry> listedRegistrations_;
  std::vector<GmapRow> listedPackages_;
  std::string exportedFolder_;
  bool importCompleted_ = false;
  std::optional<PackageBuilt> converted_;
};

}  // namespace mapsetdesk::ui
