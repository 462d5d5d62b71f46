#include "check/DuplicateFindings.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "catalogue/FidAllocation.h"
#include "platform/FilePath.h"
#include "platform/FoundPath.h"

namespace mapsetdesk {
namespace {

// One mapset that uses a FID: a family key, a Products key or a package.
struct FidUser {
  std::string family;
  std::filesystem::file_time_type installed;
  Finding about;
};

std::filesystem::file_time_type installedAt(const std::string& tdb) {
  std::error_code error;
  const auto time = std::filesystem::last_write_time(filePath(foundPath(tdb)), error);
  return error ? std::filesystem::file_time_type::min() : time;
}

bool isNumber(const std::string& cell) {
  return !cell.empty() && std::all_of(cell.begin(), cell.end(),
                                      [](char c) { return c >= '0' && c <= '9'; });
}

using UsersByFid = std::map<unsigned long, std::vector<FidUser>>;

void addUser(UsersByFid& users, unsigned long fid, FidUser user) {
  if (fid == 0) return;
  auto& list = users[fid];
  const bool known = std::any_of(list.begin(), list.end(),
                                 [&user](const FidUser& other) { return other.family == user.family; });
  if (!known) list.push_back(std::move(user));
}

UsersByFid fidUsers(const RegistryCatalogue& registry, const GmapCatalogue& packages) {
  UsersByFid users;
  for (std::size_t index = 0; index < registry.rows.size(); ++index) {
    const CatalogueRow& row = registry.rows[index];
    if (!isNumber(row.cells.fid)) continue;
    FidUser user{row.entry.familyKeyPath, installedAt(row.entry.tdb), {}};
    if (row.entry.root == RegistrationRoot::Products) user.family += row.entry.subkeyPath;
    user.about.mapset = {row.cells.name, row.cells.fid, row.cells.pid};
    user.about.subject = row.entry.tdb;
    user.about.registryRow = index;
    addUser(users, fidCellValue(row.cells.fid), std::move(user));
  }
  for (std::size_t index = 0; index < packages.rows.size(); ++index) {
    const GmapRow& row = packages.rows[index];
    if (!isNumber(row.fid)) continue;
    FidUser user{row.infoXml, installedAt(row.tdb), {}};
    user.about.mapset = {row.display, row.fid, row.pid};
    user.about.subject = row.tdb;
    user.about.packageRow = index;
    addUser(users, fidCellValue(row.fid), std::move(user));
  }
  return users;
}

}  // namespace

void checkDuplicates(const RegistryCatalogue& registry, const GmapCatalogue& packages,
                     Findings& findings) {
  for (auto& [fid, users] : fidUsers(registry, packages)) {
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
