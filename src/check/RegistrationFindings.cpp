#include "check/RegistrationFindings.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "catalogue/RegistryAccess.h"
#include "check/MapsetFileFindings.h"
#include "check/RegistryRepairs.h"
#include "formats/TdbTiles.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/FoundPath.h"
#include "platform/Platform.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

bool isFamilyRow(const CatalogueEntry& entry) { return entry.root != RegistrationRoot::Products; }

// The family key without the trailing backslash the catalogue keeps.
std::string familyKey(const CatalogueEntry& entry) {
  return withoutTrailingBackslash(entry.familyKeyPath);
}

Finding aboutRow(const CatalogueRow& row, std::size_t index) {
  Finding about;
  about.mapset = {row.cells.name, row.cells.fid, row.cells.pid};
  about.registryRow = index;
  return about;
}

// A folder on a drive or mount point that is there: its parent folder exists
// and holds something. An unplugged drive takes the parent with it; an
// unmounted mount point is left an empty folder. Only then can the missing
// folder be told from one that is not there at the moment.
bool onPresentVolume(const std::string& folder) {
  std::string trimmed = folder;
  while (!trimmed.empty() && (trimmed.back() == '\\' || trimmed.back() == '/')) trimmed.pop_back();
  const std::filesystem::path parent = filePath(foundPath(trimmed)).parent_path();
  std::error_code error;
  return !parent.empty() && std::filesystem::is_directory(parent, error) &&
         !std::filesystem::is_empty(parent, error) && !error;
}

void checkMissingTdb(const CatalogueEntry& entry, const Finding& about, Findings& findings) {
  if (isFolderAnyCase(entry.tileFolder)) {
    findings.push_back(findingAbout(about, FindingKind::TdbMissing, entry.tdb));
    return;
  }
  if (!onPresentVolume(entry.tileFolder)) {
    findings.push_back(
        findingAbout(about, FindingKind::NotReachable, entry.tileFolder, Severity::Warning));
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

// The registry holds key names as Windows-1252, as the repair writes them.
std::optional<std::uint16_t> registryId(Registry& registry, const CatalogueEntry& entry) {
  const auto id = registry.queryValue(Root::LocalMachine, toAnsi(familyKey(entry)), kValueId);
  if (!id) return std::nullopt;
  return storedFid(*id);
}

void checkRegistryId(Registry& registry, const CatalogueEntry& entry, const TdbFacts& tdb,
                     const Finding& about, Findings& findings) {
  if (registryId(registry, entry) == tdb.fidField) return;
  Finding wrong = findingAbout(about, FindingKind::RegistryIdWrong, familyKey(entry));
  wrong.repair = RepairKind::RegistryId;
  wrong.key = familyKey(entry);
  wrong.fid = tdb.fidField;
  findings.push_back(wrong);
}

// Another family whose FID differs names the same TYP file: patching it for
// one family breaks it for the other.
bool typSharedWithOtherFid(const RegistryCatalogue& catalogue, const CatalogueEntry& entry,
                           std::uint16_t fid) {
  return std::any_of(catalogue.rows.begin(), catalogue.rows.end(), [&](const CatalogueRow& row) {
    const CatalogueEntry& other = row.entry;
    return isFamilyRow(other) && other.typ != kNoTypefile && other.fid != 0 && other.fid != fid &&
           familyKey(other) != familyKey(entry) && sameFileAnyCase(other.typ, entry.typ);
  });
}

void checkFamilyFiles(Registry& registry, const RegistryCatalogue& catalogue,
                      const CatalogueEntry& entry, std::uint16_t fid, const Finding& about,
                      Findings& findings) {
  if (entry.typ != kNoTypefile) {
    const std::size_t before = findings.size();
    checkTypFile(entry.typ, fid, about, findings);
    if (findings.size() > before && findings.back().kind == FindingKind::TypFidWrong &&
        typSharedWithOtherFid(catalogue, entry, fid)) {
      findings.back().kind = FindingKind::TypShared;
      findings.back().repair = RepairKind::TypCopy;
      findings.back().key = familyKey(entry);
    }
  }
  const std::string index =
      fRegAbfrageWert(registry, Root::LocalMachine, familyKey(entry), kValueIdx);
  if (!index.empty()) checkIndexFile(index, fid, about, findings);
}

// A TDB without FID whose family key holds one gets that FID written into
// it, so the ID, TYP and index the installation wrote stay as they are.
std::uint16_t fidFromRegistry(Registry& registry, const CatalogueEntry& entry,
                              const Finding& about, Findings& findings) {
  const auto id = registryId(registry, entry);
  const auto zero = std::find_if(findings.rbegin(), findings.rend(), [&about](const Finding& f) {
    return f.kind == FindingKind::FidZero && f.registryRow == about.registryRow;
  });
  if (!id || *id == 0 || zero == findings.rend()) return 0;
  zero->repair = RepairKind::TdbFid;
  zero->file = foundPath(entry.tdb);
  zero->key = familyKey(entry);
  zero->fid = *id;
  return *id;
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
  if (!isFamilyRow(entry)) return;
  if (tdb.fidField == 0) {
    // Without a FID of its own or in the registry the mapset has nothing
    // the TYP and index could be compared with.
    const std::uint16_t fid = fidFromRegistry(registry, entry, about, findings);
    if (fid != 0) checkFamilyFiles(registry, catalogue, entry, fid, about, findings);
    return;
  }
  checkRegistryId(registry, entry, tdb, about, findings);
  checkFamilyFiles(registry, catalogue, entry, entry.fid, about, findings);
}

}  // namespace mapsetdesk
