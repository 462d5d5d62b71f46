#include "ui/forms/FormEinstellungen.h"

#include "app/Language.h"
#include "app/ProductTitle.h"
#include "app/Settings.h"
#include "app/Version.h"

namespace mapsetdesk::ui {

FormEinstellungen::FormEinstellungen(WindowSystem& windows, Services& services)
    : Form(windows, "FormEinstellungen"),
      services_(services),
      texts_(einstellungenTexts(Sprache::Deutsch)) {
  // Wide enough for the longest tool choice, the German one.
  width = 560;
  height = 238;
  List1.position = {12, 12, 536, 66};
  List1.onClick = [this] { List1_Click(); };
  LabelTools.position = {12, 86, 536, 18};
  ListTools.position = {12, 106, 536, 66};
  ListTools.onClick = [this] { ListTools_Click(); };
  LabelVerlauf.position = {12, 180, 536, 18};
  LabelVersion.position = {12, 204, 536, 18};
}

void FormEinstellungen::open() {
  SpracheEinstellungen();
  fillList();
  fillTools();
  show();
}

void FormEinstellungen::SpracheEinstellungen() {
  mapsetdesk::SpracheEinstellungen(services_.registry, texts_);
  caption = texts_.caption;
  List1.toolTip = texts_.hint;
  LabelTools.caption = texts_.toolsLabel;
  LabelVersion.caption = texts_.version + " " + std::string(kVersion);
  const Retention history = Settings(services_.registry).history();
  LabelVerlauf.caption = texts_.history + std::to_string(history.days) + texts_.historyDays +
                         std::to_string(history.megabytes) + " MB";
}

// The rows speak the language as well.
void FormEinstellungen::languageChanged() {
  SpracheEinstellungen();
  fillList();
  fillTools();
}

void FormEinstellungen::fillList() {
  List1.clear();
  const std::string wow64 = Settings(services_.registry).wow64();
  if (wow64 == kWow64Yes) {
    List1.addItem(texts_.row64);
  } else if (wow64 == kWow64No) {
    List1.addItem(texts_.row32);
  }
}

void FormEinstellungen::List1_Click() {
  if (List1.listIndex() != 0) return;
  const Message question{texts_.question, std::string(kMessageTitle), Buttons::YesNo, Icon::None};
  Settings(services_.registry).storeWow64(services_.dialogs.message(question) == Answer::Yes);
  fillList();
}

}  // namespace mapsetdesk::ui

namespace mapsetdesk::ui {

void FormEinstellungen::fillTools() {
  fillingTools_ = true;
  ListTools.setItems({texts_.toolsAuto, texts_.toolsExtern, texts_.toolsIntern});
  ListTools.setListIndex(static_cast<int>(Settings(services_.registry).tools()));
  fillingTools_ = false;
}

void FormEinstellungen::ListTools_Click() {
  if (fillingTools_ || ListTools.listIndex() < 0) return;
  Settings(services_.registry).storeTools(static_cast<ToolsChoice>(ListTools.listIndex()));
  fillTools();
}

}  // namespace mapsetdesk::ui
