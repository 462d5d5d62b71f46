#pragma once
// The texts of the FID changer `formFID` and of the FID change it runs; the
// window keeps them beside the main window's catalogue.
#include <string>
#include <vector>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

struct FidTexts {
  std::string caption;      // the window's title
  std::string command1;     // change the FID
  std::string command2;     // propose a free FID
  std::string commandExit;
  std::string label2;       // caption of the new FID's field
  std::string chooseMapset; // the prompt while no mapset is picked
  std::string fidLabel;     // followed by the picked mapset's FID
  std::string inUse;
  std::string mapMissing;   // English only
  std::string typClash;     // followed by the TYP file's path
  std::string stoppedAt;    // followed by the file the change stopped at
  std::string alreadyChanged;  // followed by the files rewritten before, one a line
  std::string nothingChanged;
};

FidTexts fidTexts(Sprache sprache);

// The message of a change that stopped at a file: that file, then the files
// already rewritten (or that none was).
std::string fidStoppedMessage(const FidTexts& texts, const std::string& stoppedAt,
                              const std::vector<std::string>& changed);

}  // namespace mapsetdesk
