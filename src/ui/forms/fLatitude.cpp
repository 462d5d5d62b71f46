#include "ui/forms/fLatitude.h"

#include "app/Language.h"
#include "app/ProductTitle.h"
#include "app/Settings.h"
#include "edit/Latitude.h"
#include "ui/forms/JournaledEdit.h"

namespace mapsetdesk::ui {

fLatitude::fLatitude(WindowSystem& windows, Services& services)
    : Form(windows, "fLatitude"), services_(services), texts_(latitudeTexts(sprache_)) {
  placeControls();
  TextFID.onChange = [this] { TextFID_Change(); };
  TextPID.onChange = [this] { TextPID_Change(); };
  TextLatitude.onValidate = [this] { return TextLatitude_Validate(); };
  CmdShow.onClick = [this] { CmdShow_Click(); };
  CmdSet.onClick = [this] { CmdSet_Click(); };
}

void fLatitude::placeControls() {
  width = 420;
  height = 300;
  LabelBeschreibung.position = {12, 12, 396, 110};
  LabelFID.caption = "FID";
  LabelFID.position = {12, 134, 40, 20};
  TextFID.position = {56, 130, 100, 24};
  LabelPID.caption = "PID";
  LabelPID.position = {200, 134, 40, 20};
  TextPID.position = {244, 130, 100, 24};
  LabelLatitude.position = {12, 172, 396, 20};
  TextLatitude.position = {12, 196, 396, 24};
  CmdShow.position = {12, 240, 190, 40};
  CmdSet.position = {218, 240, 190, 40};
}

void fLatitude::open() {
  language();
  show();
}

void fLatitude::Form_Load() {
  TextFID.setText({});
  TextPID.setText({});
  TextLatitude.setText({});
  CmdSet.enabled = true;
  language();
}

void fLatitude::language() {
  if (const auto sprache = spracheFor(Settings(services_.registry).language())) sprache_ = *sprache;
  texts_ = latitudeTexts(sprache_);
  caption = texts_.caption;
  CmdShow.caption = texts_.cmdShow;
  CmdSet.caption = texts_.cmdSet;
  LabelLatitude.caption = texts_.labelLatitude;
  LabelBeschreibung.caption = texts_.description;
}

void fLatitude::say(const std::string& text) {
  services_.dialogs.message({text, std::string(kMessageTitle), Buttons::Ok, Icon::None});
}

void fLatitude::TextFID_Change() {
  if (!isDecimalEntry(TextFID.text())) TextFID.setText({});
}

void fLatitude::TextPID_Change() {
  if (!isDecimalEntry(TextPID.text())) TextPID.setText({});
}

// A refused entry keeps the focus, so the click that left the field does not
// go on with the field just cleared (which would ask to remove the setting).
bool fLatitude::TextLatitude_Validate() {
  const auto kind = readLatitudeEntry(TextLatitude.text()).kind;
  if (kind == LatitudeEntryKind::Empty || kind == LatitudeEntryKind::Degrees) {
    CmdSet.enabled = true;
    return false;
  }
  say(texts_.outOfRange);
  TextLatitude.setText({});
  return true;
}

std::string fLatitude::mapKey() {
  const MapId id = mapIdFor(TextFID.text(), TextPID.text());
  switch (id.fault) {
    case MapIdFault::WrongPid:
      say(texts_.wrongPid);
      return {};
    case MapIdFault::WrongFid:
      say(texts_.wrongFid);
      return {};
    case MapIdFault::None:
      break;
  }
  return latitudeKey(id.number);
}

void fLatitude::CheckRegistryKey(const std::string& key) {
  const auto degrees = storedLatitude(services_.registry, key);
  TextLatitude.setText(degrees ? std::to_string(*degrees) + "\xC2\xB0" : texts_.nothingStored);
}

void fLatitude::CmdShow_Click() {
  if (const std::string key = mapKey(); !key.empty()) CheckRegistryKey(key);
}

void fLatitude::CmdSet_Click() {
  CmdSet.enabled = false;
  setLatitude();
  CmdSet.enabled = true;
}

void fLatitude::setLatitude() {
  const std::string key = mapKey();
  if (key.empty()) return;
  const LatitudeEntry entry = readLatitudeEntry(TextLatitude.text());
  switch (entry.kind) {
    case LatitudeEntryKind::Degrees:
      if (!journaledEdit(services_, sprache_ != Sprache::English, "latitude", key, {},
                         [&](Recorded& recorded) {
                           return storeLatitude(recorded.registry, key, entry.degrees);
                         }))
        say(texts_.notStored);
      return;
    case LatitudeEntryKind::Empty:
      askForAutomatic(key);
      return;
    case LatitudeEntryKind::NotANumber:
      // Only the text Show puts there stands for "no latitude"; any other
      // text is a wrong entry, not a wish to remove the setting.
      if (TextLatitude.text() == texts_.nothingStored) {
        askForAutomatic(key);
        return;
      }
      [[fallthrough]];
    case LatitudeEntryKind::OutOfRange:
      say(texts_.outOfRange);
      TextLatitude.setText({});
      return;
  }
}

void fLatitude::askForAutomatic(const std::string& key) {
  const Message question{texts_.askAutomatic, std::string(kMessageTitle), Buttons::YesNo,
                         Icon::None};
  if (services_.dialogs.message(question) != Answer::Yes) return;
  journaledEdit(services_, sprache_ != Sprache::English, "latitude", key, {},
                [&](Recorded& recorded) {
                  removeLatitude(recorded.registry, key);
                  return true;
                });
  CheckRegistryKey(key);
}

}  // namespace mapsetdesk::ui
