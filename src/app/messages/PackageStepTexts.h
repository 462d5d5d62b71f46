#pragma once
// Texts of the gmap package built from an existing TDB and overview: which
// file keeps the package from being made, or which step of making it failed.
// Each is followed by the path it names.
#include <string>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

struct PackageStepTexts {
  std::string folderExists;
  std::string tdbUnreadable;
  std::string overviewUnreadable;
  std::string tileUnreadable;
  std::string folderNotMade;
  std::string notCopied;
  std::string notUnpacked;
  // After a step failed half-way: what the run had made is gone again.
  std::string removedAgain;
};

PackageStepTexts packageStepTexts(Sprache sprache);

}  // namespace mapsetdesk
