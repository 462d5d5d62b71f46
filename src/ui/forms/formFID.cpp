#include "ui/forms/formFID.h"


#include "app/Language.h"
#include "app/ProductTitle.h"
#include "app/Settings.h"
#include "app/messages/IdTexts.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "edit/FidEntry.h"
#include "ui/forms/JournaledEdit.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

formFID::formFID(WindowSystem& windows, Services& services, fMain& main)
    : Form(windows, "formFID"), services_(services), main_(main), texts_(fidTexts(sprache_)) {
  placeControls();
  Text1.onChange = [this] { Text1_Change(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  CommandExit.onClick = [this] { unload(); };
}

void formFID::placeControls() {
  width = 360;
  height = 290;
  Label3.position = {12, 12, 336, 20};
  Label4.position = {12, 34, 336, 36};
  TextMapname.position = {12, 76, 336, 24};
  Label1.position = {12, 108, 336, 20};
  Label2.position = {12, 140, 100, 20};
  Text1.position = {120, 136, 228, 24};
  Command1.position = {12, 176, 160, 40};
  Command2.position = {188, 176, 160, 40};
  CommandExit.position = {12, 232, 336, 40};
}

void formFID::Form_Load() {
  language();
  reset();
}

void formFID::Form_Unload() { main_.endFidChange(); }

void formFID::language() {
  if (const auto sprache = spracheFor(Settings(services_.registry).language())) sprache_ = *sprache;
  texts_ = fidTexts(sprache_);
  caption = texts_.caption;
  Command1.caption = texts_.command1;
  Command2.caption = texts_.command2;
  CommandExit.caption = texts_.commandExit;
  Label2.caption = texts_.label2;
}

void formFID::reset() {
  Label3.caption = texts_.chooseMapset;
  Label4.caption = main_.modeHint();
  Label1.caption = texts_.fidLabel;
  Command1.enabled = false;
  Text1.setText({});
  TextMapname.setText({});
  registryRow_.reset();
  packageRow_.reset();
}

void formFID::pick(const CatalogueRow& row) {
  registryRow_ = row;
  packageRow_.reset();
  TextMapname.setText(row.cells.name);
  Label1.caption = texts_.fidLabel + " " + row.cells.fid;
  Command1.enabled = readFidEntry(Text1.text()).changeable;
}

void formFID::pick(const GmapRow& row) {
  packageRow_ = row;
  registryRow_.reset();
  TextMapname.setText(row.display);
  Label1.caption = texts_.fidLabel + " " + row.fid;
  Command1.enabled = readFidEntry(Text1.text()).changeable;
}

void formFID::say(const std::string& text, Icon icon) {
  services_.dialogs.message({text, std::string(kMessageTitle), Buttons::Ok, icon});
}

void formFID::Text1_Change() {
  const FidEntry entry = readFidEntry(Text1.text());
  if (entry.tooBig) say(idFaultText(sprache_, IdKind::Fid, IdFault::TooBig));
  if (Text1.text() != entry.text) Text1.setText(entry.text);
  // Changing needs a mapset picked as well as a FID.
  Command1.enabled = entry.changeable && (registryRow_ || packageRow_);
  if (entry.changeable) Command2.enabled = true;
}

void formFID::Command2_Click() {
  main_.TDBlesen();
  main_.GMPFileslisten();
  if (const auto fid = main_.FreieIdNr()) Text1.setText(std::to_string(*fid));
}

void formFID::Command1_Click() {
  if (TextMapname.text().empty() || (!registryRow_ && !packageRow_)) return;
  if (isFidInUse(Text1.text(), main_.registryCatalogue(), main_.gmapCatalogue())) {
    Text1.setText({});
    Command1.enabled = false;
    say(texts_.inUse, Icon::Information);
    return;
  }
  if (const IdFault fault = idFault(Text1.text()); fault != IdFault::None) {
    say(idFaultText(sprache_, IdKind::Fid, fault));
    return;
  }
  change(*idFromText(Text1.text()));
  main_.TDBlesen();
  main_.GMPFileslisten();
  reset();
}

void formFID::change(std::uint16_t fid) {
  const TdbTexts tdbTexts = tdbVorhandenTexts(sprache_).tdb;
  FidChangeResult result;
  const std::string mapset = registryRow_ ? registryRow_->cells.name : packageRow_->display;
  const ActionOutcome outcome = journaledEditOutcome(
      services_, sprache_ != Sprache::English, "fid", mapset, {}, [&](Recorded& recorded) {
        result = registryRow_ ? changeRegisteredFid(
                                    recorded.registry, *registryRow_, main_.registryCatalogue(),
                                    fid, services_.dialogs, tdbTexts, keepingIn(recorded.entry))
                              : changePackageFid(*packageRow_, fid, services_.dialogs, tdbTexts,
                                                 keepingIn(recorded.entry));
        return result.stop == FidChangeStop::None;
      });
  tellStop(afterJournal(result, outcome));
}

void formFID::tellStop(const FidChangeResult& result) {
  switch (result.stop) {
    case FidChangeStop::None:
      return;
    case FidChangeStop::MapMissing:
      say(texts_.mapMissing);
      return;
    case FidChangeStop::TypClash:
      say(texts_.typClash + result.stoppedAt, Icon::Exclamation);
      return;
    case FidChangeStop::FileFailed:
      say(fidStoppedMessage(texts_, result.stoppedAt, result.changed), Icon::Exclamation);
      return;
  }
}

}  // namespace mapsetdesk::ui
