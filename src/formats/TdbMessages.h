#pragma once
// The messages the TDB operations show, in the current language. The caller
// fills the texts from the message catalogue; the format code holds none.
#include <string>

#include "formats/TdbLayout.h"
#include "platform/Dialogs.h"

namespace mapsetdesk {

struct TdbTexts {
  std::string title;          // title of every box
  std::string unknownFormat;  // whole text, with the support address
  std::string backupCreated;  // followed by the backup's full path
  std::string nameChanged;
  std::string fileMissing;    // the rename's file is gone
  std::string damaged;        // followed by the path, ": " and the reason
};

// Tells that the file at path was left unchanged because it is damaged.
void showTdbDamaged(Dialogs& dialogs, const TdbTexts& texts, const std::string& path,
                    TdbDamage damage);

}  // namespace mapsetdesk
