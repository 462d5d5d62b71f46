#pragma once
// The texts of the health check: its window `FormPruefen`, the findings and
// their repairs, in the language of the setting.
#include <string>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

struct CheckTexts {
  std::string caption;      // the window's title, also the main menu entry
  std::string cmdPruefen;   // check again
  std::string cmdReparieren;
  std::string error;    // severity
  std::string warning;  // severity
  std::string nothingFound;
  // What is wrong, one per finding kind, in the order of FindingKind.
  std::string kinds[24];
  // What the repair does, one per repair kind, in the order of RepairKind.
  std::string repairs[12];
  std::string askRemoval;  // followed by the mapset's name and "?"
  std::string repaired;    // result prefixes
  std::string notRepaired;
  std::string declined;
  // What a repair line adds after the finding: where the backup of a
  // changed file went, where removed keys were saved, what a failed repair
  // stopped at and that what it had changed was put back.
  std::string backupAt;
  std::string keysSavedAt;
  std::string failedAt;
  std::string putBack;
};

const CheckTexts& checkTexts(Sprache sprache);

}  // namespace mapsetdesk
