#pragma once
// The registration window for a mapset already on disk: it collects the
// paths of the tile folder, TDB, overview map and the optional TYP, index,
// MDR and traffic files, reads the IDs and the name from the TDB, and then
// registers the mapset for MapSource or builds a gmap package for BaseCamp.
// The device-image run fills it for each family and waits while it is open.
#include <array>
#include <functional>
#include <string>

#include "app/Services.h"
#include "app/Session.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "install/DeviceImage.h"
#include "install/ExistingTdb.h"
#include "install/ExistingTdbPackage.h"
#include "history/JournaledAction.h"
#include "ui/forms/controls/Button.h"
#include "ui/forms/controls/Form.h"
#include "ui/forms/controls/Label.h"
#include "ui/forms/controls/TextBox.h"

namespace mapsetdesk::ui {

class fMain;

class FormTDBvorhanden : public Form {
 public:
  FormTDBvorhanden(WindowSystem& windows, Services& services, Session& session, fMain& main);

  Label LabelPfadLoc{*this, "LabelPfadLoc"};
  TextBox TextPfadLoc{*this, "TextPfadLoc"};
  Button CommandPfadLoc{*this, "CommandPfadLoc"};
  Label LabelPfadTDB{*this, "LabelPfadTDB"};
  TextBox TextPfadTDB{*this, "TextPfadTDB"};
  Button CommandPfadTDB{*this, "CommandPfadTDB"};
  Label LabelPfadPreview{*this, "LabelPfadPreview"};
  TextBox TextPfadPreview{*this, "TextPfadPreview"};
  Button CommandPfadPreview{*this, "CommandPfadPreview"};
  Label LabelPfadTyp{*this, "LabelPfadTyp"};
  TextBox TextPfadTyp{*this, "TextPfadTyp"};
  Button CommandPfadTyp{*this, "CommandPfadTyp"};
  Label LabelIndexFile{*this, "LabelIndexFile"};
  TextBox TextIndexFile{*this, "TextIndexFile"};
  Button CommandIndexFile{*this, "CommandIndexFile"};
  Label LabelMdr{*this, "LabelMdr"};
  TextBox TextMdr{*this, "TextMdr"};
  Button CommandMdr{*this, "CommandMdr"};
  Label LabelPfadTrf{*this, "LabelPfadTrf"};
  TextBox TextPfadTrf{*this, "TextPfadTrf"};
  Button CommandPfadTrf{*this, "CommandPfadTrf"};
  Label LabelName{*this, "LabelName"};
  TextBox Text1{*this, "Text1"};
  Label LabelID{*this, "LabelID"};
  TextBox TextID{*this, "TextID"};
  Label LabelPID{*this, "LabelPID"};
  TextBox TextPID{*this, "TextPID"};
  Button Commandregistriere{*this, "Commandregistriere"};
  Button Commandgmapsatz{*this, "Commandgmapsatz"};

  // Set while the window is loaded; the device-image run waits on it.
  bool vWarten = false;
  // The device-image run sets it while its families are registered: an MDR
  // file taken from such an image keeps MapSource from showing the map.
  bool mapsFromGmapsupp = false;

  // The texts of the language setting onto the controls.
  void language();
  void languageChanged() override { language(); }
  const TdbVorhandenTexts& texts() const { return texts_; }
  // The family key name basis of the TDB read last (UTF-8).
  const std::string& keyBasis() const { return keyBasis_; }

  // What the two action buttons do; the device-image run and the import call
  // them as a click would.
  void Commandregistriere_Click();
  void Commandgmapsatz_Click();
  // Whether the last action went through to its end (a package with missing
  // tiles, a refused TYP copy or a wrong ID did not).
  bool lastActionCompleted() const { return completed_; }
  // The mapset as the fields describe it now.
  ExistingMapset mapsetOfFields() const;

  // Loads the window and fills it with one family of a device image: its
  // name field locked, the traffic field too when the family has a traffic
  // file, and a free FID in place of the family's own when one is given.
  void fillFamily(const FamilyFiles& family);
  // After the family: the two locked fields open again.
  void familyDone();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  struct FileField {
    TextBox* field;
    const char* extension;
    const std::string TdbVorhandenTexts::*invalid;
    bool required;
  };

  std::array<FileField, 6> fileFields();
  bool passes(const FileField& file) const;

  void placeControls();
  void bindEvents();
  void say(const std::string& text);
  bool ask(const std::string& text);
  void enableActions(bool enabled);
  void TextPfadTDB_Change();
  void Text1_Change();
  void TextID_Change();
  void TextPfadLoc_LostFocus();
  void validateFileField(const FileField& file);
  bool askToClearMdr();
  void chooseFile(TextBox& field, const std::string& title, const char* filter);
  void CommandPfadLoc_Click();
  void readTdb();
  void enableWhenComplete();
  // The TDB, TYP and index patches; false after telling why nothing more may happen.
  bool patchFiles(const ExistingMapset& mapset, std::string& typCopy);
  // The registration or the package with the file patches before it, as
  // one change of the history.
  bool journaled(const ExistingMapset& mapset, const std::function<bool(Recorded&)>& change);
  PackageBuilt buildPackage(const ExistingMapset& mapset, const std::string& maps);
  void packageBuilt(const PackageBuilt& built);
  void clearPathFields();
  // FID and PID are IDs from 1 to 65535; false after saying which is not.
  bool idsAcceptable();
  // The package folder is named after the mapset: a name that leaves no
  // file name is refused with a message.
  bool packageNameAcceptable();
  // Nothing installed is taken over: not an installed TDB, not a family key
  // or (package) a package folder that exists; false after saying whose it is.
  bool clashFree(bool package);

  Services& services_;
  Session& session_;
  fMain& main_;
  TdbVorhandenTexts texts_;
  std::string nameArea_;
  std::string keyBasis_;
  bool completed_ = false;
};

}  // namespace mapsetdesk::ui
