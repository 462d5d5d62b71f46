#pragma once
// The texts of the settings window `FormEinstellungen`, which keeps its own
// texts beside the main window's catalogue.
#include <string>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

struct EinstellungenTexts {
  std::string caption;   // the window's title
  std::string hint;      // tool tip of the list: how to change the setting
  std::string row64;     // the list's row when Wow64 is "wahr"
  std::string row32;     // the list's row when Wow64 is "falsch"
  std::string question;  // asked when the row is clicked
  // Who does the outside programs' work: the label and one row per choice,
  // in the order auto, extern, intern.
  std::string toolsLabel;
  std::string toolsAuto;
  std::string toolsExtern;
  std::string toolsIntern;
  std::string version;  // before the release number at the window's foot
  // How long and how large the change history is kept: history, the days,
  // historyDays, the megabytes, " MB".
  std::string history;
  std::string historyDays;
};

EinstellungenTexts einstellungenTexts(Sprache sprache);

}  // namespace mapsetdesk
