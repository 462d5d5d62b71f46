#include "check/DuplicateFindings.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "catalogue/FidAllocation.h"
#include "check/MapsetFileFindings.h"
#include "platform/FilePath.h"
#include "platform/FileIdentity.h"
#include "platform/FoundPath.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

// One mapset that uses a FID and PID: a product key or a package.
struct FidUser {
  std::filesystem::file_time_type installed;
  Finding about;
};

std::filesystem::file_time_type installedAt(const std::string& tdb) {
  std::error_code error;
  const auto time = fs::last_write_time(filePath(foundPath(tdb)), error);
  return error ? fs::file_time_type::min() : time;
}

// Families before FamiliesNT before Products: the key the installation
// itself writes is the one that stays.
int keyRank(RegistrationRoot root) {
  return root == RegistrationRoot::Families ? 0 : root == RegistrationRoot::FamiliesNT ? 1 : 2;
}

std::string productKey(const CatalogueEntry& entry) {
  return entry.root == RegistrationRoot::Products ? entry.familyKeyPath + entry.subkeyPath
                                                  : entry.familyKeyPath + entry.subkeyPath.substr(
                                                        entry.subkeyPath.find('\\') + 1);
}

}  // namespace

std::set<std::size_t> checkRegisteredTwice(const RegistryCatalogue& registry,
                                           Findings& findings) {
  std::vector<std::size_t> order;
  for (std::size_t index = 0; index < registry.rows.size(); ++index)
    if (registry.rows[index].state != EntryState::TdbMissing) order.push_back(index);
  std::stable_sort(order.begin(), order.end(), [&registry](std::size_t a, std::size_t b) {
    return keyRank(registry.rows[a].entry.root) < keyRank(registry.rows[b].entry.root);
  });
  // The rows of each TDB file, in that order: the first keeps the file, the
  // others are extra keys.
  std::map<FileIdentity, std::vector<std::size_t>> rowsOfFile;
  FoundPaths paths;
  for (std::size_t index : order)
    if (const auto file = fileIdentity(paths.found(registry.rows[index].entry.tdb)))
      rowsOfFile[*file].push_back(index);
  std::map<std::size_t, const std::vector<std::size_t>*> groupOfFirst;
  for (const auto& [file, rows] : rowsOfFile) groupOfFirst[rows.front()] = &rows;
  std::set<std::size_t> extra;
  for (std::size_t index : order) {
    const auto group = groupOfFirst.find(index);
    if (group == groupOfFirst.end()) continue;
    for (auto later = group->second->begin() + 1; later != group->second->end(); ++later) {
      const CatalogueRow& other = registry.rows[*later];
      extra.insert(*later);
      Finding finding;
      finding.kind = FindingKind::RegisteredTwice;
      finding.mapset = {other.cells.name, other.cells.fid, other.cells.pid};
      finding.subject = productKey(other.entry);
      finding.repair = RepairKind::RemoveExtraKey;
      finding.registryRow = *later;
      findings.push_back(finding);
    }
  }
  return extra;
}

namespace {

using UsersByKey = std::map<std::string, std::vector<FidUser>>;

void addUser(UsersByKey& users, const std::string& fid, const std::string& pid, FidUser user) {
  const auto key = duplicateKey(fid, pid);
  if (key && fidCellValue(fid) != 0) users[*key].push_back(std::move(user));
}

UsersByKey fidUsers(const RegistryCatalogue& registry, const GmapCatalogue& packages,
                    const std::set<std::size_t>& extraKeys) {
  UsersByKey users;
  for (std::size_t index = 0; index < registry.rows.size(); ++index) {
    if (extraKeys.count(index)) continue;
    const CatalogueRow& row = registry.rows[index];
    FidUser user{installedAt(row.entry.tdb), {}};
    user.about.mapset = {row.cells.name, row.cells.fid, row.cells.pid};
    user.about.subject = row.entry.tdb;
    user.about.registryRow = index;
    addUser(users, row.cells.fid, row.cells.pid, std::move(user));
  }
  for (std::size_t index = 0; index < packages.rows.size(); ++index) {
    const GmapRow& row = packages.rows[index];
    FidUser user{installedAt(row.tdb), {}};
    user.about.mapset = {row.display, row.fid, row.pid};
    user.about.subject = row.tdb;
    user.about.packageRow = index;
    addUser(users, row.fid, row.pid, std::move(user));
  }
  return users;
}

}  // namespace

void checkDuplicates(const RegistryCatalogue& registry, const GmapCatalogue& packages,
                     const std::set<std::size_t>& extraKeys, Findings& findings) {
  for (auto& [key, users] : fidUsers(registry, packages, extraKeys)) {
    if (users.size() < 2) continue;
    std::stable_sort(users.begin(), users.end(), [](const FidUser& a, const FidUser& b) {
      return a.installed < b.installed;
    });
    for (std::size_t later = 1; later < users.size(); ++later) {
      Finding finding = users[later].about;
      finding.kind = FindingKind::DuplicateFid;
      finding.repair = RepairKind::FreeFid;
      findings.push_back(finding);
    }
  }
}

}  // namespace mapsetdesk
