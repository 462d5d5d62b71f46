#include "history/Journal.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <set>
#include <sstream>
#include <system_error>

#include "formats/FileBytes.h"
#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

constexpr int kIdDigits = 6;

bool isEntryId(const std::string& name) {
  return name.size() == kIdDigits &&
         std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

std::uintmax_t folderBytes(const fs::path& folder) {
  std::uintmax_t total = 0;
  std::error_code error;
  for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code sizeError;
    if (it->is_regular_file(sizeError)) total += it->file_size(sizeError);
  }
  return total;
}

std::optional<JournalListing> readListing(const fs::path& history, const std::string& id) {
  auto entry = JournalEntry::open(history, id);
  if (!entry) return std::nullopt;
  JournalListing listing{
      id, entry->manifest(), JournalState::Incomplete, {}, folderBytes(history / id)};
  std::error_code error;
  const FileContent after = readFileBytes(pathText(history / id / kCompleteName));
  if (fs::exists(history / id / kRolledBackName, error)) {
    listing.state = JournalState::RolledBack;
  } else if (after.status == FileStatus::Ok) {
    listing.after = lines(after.bytes);
    if (listing.after.size() == listing.manifest.records.size())
      listing.state = JournalState::Complete;
  }
  return listing;
}

// Newest first, an undo that stands takes its entry back; an undo that is
// undone itself does not.
void markUndone(std::vector<JournalListing>& entries) {
  std::set<std::string> undone;
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    if (entry->state != JournalState::Complete) continue;
    if (undone.count(entry->id)) {
      entry->state = JournalState::Undone;
      continue;
    }
    if (!entry->manifest.header.undoes.empty()) undone.insert(entry->manifest.header.undoes);
  }
}

}  // namespace

// Without the local application data there is no journal, never one in the
// current folder.
fs::path Journal::folderFor(SystemFacts& facts) {
  const std::string local = facts.specialFolder(kFolderLocalAppData);
  if (local.empty()) return {};
  return filePath(local) / "ZORVAN" / "History";
}

std::vector<JournalListing> Journal::entries() const {
  std::vector<std::string> ids;
  std::error_code error;
  for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
    const std::string name = pathText(it->path().filename());
    if (isEntryId(name)) ids.push_back(name);
  }
  std::sort(ids.begin(), ids.end());
  std::vector<JournalListing> entries;
  for (const std::string& id : ids)
    if (auto listing = readListing(folder_, id)) entries.push_back(std::move(*listing));
  markUndone(entries);
  return entries;
}

std::optional<JournalEntry> Journal::begin(const std::string& action, const std::string& mapset,
                                           const std::string& undoes) const {
  if (folder_.empty()) return std::nullopt;
  unsigned long next = 1;
  std::error_code error;
  for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
    const std::string name = pathText(it->path().filename());
    if (isEntryId(name)) next = std::max(next, std::stoul(name) + 1);
  }
  char id[16];
  std::snprintf(id, sizeof id, "%0*lu", kIdDigits, next);
  return JournalEntry::create(folder_, id, {action, mapset, journalTime(), undoes});
}

std::string journalTime(std::time_t time) {
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", std::gmtime(&time));
  return text;
}

}  // namespace mapsetdesk
