#include "ui/forms/FormTDBvorhanden.h"

#include <array>

#include "app/Language.h"
#include "app/ProductTitle.h"
#include "app/Settings.h"
#include "app/messages/MessageKeys.h"
#include "catalogue/GmapCatalogue.h"
#include "formats/GmapPackage.h"
#include "install/ExistingTdbFiles.h"
#include "install/ExistingTdbPackage.h"
#include "install/ExistingTdbRegistration.h"
#include "platform/FilePath.h"
#include "platform/FolderOps.h"
#include "ui/forms/JournaledEdit.h"
#include "ui/forms/KeptPlacement.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {
namespace {

bool hasCharacterAbove127(const std::string& text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) > 127) return true;
  return false;
}

std::string fileNameOf(const std::string& path) { return pathText(filePath(path).filename()); }

std::string lowerLastThree(const std::string& text) {
  std::string last = text.size() < 3 ? text : text.substr(text.size() - 3);
  for (char& c : last) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return last;
}

// A path names its folder with the system's separator; "\" on Windows.
bool hasFolder(const std::string& text) {
  return text.find('\\') != std::string::npos || text.find('/') != std::string::npos;
}

}  // namespace

FormTDBvorhanden::FormTDBvorhanden(WindowSystem& windows, Services& services, Session& session,
                                   fMain& main)
    : Form(windows, "FormTDBvorhanden"),
      services_(services),
      session_(session),
      main_(main),
      texts_(tdbVorhandenTexts(Sprache::Deutsch)) {
  placeControls();
  bindEvents();
}

std::array<FormTDBvorhanden::FileField, 6> FormTDBvorhanden::fileFields() {
  return {{
      {&TextPfadTDB, "tdb", &TdbVorhandenTexts::tdbInvalid, true},
      {&TextPfadPreview, "img", &TdbVorhandenTexts::previewInvalid, true},
      {&TextPfadTyp, "typ", &TdbVorhandenTexts::typInvalid, false},
      {&TextIndexFile, "mdx", &TdbVorhandenTexts::indexInvalid, false},
      {&TextMdr, "img", &TdbVorhandenTexts::mdrInvalid, false},
      {&TextPfadTrf, "trf", &TdbVorhandenTexts::trfInvalid, false},
  }};
}

void FormTDBvorhanden::bindEvents() {
  TextPfadTDB.onChange = [this] { TextPfadTDB_Change(); };
  Text1.onChange = [this] { Text1_Change(); };
  TextID.onChange = [this] { TextID_Change(); };
  TextPfadLoc.onChange = [this] { enableWhenComplete(); };
  TextPfadLoc.onLostFocus = [this] { TextPfadLoc_LostFocus(); };
  for (const FileField& file : fileFields()) {
    file.field->onValidate = [this, file] {
      validateFileField(file);
      return false;
    };
    if (file.field != &TextPfadTDB) file.field->onChange = [this] { enableWhenComplete(); };
  }
  CommandPfadLoc.onClick = [this] { CommandPfadLoc_Click(); };
  CommandPfadTDB.onClick = [this] { chooseFile(TextPfadTDB, texts_.chooseTdb, kTdbFilter); };
  CommandPfadPreview.onClick = [this] {
    chooseFile(TextPfadPreview, texts_.choosePreview, kPreviewFilter);
  };
  CommandPfadTyp.onClick = [this] { chooseFile(TextPfadTyp, texts_.chooseTyp, kTypFilter); };
  CommandIndexFile.onClick = [this] {
    chooseFile(TextIndexFile, texts_.chooseIndex, kIndexFilter);
  };
  CommandMdr.onClick = [this] { chooseFile(TextMdr, texts_.chooseMdr, kMdrFilter); };
  CommandPfadTrf.onClick = [this] { chooseFile(TextPfadTrf, texts_.chooseTrf, kTrfFilter); };
  Commandregistriere.onClick = [this] { Commandregistriere_Click(); };
  Commandgmapsatz.onClick = [this] { Commandgmapsatz_Click(); };
}

void FormTDBvorhanden::placeControls() {
  // The path fields take all the width a person gives the window; the
  // choosers stay at their right end.
  static constexpr Stretch kWider{0, 0, 100, 0};
  static constexpr Stretch kAtRight{100, 0, 100, 0};
  width = 560;
  height = 500;
  sizable = true;
  int top = 12;
  const auto row = [&top](Label& label, TextBox& field, Button* chooser) {
    label.position = {12, top, 520, 20};
    label.stretch = kWider;
    field.position = {12, top + 22, chooser ? 488 : 520, 24};
    field.stretch = kWider;
    if (chooser) {
      chooser->caption = "...";
      chooser->position = {504, top + 22, 28, 24};
      chooser->stretch = kAtRight;
    }
    top += 52;
  };
  row(LabelPfadLoc, TextPfadLoc, &CommandPfadLoc);
  row(LabelPfadTDB, TextPfadTDB, &CommandPfadTDB);
  row(LabelPfadPreview, TextPfadPreview, &CommandPfadPreview);
  row(LabelPfadTyp, TextPfadTyp, &CommandPfadTyp);
  row(LabelIndexFile, TextIndexFile, &CommandIndexFile);
  row(LabelMdr, TextMdr, &CommandMdr);
  row(LabelPfadTrf, TextPfadTrf, &CommandPfadTrf);
  LabelName.position = {12, top, 300, 20};
  LabelName.stretch = kWider;
  Text1.position = {12, top + 22, 300, 24};
  Text1.stretch = kWider;
  LabelID.caption = "FID";
  LabelID.position = {324, top, 100, 20};
  TextID.position = {324, top + 22, 100, 24};
  LabelPID.caption = "PID";
  LabelPID.position = {432, top, 100, 20};
  TextPID.position = {432, top + 22, 100, 24};
  for (Control* id : {static_cast<Control*>(&LabelID), static_cast<Control*>(&TextID),
                      static_cast<Control*>(&LabelPID), static_cast<Control*>(&TextPID)})
    id->stretch = kAtRight;
  Commandregistriere.position = {12, top + 60, 256, 36};
  Commandgmapsatz.position = {276, top + 60, 256, 36};
}

void FormTDBvorhanden::Form_Load() {
  vWarten = true;
  readPlacement(*this, services_.registry, kTdbWindowPlacementValue);
  main_.TDBlesen();
  main_.GMPFileslisten();
  language();
  enableActions(false);
}

void FormTDBvorhanden::Form_Unload() {
  vWarten = false;
  storePlacement(*this, services_.registry, kTdbWindowPlacementValue);
}

void FormTDBvorhanden::language() {
  if (const auto sprache = spracheFor(Settings(services_.registry).language()))
    texts_ = tdbVorhandenTexts(*sprache);
  caption = texts_.caption;
  LabelPfadLoc.caption = texts_.labelLoc;
  LabelPfadTDB.caption = texts_.labelTdb;
  LabelPfadPreview.caption = texts_.labelPreview;
  LabelPfadTyp.caption = texts_.labelTyp;
  LabelIndexFile.caption = texts_.labelIndex;
  LabelMdr.caption = texts_.labelMdr;
  LabelPfadTrf.caption = texts_.labelTrf;
  LabelName.caption = texts_.labelName;
  Commandregistriere.caption = texts_.commandRegistriere;
  Commandgmapsatz.caption = gmapsatzCaption(Text1.text());
}

void FormTDBvorhanden::say(const std::string& text) {
  services_.dialogs.message({text, std::string(kMessageTitle), Buttons::Ok, Icon::None});
}

bool FormTDBvorhanden::ask(const std::string& text) {
  return services_.dialogs.message({text, std::string(kMessageTitle), Buttons::YesNo,
                                    Icon::None}) == Answer::Yes;
}

void FormTDBvorhanden::enableActions(bool enabled) {
  Commandregistriere.enabled = enabled;
  Commandgmapsatz.enabled = enabled;
}

void FormTDBvorhanden::TextPfadTDB_Change() {
  if (isFile(TextPfadTDB.text())) readTdb();
  enableWhenComplete();
}

void FormTDBvorhanden::readTdb() {
  const ExistingTdbRead tdb = readExistingTdb(TextPfadTDB.text(), services_.dialogs, texts_.tdb);
  if (!tdb.read) return;
  nameArea_ = tdb.nameArea;
  keyBasis_ = tdb.keyBasis;
  Text1.setText(tdb.name);
  TextID.setText(std::to_string(tdb.fid));
  TextPID.setText(std::to_string(tdb.pid));
}

// A field passes when the check on leaving it would say nothing; an optional
// file not given passes too.
bool FormTDBvorhanden::passes(const FileField& file) const {
  const std::string& text = file.field->text();
  if (text.empty()) return !file.required;
  return !hasCharacterAbove127(fileNameOf(text)) && hasFolder(text) &&
         lowerLastThree(text) == file.extension && isFile(text);
}

// The actions open only while every field passes its check, so neither can
// start on a field that was refused.
void FormTDBvorhanden::enableWhenComplete() {
  bool complete = isFolder(TextPfadLoc.text()) && isNumericId(TextID.text());
  for (const FileField& file : fileFields()) complete = complete && passes(file);
  enableActions(complete);
}

void FormTDBvorhanden::Text1_Change() {
  const std::string replaced = existingPackageName(Text1.text());
  if (replaced != Text1.text()) {
    Text1.setText(replaced);
    return;
  }
  Commandgmapsatz.caption = gmapsatzCaption(replaced);
}

void FormTDBvorhanden::TextID_Change() { enableWhenComplete(); }

void FormTDBvorhanden::TextPfadLoc_LostFocus() {
  Settings(services_.registry).storeLastDir(TextPfadLoc.text());
}

// An empty field is an optional file not given: nothing to check.
void FormTDBvorhanden::validateFileField(const FileField& file) {
  TextBox& field = *file.field;
  if (&field == &TextMdr && !askToClearMdr()) return;
  const std::string& text = field.text();
  if (text.empty()) return;
  if (hasCharacterAbove127(fileNameOf(text))) {
    say(session_.texts.text(key::Satzumlaut));
    field.setText({});
    Commandgmapsatz.enabled = false;
  } else if (!hasFolder(text) || lowerLastThree(text) != file.extension) {
    say(texts_.*file.invalid);
  } else if (!isFile(text)) {
    say(texts_.fileMissing);
  }
}

// False when the person had the field cleared.
bool FormTDBvorhanden::askToClearMdr() {
  if (!mapsFromGmapsupp || TextMdr.text().empty() || !ask(texts_.mdrFromGmapsupp)) return true;
  TextMdr.setText({});
  return false;
}

void FormTDBvorhanden::chooseFile(TextBox& field, const std::string& title, const char* filter) {
  if (const auto chosen = services_.dialogs.chooseFile(title, filter, TextPfadLoc.text()))
    field.setText(*chosen);
}

void FormTDBvorhanden::CommandPfadLoc_Click() {
  const auto folder =
      services_.dialogs.chooseFolder(texts_.chooseLoc, Settings(services_.registry).lastDir());
  if (!folder || folder->empty()) return;
  TextPfadLoc.setText(*folder);
  TextPfadLoc_LostFocus();
}

ExistingMapset FormTDBvorhanden::mapsetOfFields() const {
  ExistingMapset mapset;
  mapset.tiles = TextPfadLoc.text();
  mapset.tdb = TextPfadTDB.text();
  mapset.overview = TextPfadPreview.text();
  mapset.typ = TextPfadTyp.text();
  mapset.index = TextIndexFile.text();
  mapset.mdr = TextMdr.text();
  mapset.trf = TextPfadTrf.text();
  mapset.name = Text1.text();
  mapset.nameArea = nameArea_;
  mapset.fid = idValue(TextID.text());
  mapset.pid = idValue(TextPID.text());
  return mapset;
}

bool FormTDBvorhanden::patchFiles(const ExistingMapset& mapset, std::string& typCopy) {
  const ExistingFilesPatched patched =
      patchExistingFiles(mapset, main_.registryCatalogue(), services_.dialogs, texts_.tdb);
  typCopy = patched.typCopy;
  switch (patched.outcome) {
    case FilesOutcome::TypClash:
      say(texts_.typClash + patched.typCopy);
      return false;
    case FilesOutcome::TypNotCopied:
      say(texts_.typNotCopied + typCopyPath(mapset));
      return true;
    case FilesOutcome::Patched:
      return true;
  }
  return true;
}

bool FormTDBvorhanden::journaled(const ExistingMapset& mapset,
                                 const std::function<bool(Recorded&)>& change) {
  return journaledEdit(services_, session_.texts.sprache() != Sprache::English, "install",
                       mapset.name, existingFilesPatched(mapset), change);
}

void FormTDBvorhanden::Commandregistriere_Click() {
  completed_ = false;
  if (!idsAcceptable() || !clashFree(false)) return;
  setMousePointer(MousePointer::Hourglass);
  enableActions(false);
  const ExistingMapset mapset = mapsetOfFields();
  const bool registered = journaled(mapset, [&](Recorded& recorded) {
    std::string typCopy;
    if (!patchFiles(mapset, typCopy)) return false;
    registerExistingMapset(recorded.registry, session_.vReg6432, mapset, typCopy);
    return true;
  });
  if (registered) {
    say(texts_.finished);
    main_.TDBlesen();
    TextPfadLoc.setText({});
    TextID.setText({});
    completed_ = true;
  } else {
    enableActions(true);
  }
  setMousePointer(MousePointer::Default);
}

void FormTDBvorhanden::Commandgmapsatz_Click() {
  completed_ = false;
  if (!isFile(TextPfadPreview.text())) {
    say(texts_.fileMissing);
    return;
  }
  if (!idsAcceptable() || !packageNameAcceptable() || !clashFree(true)) return;
  setMousePointer(MousePointer::Hourglass);
  enableActions(false);
  ExistingMapset mapset = mapsetOfFields();
  const std::string maps =
      gmapFolders(services_.registry, services_.facts, session_.vReg6432).allUsers;
  // The package's files are checked before the TDB and its companions get
  // their IDs, so that a refused package changes nothing at all.
  const PackageBuilt checked = checkExistingPackage(mapset, maps);
  PackageBuilt built;
  if (!checked.complete()) {
    say(packageFailureText(checked, session_.texts));
  } else if (journaled(mapset, [&](Recorded& recorded) {
               std::string typCopy;
               if (!recorded.entry.keepNewFolder(existingPackageFolder(maps, mapset.name)) ||
                   !patchFiles(mapset, typCopy))
                 return false;
               if (!typCopy.empty()) mapset.typ = typCopy;
               built = buildPackage(mapset, maps);
               return built.complete();
             })) {
    packageBuilt(built);
  }
  if (!completed_) enableWhenComplete();
  setMousePointer(MousePointer::Default);
}

PackageBuilt FormTDBvorhanden::buildPackage(const ExistingMapset& mapset,
                                            const std::string& maps) {
  main_.showPackageReport();
  const PackageRun run{services_.runner, services_.programFolder, maps,
                       [this](const std::string& line) { main_.TextMeldung.setText(line); },
                       services_.letEventsRun};
  const PackageBuilt built = gmapTDBvorhandenErzeugen(mapset, run);
  main_.setMousePointer(MousePointer::Default);
  if (!built.complete()) {
    const std::string failure = packageFailureText(built, session_.texts);
    main_.TextMeldung.setText(failure);
    say(failure);
  }
  return built;
}

void FormTDBvorhanden::packageBuilt(const PackageBuilt& built) {
  main_.TextMeldung.setText(session_.texts.text(key::Satz61) + std::to_string(built.tileBlocks) +
                            session_.texts.text(key::Satz62));
  completed_ = true;
  clearPathFields();
  main_.GMPFileslisten();
}

void FormTDBvorhanden::clearPathFields() {
  for (TextBox* field : {&TextPfadLoc, &TextPfadPreview, &TextMdr, &TextPfadTDB, &TextPfadTrf,
                         &TextPfadTyp, &TextIndexFile})
    field->setText({});
}

}  // namespace mapsetdesk::ui

namespace mapsetdesk::ui {

void FormTDBvorhanden::fillFamily(const FamilyFiles& family) {
  load();
  mapsFromGmapsupp = true;
  TextPfadLoc.setText(family.folder);
  TextPfadPreview.setText(family.overview);
  TextPfadTDB.setText(family.tdb);
  TextIndexFile.setText(family.index);
  TextPfadTyp.setText(family.typ);
  TextMdr.setText({});
  TextPfadTrf.setText({});
  if (family.withTrf) TextPfadTrf.enabled = false;
  if (family.freeFid) {
    enableActions(false);
    TextID.setText(std::to_string(*family.freeFid));
  }
  setMousePointer(MousePointer::Default);
  Text1.enabled = false;
}

void FormTDBvorhanden::familyDone() {
  mapsFromGmapsupp = false;
  TextPfadTrf.enabled = true;
  Text1.enabled = true;
}

}  // namespace mapsetdesk::ui
