#include "cli/MapsetRows.h"

#include "catalogue/GmapCatalogue.h"
#include "cli/CatalogueReading.h"
#include "install/ExistingTdbPackage.h"
#include "install/ExistingTdbRegistration.h"
#include "platform/FilePath.h"

namespace mapsetdesk::cli {

void printExistingMapsetRows(Context& context, const ExistingMapset& mapset,
                             const std::string& packageFolder) {
  const auto catalogues = readCatalogues(context);
  if (!catalogues) return;
  const std::string subkey = existingFamilyKeyName(mapset) + "\\" + std::to_string(mapset.pid);
  for (const CatalogueRow& row : catalogues->registry.rows)
    if (row.entry.root == RegistrationRoot::Families && row.entry.subkeyPath == subkey)
      printRegistryRow(context.out, row);
  for (const GmapRow& row : catalogues->packages.rows)
    if (!packageFolder.empty() &&
        filePath(mapsetdesk::packageFolder(row)) == filePath(packageFolder))
      printGmapRow(context.out, row);
}

}  // namespace mapsetdesk::cli

namespace mapsetdesk::cli {

std::string existingPackageFolder(HeadlessProgram& program, const std::string& mapsetName) {
  const GmapFolders folders =
      gmapFolders(*program.registry, *program.facts, program.session.vReg6432);
  return mapsetdesk::existingPackageFolder(folders.allUsers, mapsetName);
}

}  // namespace mapsetdesk::cli
