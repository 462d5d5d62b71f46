#include "ui/forms/FormMaptilename.h"

#include "app/Language.h"
#include "app/ProductTitle.h"
#include "app/Settings.h"
#include "formats/FileBytes.h"
#include "platform/FilePath.h"
#include "ui/forms/JournaledEdit.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {
namespace {

constexpr const char* kStop = "beenden";
constexpr int kListed = 50;
constexpr int kDone = 100;

int progress(std::size_t done, std::size_t all, int from) {
  return from + static_cast<int>(all == 0 ? kListed : done * kListed / all);
}

}  // namespace

FormMaptilename::FormMaptilename(WindowSystem& windows, Services& services, Session& session,
                                 fMain& main)
    : Form(windows, "FormMaptilename"),
      services_(services),
      session_(session),
      main_(main),
      texts_(drawPriorityTexts(sprache_)) {
  placeControls();
  TextDP.onChange = [this] { TextDP_Change(); };
  TextDP.onValidate = [this] { return TextDP_Validate(); };
  TextDP.onGotFocus = [this] { enableChange(); };
  CommandDPAendern.onClick = [this] { CommandDPAendern_Click(); };
}

void FormMaptilename::placeControls() {
  width = 560;
  height = 480;
  Label1.position = {12, 12, 536, 20};
  Listmaptilename.position = {12, 40, 536, 320};
  CommandDPAendern.position = {12, 372, 300, 36};
  TextDP.position = {324, 378, 60, 24};
  ProgressBarDP.position = {12, 424, 536, 24};
}

void FormMaptilename::Form_Load() {
  language();
  stop_.clear();
}

void FormMaptilename::Form_Unload() {
  stop_ = kStop;
  main_.endTileListing();
}

void FormMaptilename::language() {
  if (const auto sprache = spracheFor(Settings(services_.registry).language())) sprache_ = *sprache;
  texts_ = drawPriorityTexts(sprache_);
  caption = texts_.caption;
  CommandDPAendern.caption = texts_.commandDPAendern;
}

void FormMaptilename::say(const std::string& text, Icon icon) {
  services_.dialogs.message({text, std::string(kMessageTitle), Buttons::Ok, icon});
}

void FormMaptilename::Laden(const CatalogueRow& row) {
  list(row.entry.tdb, false, row.entry.tileFolder);
}

void FormMaptilename::LadenGMP(const GmapRow& row) {
  list(row.tdb, true, pathText(filePath(row.tdb).parent_path()));
}

std::string FormMaptilename::lineOf(const PriorityTile& tile) const {
  return package_ ? tile.name + "=  " + tile.description
                  : tile.name + ".img  =  " + tile.description;
}

// A file without TRE header says so; a missing or unreadable one adds nothing.
std::string FormMaptilename::readLine(const PriorityTile& tile,
                                      const std::vector<TileReading>& readings) const {
  std::string line = lineOf(tile);
  const std::string label = package_ ? " ; DP = " : "  ; Drawpriority = ";
  for (const TileReading& reading : readings) {
    if (reading.state == TileState::Read) line += label + std::to_string(reading.priority);
    if (reading.state == TileState::NoTreHeader) line += label + texts_.noTreHeader;
  }
  return line;
}

void FormMaptilename::list(const std::string& tdb, bool package, const std::string& tileFolder) {
  show();
  stop_.clear();
  tdb_ = tdb;
  package_ = package;
  tileFolder_ = tileFolder;
  Label1.caption = tileFolder;
  Listmaptilename.clear();
  ProgressBarDP.value = 0;
  readableTiles_ = 0;
  const FileContent content = readFileBytes(tdb);
  mapset_ = package ? packageTiles(content.bytes, tileFolder)
                    : registeredTiles(content.bytes, tileFolder);
  const auto& tiles = mapset_.tiles;
  for (std::size_t i = 0; i < tiles.size() && stop_ != kStop; ++i) {
    Listmaptilename.addItem(lineOf(tiles[i]));
    ProgressBarDP.value = progress(i + 1, tiles.size(), 0);
  }
  for (std::size_t i = 0; i < tiles.size() && stop_ != kStop; ++i) {
    const std::vector<TileReading> readings = readTilePriorities(tiles[i], mapset_.form);
    auto lines = Listmaptilename.items();
    lines[i] = readLine(tiles[i], readings);
    Listmaptilename.setItems(std::move(lines));
    for (const TileReading& reading : readings) {
      if (reading.state != TileState::Read) continue;
      TextDP.setText(std::to_string(reading.priority));
      ++readableTiles_;
    }
    ProgressBarDP.value = progress(i + 1, tiles.size(), kListed);
    windows().letEventsRun();
  }
  ProgressBarDP.value = kDone;
  enableChange();
}

void FormMaptilename::TextDP_Change() {
  const std::string limited = limitDrawPriorityEntry(TextDP.text());
  if (limited != TextDP.text()) TextDP.setText(limited);
  enableChange();
}

// The change needs a tile whose priority it can write, and a priority.
void FormMaptilename::enableChange() {
  CommandDPAendern.enabled =
      readableTiles_ > 0 && drawPriorityToWrite(TextDP.text()).has_value();
}

bool FormMaptilename::TextDP_Validate() {
  if (TextDP.text().empty())
    say(texts_.noEntry, Icon::None);
  else if (!drawPriorityToWrite(TextDP.text()))
    say(texts_.noNumber, Icon::Exclamation);
  return false;
}

void FormMaptilename::CommandDPAendern_Click() {
  CommandDPAendern.enabled = false;
  setMousePointer(MousePointer::Hourglass);
  const auto priority = drawPriorityToWrite(TextDP.text());
  if (!priority) {
    setMousePointer(MousePointer::Default);
    return;
  }
  // The main window may have removed the mapset while this window stayed
  // open: its tiles belong to no installed mapset then.
  if (!isFile(tdb_)) {
    setMousePointer(MousePointer::Default);
    say(texts_.mapsetGone + tdb_, Icon::Exclamation);
    Listmaptilename.clear();
    readableTiles_ = 0;
    return;
  }
  main_.Farbe();
  CommandDPAendern.backColor = kActionColour;
  session_.vDraw = "draw";
  main_.ListMapsetName.enabled = false;
  DrawPriority(*priority);
  session_.vDraw.clear();
  main_.ListMapsetName.enabled = true;
  enableChange();
  setMousePointer(MousePointer::Default);
}

void FormMaptilename::DrawPriority(std::uint8_t priority) {
  PriorityWrite written;
  // A run stopped by the user or by a held file keeps what it wrote, as an
  // entry that can be undone.
  const bool journaled = journaledEdit(
      services_, session_.texts.sprache() != Sprache::English, "draw-priority",
      pathText(filePath(tdb_).stem()), {}, [&](Recorded& recorded) {
        written = writeDrawPriorities(mapset_, priority, &recorded.entry, [&](std::size_t done) {
          ProgressBarDP.value = progress(done, mapset_.tiles.size(), kListed);
          windows().letEventsRun();
          return stop_ != kStop;
        });
        return !written.notKept;
      });
  ProgressBarDP.value = kDone;
  if (!journaled) return;
  if (written.held) {
    say(texts_.closeMapsource, Icon::Critical);
    return;
  }
  say(drawPriorityChanged(texts_, written.written), Icon::None);
  list(std::string(tdb_), package_, std::string(tileFolder_));
}

}  // namespace mapsetdesk::ui
