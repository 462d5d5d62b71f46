#include "ui/forms/FormVerlauf.h"

#include "app/HistoryWording.h"
#include "app/Language.h"
#include "app/ProductTitle.h"

namespace mapsetdesk::ui {

FormVerlauf::FormVerlauf(WindowSystem& windows, Services& services)
    : Form(windows, "FormVerlauf"), services_(services), texts_(historyTexts(Sprache::Deutsch)) {
  placeControls();
  CmdRueckgaengig.onClick = [this] { CmdRueckgaengig_Click(); };
}

void FormVerlauf::placeControls() {
  width = 900;
  height = 460;
  ListVerlauf.position = {12, 12, 876, 340};
  LabelGroesse.position = {12, 360, 660, 20};
  LabelHinweis.position = {12, 384, 660, 40};
  CmdRueckgaengig.position = {688, 364, 200, 40};
}

void FormVerlauf::open() {
  language();
  fill();
  show();
}

void FormVerlauf::language() {
  texts_ = historyTexts(chosenSprache(services_.registry));
  caption = texts_.caption;
  CmdRueckgaengig.caption = texts_.undoButton;
  LabelHinweis.caption = texts_.cacheNote;
}

// The states in the rows speak the language as well.
void FormVerlauf::languageChanged() {
  language();
  fill();
}

void FormVerlauf::fill() {
  const auto entries = Journal(Journal::folderFor(services_.facts)).entries();
  shown_.assign(entries.rbegin(), entries.rend());
  std::uintmax_t bytes = 0;
  ListVerlauf.clear();
  for (const JournalListing& entry : shown_) {
    const JournalHeader& header = entry.manifest.header;
    ListVerlauf.addItem(header.time + '\t' + header.action + '\t' + header.mapset + '\t' +
                        stateText(texts_, entry.state));
    bytes += entry.bytes;
  }
  LabelGroesse.caption = texts_.journalSize + std::to_string((bytes + 524288) / 1048576);
}

void FormVerlauf::tell(const std::string& text, Icon icon) {
  services_.dialogs.message({text, std::string(kMessageTitle), Buttons::Ok, icon});
}

void FormVerlauf::CmdRueckgaengig_Click() {
  const Journal journal(Journal::folderFor(services_.facts));
  const int row = ListVerlauf.listIndex();
  const bool chosen = row >= 0 && row < static_cast<int>(shown_.size());
  const std::string id = chosen ? shown_[static_cast<std::size_t>(row)].id : std::string();
  UndoPlan plan = planUndo(journal, services_.registry, id);
  if (plan.status == UndoStatus::Done) {
    const Message question{texts_.askUndo + entryText(plan.entry), std::string(kMessageTitle),
                           Buttons::YesNo, Icon::Question};
    if (services_.dialogs.message(question) != Answer::Yes) return;
    plan = carryOut(journal, services_.registry, services_.folders, plan);
  }
  fill();
  if (plan.status != UndoStatus::Done) {
    tell(undoRefusalText(texts_, plan), Icon::Exclamation);
    return;
  }
  afterUndo();
  tell(texts_.undone + entryText(plan.entry), Icon::Information);
}

}  // namespace mapsetdesk::ui
