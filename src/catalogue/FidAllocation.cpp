#include "catalogue/FidAllocation.h"

#include <unordered_map>

#include "catalogue/CatalogueMessages.h"
#include "platform/Blanks.h"

namespace mapsetdesk {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The FID as a key that is equal for equal numbers ("0123" and "123"); none
// for a cell that is not a number.
std::optional<std::string> fidKey(std::string_view cell) {
  const std::string_view digits = trimBlanks(cell);
  if (digits.empty()) return std::nullopt;
  for (const char c : digits) {
    if (!isDigit(c)) return std::nullopt;
  }
  const auto significant = digits.find_first_not_of('0');
  return std::string(significant == std::string_view::npos ? "0" : digits.substr(significant));
}

struct Participant {
  std::string fid;  // as its row shows it
  bool package = false;
  std::size_t groupPosition = 0;  // place among the rows of its group
  std::vector<std::size_t>* group = nullptr;
};

// Every row with a numeric FID, registry rows first, each with the rows of
// the same FID and PID.
class DuplicateGroups {
 public:
  DuplicateGroups(const RegistryCatalogue& catalogue, const GmapCatalogue& packages) {
    for (const CatalogueRow& row : catalogue.rows) add(row.cells.fid, row.cells.pid, false);
    for (const GmapRow& row : packages.rows) add(row.fid, row.pid, true);
    for (auto& [key, members] : groups_) {
      for (std::size_t position = 0; position < members.size(); ++position) {
        participants_[members[position]].group = &members;
        participants_[members[position]].groupPosition = position;
      }
    }
  }

  // The pairs in the order of a row-by-row comparison: each participant of
  // the kind `first` with the later rows of the kind `second`.
  void pairs(bool first, bool second, std::vector<std::string>& found,
             const std::function<void()>& betweenRows) const {
    for (const Participant& p : participants_) {
      if (p.package != first) continue;
      const std::vector<std::size_t>& group = *p.group;
      for (std::size_t at = p.groupPosition + 1; at < group.size(); ++at) {
        if (participants_[group[at]].package == second) found.push_back(p.fid);
      }
      betweenRows();
    }
  }

 private:
  void add(const std::string& fid, const std::string& pid, bool package) {
    const auto key = duplicateKey(fid, pid);
    if (!key) return;
    groups_[*key].push_back(participants_.size());
    participants_.push_back({fid, package});
  }

  std::vector<Participant> participants_;
  std::unordered_map<std::string, std::vector<std::size_t>> groups_;
};

// A new installation names its family key `Mapname` (eight characters) and
// the FID. A key named so keeps its name when its mapset's FID changes, so
// that FID stays taken for as long as the key is there.
std::optional<std::string_view> fidOfNewFamilyKey(std::string_view keyName) {
  constexpr std::size_t kMapnameLength = 8;
  if (keyName.size() <= kMapnameLength) return std::nullopt;
  const std::string_view digits = keyName.substr(kMapnameLength);
  if (digits.front() == '0' || digits.size() > 5) return std::nullopt;
  for (const char c : digits)
    if (!isDigit(c)) return std::nullopt;
  return digits;
}

}  // namespace

std::optional<std::string> duplicateKey(std::string_view fid, const std::string& pid) {
  const auto key = fidKey(fid);
  if (!key) return std::nullopt;
  return *key + '\n' + pid;
}

unsigned long fidCellValue(std::string_view cell) {
  const auto first = cell.find_first_not_of(' ');
  unsigned long value = 0;
  for (std::size_t at = first; at < cell.size() && isDigit(cell[at]); ++at) {
    if (value > kLastFreeFid) break;  // large enough to block nothing
    value = value * 10 + static_cast<unsigned long>(cell[at] - '0');
  }
  return value;
}

std::optional<std::uint16_t> FreieIdNr(const RegistryCatalogue& catalogue,
                                       const GmapCatalogue& packages) {
  std::vector<bool> used(kLastFreeFid + 1, false);
  const auto mark = [&used](std::string_view cell) {
    const unsigned long value = fidCellValue(cell);
    if (value <= kLastFreeFid) used[value] = true;
  };
  for (const CatalogueRow& row : catalogue.rows) mark(row.cells.fid);
  for (const GmapRow& row : packages.rows) mark(row.fid);
  for (const std::string& family : catalogue.familyNames)
    if (const auto fid = fidOfNewFamilyKey(family)) mark(*fid);
  for (std::uint16_t fid = kFirstFreeFid; fid <= kLastFreeFid; ++fid) {
    if (!used[fid]) return fid;
  }
  return std::nullopt;
}

std::vector<std::string> duplicateFids(const RegistryCatalogue& catalogue,
                                       const GmapCatalogue& packages,
                                       const std::function<void()>& betweenRows) {
  const DuplicateGroups groups(catalogue, packages);
  std::vector<std::string> found;
  groups.pairs(false, false, found, betweenRows);
  groups.pairs(false, true, found, betweenRows);
  groups.pairs(true, true, found, betweenRows);
  return found;
}

void DoppelteFID(const RegistryCatalogue& catalogue, const GmapCatalogue& packages,
                 Dialogs& dialogs, const std::function<void()>& letEventsRun) {
  for (const std::string& fid : duplicateFids(catalogue, packages, letEventsRun))
    dialogs.message({duplicateFidText(fid), kCatalogueTitle, Buttons::Ok, Icon::None});
}

}  // namespace mapsetdesk
