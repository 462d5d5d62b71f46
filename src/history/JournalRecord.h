#pragma once
// What one journal entry holds: who made it and, in the order they were
// declared, the things the action touched as they were before. The entry's
// manifest is line-based text, one record a line, so a person can read it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace mapsetdesk {

enum class RecordKind {
  Key,       // a registry key with everything below it; stored: its REGEDIT4 text
  File,      // a file rewritten whole; stored: its old bytes, empty when it was created
  Patch,     // bytes overwritten in place; bytes: the old ones
  Folder,    // a folder the action created
  Moved,     // a file or folder moved from path into entry `entry` as `stored`
  Restored,  // a file or folder moved from entry `entry` (`stored`) back to path
};

struct JournalRecord {
  RecordKind kind = RecordKind::File;
  Root root = Root::LocalMachine;  // Key only
  std::string path;                // a key path (Windows-1252) or a file path (UTF-8)
  std::string stored;              // the name of the data kept in the entry's folder
  std::string entry;               // Moved, Restored: the entry whose folder holds the item
  std::uint64_t offset = 0;        // Patch only
  std::string bytes;               // Patch only
};

struct JournalHeader {
  std::string action;  // "remove", "rename", "undo", ...
  std::string mapset;  // the name the user knows the mapset by
  std::string time;    // ISO 8601, UTC
  std::string undoes;  // the id of the entry an undo takes back
};

struct JournalManifest {
  JournalHeader header;
  std::vector<JournalRecord> records;
};

std::string formatManifest(const JournalManifest& manifest);
// The lines of records[from] on, as formatManifest writes them after the
// records before from: what is appended to a manifest that holds those.
std::string formatRecordLines(const std::vector<JournalRecord>& records, std::size_t from);
// nullopt when the text is no manifest; a line cut short by a crash while it
// was written ends the records there.
std::optional<JournalManifest> parseManifest(const std::string& text);

}  // namespace mapsetdesk
