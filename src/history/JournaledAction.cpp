#include "history/JournaledAction.h"

#include "history/RecordingFolderOps.h"
#include "history/RecordingRegistry.h"

namespace mapsetdesk {

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
  if (!succeeded) {
    entry->rollBack(registry);
    return ActionOutcome::Failed;
  }
  if (entry->complete(registry)) return ActionOutcome::Done;
  entry->rollBack(registry);
  return ActionOutcome::NotComplete;
}

}  // namespace mapsetdesk
