#pragma once
// The health check of an installation: every registered mapset and every
// gmap package is checked for what keeps MapSource or BaseCamp from showing
// it. The catalogues it read stay with the findings, which name their rows.
#include <string>
#include <vector>

#include "catalogue/CatalogueListing.h"
#include "catalogue/GmapCatalogue.h"
#include "check/Finding.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"

namespace mapsetdesk {

struct CheckPlace {
  std::string base;                      // the registry base in use
  std::vector<std::string> unusedBases;  // see unusedRegistryBases
  GmapFolders mapFolders;
  std::string fehler25;  // the listing's message about a key without TDB value
};

struct HealthReport {
  RegistryCatalogue registry;
  GmapCatalogue packages;
  Findings findings;
};

HealthReport checkInstallation(Registry& registry, Dialogs& dialogs, const CheckPlace& place);

// Whether the report holds a finding that a repair can mend.
bool hasRepairable(const HealthReport& report);

}  // namespace mapsetdesk
