#pragma once
// The texts of the draw-priority window `FormMaptilename` and of the change
// it runs; the window keeps them beside the main window's catalogue.
#include <string>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

struct DrawPriorityTexts {
  std::string caption;           // the window's title
  std::string commandDPAendern;
  std::string changedBefore;     // "DrawPriority was changed for " n
  std::string changedAfter;      // " Files"
  std::string closeMapsource;    // a package's subfile is held open
  std::string noEntry;           // the field was left empty
  std::string noNumber;          // the field holds no draw priority to write
  std::string noTreHeader;       // a file left unchanged: no TRE header in it
  std::string mapsetGone;        // followed by the TDB: removed while the window was open
};

DrawPriorityTexts drawPriorityTexts(Sprache sprache);

// "DrawPriority was changed for 12 Files".
std::string drawPriorityChanged(const DrawPriorityTexts& texts, int files);

}  // namespace mapsetdesk
