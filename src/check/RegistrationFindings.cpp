#include "check/RegistrationFindings.h"

#include "check/MapsetFileFindings.h"
#include "check/RegistryRepairs.h"
#include "formats/TdbTiles.h"
#include "platform/Codec.h"
#include "platform/FoundPath.h"
#include "platform/Platform.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

bool isFamilyRow(const CatalogueEntry& entry) { return entry.root != RegistrationRoot::Products; }

// The family key without the trailing backslash the catalogue keeps.
std::string familyKey(const CatalogueEntry& entry) {
  std::string key = entry.familyKeyPath;
  if (!key.empty() && key.back() == '\\') key.pop_back();
  return key;
}

Finding aboutRow(const CatalogueRow& row, std::size_t index) {
  Finding about;
  about.mapset = {row.cells.name, row.cells.fid, row.cells.pid};
  about.registryRow = index;
  return about;
}

void checkMissingTdb(const CatalogueEntry& entry, const Finding& about, Findings& findings) {
  if (isFolderAnyCase(entry.tileFolder)) {
    findings.push_back(findingAbout(about, FindingKind::TdbMissing, entry.tdb));
    return;
  }
  Finding orphaned = findingAbout(about, FindingKind::Orphaned, entry.tdb);
  orphaned.repair = RepairKind::RemoveRegistration;
  findings.push_back(orphaned);
}

void checkTiles(const CatalogueEntry& entry, const TdbFacts& tdb, const Finding& about,
                Findings& findings) {
  if (!isFolderAnyCase(entry.tileFolder)) {
    findings.push_back(findingAbout(about, FindingKind::TileFolderMissing, entry.tileFolder));
    return;
  }
  for (const TdbTile& tile : tdb.tiles) {
    const std::string path = joinPath(entry.tileFolder, tileName(tile.mapNumber) + ".img");
    if (!isFileAnyCase(path)) findings.push_back(findingAbout(about, FindingKind::TileMissing, path));
  }
}

void checkRegistryId(Registry& registry, const CatalogueEntry& entry, const TdbFacts& tdb,
                     const Finding& about, Findings& findings) {
  // The registry holds key names as Windows-1252, as the repair writes them.
  const auto id = registry.queryValue(Root::LocalMachine, toAnsi(familyKey(entry)), kValueId);
  if (id && storedFid(*id) == tdb.fidField) return;
  Finding wrong = findingAbout(about, FindingKind::RegistryIdWrong, familyKey(entry));
  wrong.repair = RepairKind::RegistryId;
  wrong.key = familyKey(entry);
  wrong.fid = tdb.fidField;
  findings.push_back(wrong);
}

void checkFamilyFiles(Registry& registry, const CatalogueEntry& entry, const Finding& about,
                      Findings& findings) {
  if (entry.typ != kNoTypefile) checkTypFile(entry.typ, entry.fid, about, findings);
  const std::string index =
      fRegAbfrageWert(registry, Root::LocalMachine, familyKey(entry), kValueIdx);
  if (!index.empty()) checkIndexFile(index, entry.fid, about, findings);
}

}  // namespace

void checkRegistration(Registry& registry, const RegistryCatalogue& catalogue, std::size_t index,
                       Findings& findings) {
  const CatalogueRow& row = catalogue.rows[index];
  const CatalogueEntry& entry = row.entry;
  const Finding about = aboutRow(row, index);
  if (entry.root == RegistrationRoot::Products)
    findings.push_back(findingAbout(about, FindingKind::ProductsLayout,
                                    entry.familyKeyPath + entry.subkeyPath, Severity::Warning));
  if (row.state == EntryState::TdbMissing) return checkMissingTdb(entry, about, findings);
  const TdbFacts tdb = checkTdbFile(entry.tdb, about, findings);
  if (row.state == EntryState::OverviewMissing)
    findings.push_back(findingAbout(about, FindingKind::OverviewMissing, entry.overview));
  if (!tdb.readable) return;
  checkTiles(entry, tdb, about, findings);
  // Without a FID of its own the mapset has nothing the ID, TYP and index
  // could be compared with.
  if (!isFamilyRow(entry) || tdb.fidField == 0) return;
  checkRegistryId(registry, entry, tdb, about, findings);
  checkFamilyFiles(registry, entry, about, findings);
}

}  // namespace mapsetdesk
