#include "history/JournaledAction.h"

#include "formats/FileBytes.h"
#include "history/RecordingFolderOps.h"
#include "history/RecordingRegistry.h"
#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

bool keepable(const std::string& file) {
  if (file.empty() || isFolder(file)) return false;
  const FileStatus status = readFileStart(file, 1).status;
  return status == FileStatus::Ok || status == FileStatus::Missing;
}

}  // namespace

ActionOutcome runJournaled(const Journal& journal, Registry& registry, FolderOps& folders,
                           const std::string& action, const std::string& mapset,
                           const std::function<bool(Recorded&)>& run) {
  auto entry = journal.begin(action, mapset);
  if (!entry) return ActionOutcome::NoJournal;
  RecordingRegistry recordingRegistry(registry, *entry);
  RecordingFolderOps recordingFolders(folders, *entry);
  Recorded recorded{recordingRegistry, recordingFolders, *entry};
  bool succeeded = false;
  try {
    succeeded = run(recorded);
  } catch (...) {
    entry->rollBack(registry);
    throw;
  }
  if (!succeeded)
    return entry->rollBack(registry) ? ActionOutcome::Failed : ActionOutcome::NotPutBack;
  if (entry->complete(registry)) return ActionOutcome::Done;
  entry->rollBack(registry);
  return ActionOutcome::NotComplete;
}

bool keepBeforeEdit(JournalEntry& entry, const std::vector<std::string>& files) {
  for (const std::string& file : files)
    if (keepable(file) && !entry.keepFile(file)) return false;
  return true;
}

std::function<bool(const std::string&)> keepingIn(JournalEntry& entry) {
  return [&entry](const std::string& file) { return entry.keepFile(file); };
}

}  // namespace mapsetdesk
