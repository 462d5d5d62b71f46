#pragma once
// One entry of the change journal being written: before the action changes a
// key or a file it declares it here, and the entry keeps the old state on the
// disk before the call returns. An entry is complete only once the action has
// finished; one that is not is rolled back at the next start.
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/JournalRecord.h"
#include "platform/FolderOps.h"
#include "platform/Registry.h"
#include "platform/RunningLock.h"

namespace mapsetdesk {

inline constexpr char kManifestName[] = "entry.txt";
inline constexpr char kCompleteName[] = "complete";
inline constexpr char kRolledBackName[] = "rolled-back";
// Held by the process that writes the entry for as long as it runs.
inline constexpr char kRunningName[] = "running";

struct PatchRange {
  std::string path;
  std::uint64_t offset = 0;
  std::size_t size = 0;
};

struct PatchBytes {
  std::string path;
  std::uint64_t offset = 0;
  std::string bytes;
};

enum class MoveStatus { Moved, Missing, Denied, Failed };

class JournalEntry {
 public:
  // Creates the entry's folder and its manifest; nullopt when it cannot.
  static std::optional<JournalEntry> create(const std::filesystem::path& history,
                                            const std::string& id, const JournalHeader& header);

  // An entry on the disk as its manifest describes it; nullopt when it has none.
  static std::optional<JournalEntry> open(const std::filesystem::path& history,
                                          const std::string& id);

  // Whether a process that is still running writes the entry in folder: its
  // action is under way, not interrupted.
  static bool underWay(const std::filesystem::path& folder);

  const std::string& id() const { return id_; }
  const std::filesystem::path& folder() const { return folder_; }
  const JournalManifest& manifest() const { return manifest_; }

  // Each of these is false when the old state could not be kept: the action
  // must not go ahead with that change then. A key or file already kept (a
  // key also through one above it) is not kept again: the first state is
  // the one to go back to.
  bool keepKey(Registry& registry, Root root, const std::string& path);
  bool keepFile(const std::string& path);  // to be rewritten whole, or created
  bool keepPatches(const std::vector<PatchRange>& ranges);
  // Patches whose old bytes the action has read itself, kept in one step.
  bool keepPatchBytes(std::vector<PatchBytes> patches);
  // The bytes a kept patch was written with, so that completing the entry
  // need not read them back.
  void patchedTo(PatchBytes written);
  bool keepNewFolder(const std::string& path);

  // A deletion: the file or folder goes into the entry.
  MoveStatus moveAway(const std::string& path, FolderOps& folders);
  // An undo's steps: what `record` moved into entry `record.entry` goes back,
  // and the other way round.
  bool moveBack(const JournalRecord& moved);
  bool moveAgain(const JournalRecord& restored);

  // Keeps the state everything is in now and marks the entry complete.
  bool complete(Registry& registry);
  // Puts back everything recorded, the last first; true when all of it is.
  bool rollBack(Registry& registry);

 private:
  JournalEntry(std::filesystem::path history, std::string id, JournalHeader header);
  bool save();
  std::string nextDataName(const char* prefix);
  bool keptAlready(const JournalRecord& record) const;
  bool record(JournalRecord record);

  std::filesystem::path history_;
  std::filesystem::path folder_;
  std::string id_;
  JournalManifest manifest_;
  std::shared_ptr<RunningLock> running_;
  std::map<std::pair<std::string, std::uint64_t>, std::string> patchedTo_;
};

}  // namespace mapsetdesk
