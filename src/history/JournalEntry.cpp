#include "history/JournalEntry.h"

#include <fstream>
#include <system_error>

#include "formats/FileBytes.h"
#include "history/ItemState.h"
#include "history/PutBack.h"
#include "platform/DurableWrite.h"
#include "platform/FilePath.h"
#include "platform/FolderOps.h"
#include "platform/MoveItem.h"
#include "platform/RegistryTransfer.h"
#include "platform/RegistryTree.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

// Written beside the target and renamed over it, so that a crash leaves
// either the old or the new text, never a part.
bool writeWhole(const fs::path& file, const std::string& text) {
  fs::path temporary = file;
  temporary += ".new";
  return writeDurably(temporary, text) == Written::Ok && renameDurably(temporary, file);
}

bool sameKeyOrBelow(const std::string& path, const std::string& kept) {
  if (path.size() < kept.size()) return false;
  if (compareRegNames(std::string_view(path).substr(0, kept.size()), kept) != 0) return false;
  return path.size() == kept.size() || path[kept.size()] == '\\';
}

// What the manifest's line format cannot carry is refused before anything
// is written.
bool recordable(const std::string& path) {
  return !path.empty() && path.find('\0') == std::string::npos;
}

}  // namespace

JournalEntry::JournalEntry(fs::path history, std::string id, JournalHeader header)
    : history_(std::move(history)), folder_(history_ / id), id_(std::move(id)) {
  manifest_.header = std::move(header);
}

std::optional<JournalEntry> JournalEntry::create(const fs::path& history, const std::string& id,
                                                 const JournalHeader& header) {
  JournalEntry entry(history, id, header);
  std::error_code error;
  fs::create_directories(history, error);
  if (error || !fs::create_directory(entry.folder_, error) || error) return std::nullopt;
  entry.running_ = takeRunningLock(pathText(entry.folder_ / kRunningName));
  if (!entry.running_ || !entry.save()) {
    entry.running_.reset();
    removeFolderTree(pathText(entry.folder_));
    return std::nullopt;
  }
  return entry;
}

bool JournalEntry::underWay(const fs::path& folder) {
  return fs::exists(folder / kRunningName) && !takeRunningLock(pathText(folder / kRunningName));
}

std::optional<JournalEntry> JournalEntry::open(const fs::path& history, const std::string& id) {
  JournalEntry entry(history, id, {});
  const FileContent text = readFileBytes(pathText(entry.folder_ / kManifestName));
  if (text.status != FileStatus::Ok) return std::nullopt;
  auto manifest = parseManifest(text.bytes);
  if (!manifest) return std::nullopt;
  entry.manifest_ = std::move(*manifest);
  return entry;
}

bool JournalEntry::save() { return writeWhole(folder_ / kManifestName, formatManifest(manifest_)); }

std::string JournalEntry::nextDataName(const char* prefix) {
  return prefix + std::to_string(manifest_.records.size() + 1);
}

bool JournalEntry::keptAlready(const JournalRecord& candidate) const {
  for (const JournalRecord& kept : manifest_.records) {
    if (candidate.kind == RecordKind::Key) {
      if (kept.kind == RecordKind::Key && kept.root == candidate.root &&
          sameKeyOrBelow(candidate.path, kept.path))
        return true;
    } else if (kept.kind != RecordKind::Key && kept.kind != RecordKind::Patch &&
               kept.path == candidate.path) {
      return true;
    }
  }
  return false;
}

bool JournalEntry::record(JournalRecord record) {
  manifest_.records.push_back(std::move(record));
  if (save()) return true;
  manifest_.records.pop_back();
  return false;
}

bool JournalEntry::keepKey(Registry& registry, Root root, const std::string& path) {
  JournalRecord key{RecordKind::Key, root, path, {}, {}, 0, {}};
  if (!recordable(path)) return false;
  if (keptAlready(key)) return true;
  if (registry.keyExists(root, path)) {
    const auto text = exportRegistryKey(registry, root, path);
    if (!text) return false;
    key.stored = nextDataName("k") + ".reg";
    if (writeDurably(folder_ / key.stored, *text) != Written::Ok) return false;
  }
  return record(key);
}

bool JournalEntry::keepFile(const std::string& path) {
  JournalRecord file{RecordKind::File, Root::LocalMachine, path, {}, {}, 0, {}};
  if (!recordable(path)) return false;
  if (keptAlready(file)) return true;
  const FileContent content = readFileBytes(path);
  if (content.status == FileStatus::Ok) {
    if (isFolder(path)) return false;
    file.stored = nextDataName("f");
    if (writeDurably(folder_ / file.stored, content.bytes) != Written::Ok) return false;
  } else if (content.status != FileStatus::Missing || somethingAt(filePath(path))) {
    return false;
  }
  return record(file);
}

bool JournalEntry::keepPatches(const std::vector<PatchRange>& ranges) {
  std::vector<PatchBytes> patches;
  for (const PatchRange& range : ranges) {
    auto old = readRange(range.path, range.offset, range.size);
    if (!old) return false;
    patches.push_back({range.path, range.offset, std::move(*old)});
  }
  return keepPatchBytes(std::move(patches));
}

bool JournalEntry::keepPatchBytes(std::vector<PatchBytes> patches) {
  const std::size_t before = manifest_.records.size();
  for (PatchBytes& patch : patches) {
    if (!recordable(patch.path)) {
      manifest_.records.resize(before);
      return false;
    }
    manifest_.records.push_back({RecordKind::Patch, Root::LocalMachine, std::move(patch.path), {},
                                 {}, patch.offset, std::move(patch.bytes)});
  }
  // Appended, as many patches are kept batch by batch: a cut-short last
  // line is read as never written, and its patches were not begun.
  if (appendDurably(folder_ / kManifestName, formatRecordLines(manifest_.records, before)))
    return true;
  manifest_.records.resize(before);
  save();  // the manifest as it was, without what part of the append left
  return false;
}

void JournalEntry::patchedTo(PatchBytes written) {
  patchedTo_[{std::move(written.path), written.offset}] = std::move(written.bytes);
}

bool JournalEntry::keepNewFolder(const std::string& path) {
  if (!recordable(path) || somethingAt(filePath(path))) return false;
  return record({RecordKind::Folder, Root::LocalMachine, path, {}, {}, 0, {}});
}

MoveStatus JournalEntry::moveAway(const std::string& path, FolderOps& folders) {
  if (!recordable(path)) return MoveStatus::Failed;
  if (!somethingAt(filePath(path))) return MoveStatus::Missing;
  const std::string stored = nextDataName("m");
  if (!record({RecordKind::Moved, Root::LocalMachine, path, stored, id_, 0, {}}))
    return MoveStatus::Failed;
  switch (folders.moveItem(path, pathText(folder_ / stored)).status) {
    case RemoveStatus::Removed:
      return MoveStatus::Moved;
    case RemoveStatus::Denied:
      return MoveStatus::Denied;
    default:
      return MoveStatus::Failed;
  }
}

bool JournalEntry::moveBack(const JournalRecord& moved) {
  const JournalRecord restored{
      RecordKind::Restored, Root::LocalMachine, moved.path, moved.stored, moved.entry, 0, {}};
  return record(restored) && !moveItem(history_ / moved.entry / moved.stored, filePath(moved.path));
}

bool JournalEntry::moveAgain(const JournalRecord& restored) {
  const JournalRecord moved{
      RecordKind::Moved, Root::LocalMachine, restored.path, restored.stored, restored.entry, 0, {}};
  return record(moved) &&
         !moveItem(filePath(restored.path), history_ / restored.entry / restored.stored);
}

// An entry that recorded nothing changed nothing: it is no step in the history.
bool JournalEntry::complete(Registry& registry) {
  if (manifest_.records.empty()) return !removeFolderTree(pathText(folder_));
  std::string states;
  for (const JournalRecord& record : manifest_.records) {
    const auto written = record.kind == RecordKind::Patch
                             ? patchedTo_.find({record.path, record.offset})
                             : patchedTo_.end();
    const bool known = written != patchedTo_.end() && written->second.size() == record.bytes.size();
    states += (known ? bytesState(written->second) : currentState(registry, record)) + '\n';
  }
  return writeWhole(folder_ / kCompleteName, states);
}

bool JournalEntry::rollBack(Registry& registry) {
  if (manifest_.records.empty()) return !removeFolderTree(pathText(folder_));
  bool whole = true;
  const EntryPlace place{history_, folder_};
  for (auto record = manifest_.records.rbegin(); record != manifest_.records.rend(); ++record)
    whole = putBack(registry, *record, place) && whole;
  return whole && writeWhole(folder_ / kRolledBackName, {});
}

}  // namespace mapsetdesk
