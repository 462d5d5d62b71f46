#pragma once
// The texts of sending mapsets to a device as one device image: the window,
// its question before replacing an image, the running report and the
// refusals. Texts that end in a blank are followed by a file, a size or an
// ID.
#include <string>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

struct SendToDeviceTexts {
  std::string caption;  // the window's title and the menu item
  std::string columns;  // the mapset list's head line
  std::string target;   // label of the target choice
  std::string chooseFile;
  std::string imageSize;  // followed by the size in MB
  std::string write;
  std::string askReplace;  // followed by the file
  std::string writing;     // followed by the file
  std::string mapsetWritten;  // followed by the mapset's name
  std::string done;           // followed by the file
  std::string failed;         // followed by the file
  std::string noMapset;
  std::string sameProduct;  // followed by FID:PID
  std::string sameMapNumber;  // followed by the subfile
  std::string fileMissing;
  std::string fileDamaged;
  std::string tooLarge;  // followed by the size in MB
  std::string noRoom;    // followed by the size in MB
  std::string targetIsInput;
  std::string targetIsFolder;
  std::string noTarget;
  std::string notAnImageName;  // followed by the file
};

SendToDeviceTexts sendToDeviceTexts(Sprache sprache);

}  // namespace mapsetdesk
