#include "history/PutBack.h"

#include <system_error>

#include "formats/FileBytes.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"
#include "platform/FolderOps.h"
#include "platform/MoveItem.h"
#include "platform/RegFile.h"
#include "platform/RegistryTransfer.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

// A key that is as it was is left alone: a registry that refuses writes
// then still counts as put back where nothing reached it.
bool keyBack(Registry& registry, const JournalRecord& record, const fs::path& entry) {
  if (record.stored.empty()) {
    return !registry.keyExists(record.root, record.path) ||
           deleteKeyTree(registry, record.root, record.path);
  }
  const FileContent text = readFileBytes(pathText(entry / record.stored));
  if (text.status != FileStatus::Ok) return false;
  if (exportRegistryKey(registry, record.root, record.path) == text.bytes) return true;
  if (!deleteKeyTree(registry, record.root, record.path)) return false;
  const RegFileContent content = parseRegFile(text.bytes);
  return content.errorLine == 0 && !importRegOperations(registry, content.operations);
}

bool fileBack(const JournalRecord& record, const fs::path& entry) {
  if (record.stored.empty()) {
    std::error_code error;
    fs::remove(filePath(record.path), error);
    return !error;
  }
  const FileContent old = readFileBytes(pathText(entry / record.stored));
  if (old.status != FileStatus::Ok) return false;
  const FileContent now = readFileBytes(record.path);
  return (now.status == FileStatus::Ok && now.bytes == old.bytes) ||
         replaceFile(record.path, old.bytes);
}

// A copy across volumes that a crash cut short lies in the entry beside a
// whole original: the copy goes, the original stays.
bool movedBack(const JournalRecord& record, const fs::path& history) {
  const fs::path kept = history / record.entry / record.stored;
  const fs::path original = filePath(record.path);
  if (!somethingAt(kept)) return somethingAt(original);
  if (somethingAt(original)) {
    std::error_code error;
    if (fs::is_directory(kept)) return !removeFolderTree(pathText(kept));
    return fs::remove(kept, error);
  }
  return !moveItem(kept, original);
}

bool restoredAway(const JournalRecord& record, const fs::path& history) {
  const fs::path kept = history / record.entry / record.stored;
  const fs::path original = filePath(record.path);
  if (!somethingAt(original)) return somethingAt(kept);
  if (somethingAt(kept)) return false;
  return !moveItem(original, kept);
}

}  // namespace

bool putBack(Registry& registry, const JournalRecord& record, const EntryPlace& place) {
  switch (record.kind) {
    case RecordKind::Key:
      return keyBack(registry, record, place.entry);
    case RecordKind::File:
      return fileBack(record, place.entry);
    case RecordKind::Patch:
      return patchFile(record.path, record.offset, record.bytes) == FileStatus::Ok;
    case RecordKind::Folder:
      return !somethingAt(filePath(record.path)) || !removeFolderTree(record.path);
    case RecordKind::Moved:
      return movedBack(record, place.history);
    case RecordKind::Restored:
      return restoredAway(record, place.history);
  }
  return false;
}

}  // namespace mapsetdesk
