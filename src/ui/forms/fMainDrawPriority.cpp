// The main window's tile listing: after "show maptile names+drawpriority" a
// double-click in either mapset list shows that mapset's tiles and their
// draw priority in the draw-priority window.
#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::ui {
namespace {

constexpr const char* kNamenlisten = "Namenlisten";
constexpr const char* kListen = "Listen";

}  // namespace

void fMain::CommandFilename_Click() {
  const auto chosen = chosenMapset();
  leaveModes();
  session_.vMapsetName = kNamenlisten;
  session_.vGMPListen = kListen;
  CommandFilename.backColor = kActionColour;
  TDBlesen();
  GMPFileslisten();
  ListMapsetName.visible = true;
  ListMapsetName.enabled = true;
  showModeHint();
  pickAgain(chosen);
}

bool fMain::listTiles(const ListBox& list, int row) {
  if (row < 0) return false;
  if (&list == &ListMapsetName && session_.vMapsetName == kNamenlisten &&
      row < static_cast<int>(catalogue_.rows.size())) {
    session_.vGMPoderIMG.clear();
    program_.maptilename.Laden(catalogue_.rows[row]);
    return true;
  }
  if (&list == &ListMapsetGMP && session_.vGMPListen == kListen &&
      row < static_cast<int>(packages_.rows.size())) {
    program_.maptilename.LadenGMP(packages_.rows[row]);
    return true;
  }
  return false;
}

// Another mode may have been chosen while the window was open; it stays.
void fMain::endTileListing() {
  for (Button* button : {&CommandHinzufuegen, &CommandKartenentfernen, &CommandFilename})
    button->enabled = true;
  if (session_.vMapsetName != kNamenlisten) return;
  session_.vMapsetName.clear();
  session_.vGMPListen.clear();
  Farbe();
  showModeHint();
}

}  // namespace mapsetdesk::ui
