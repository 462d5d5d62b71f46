#include "history/JournalRecord.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <sstream>

namespace mapsetdesk {
namespace {

constexpr char kMagic[] = "mapsetdesk journal 1";

constexpr std::array<const char*, 6> kKindNames = {"key",    "file",  "patch",
                                                   "folder", "moved", "restored"};

// Paths may hold any byte but the separators of the manifest itself.
std::string escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '%' || c == '\t' || c == '\n' || c == '\r') {
      static constexpr char kHex[] = "0123456789ABCDEF";
      out += '%';
      out += kHex[(static_cast<unsigned char>(c) >> 4) & 0xF];
      out += kHex[static_cast<unsigned char>(c) & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> fromHex(const std::string& hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  std::string out;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = hexDigit(hex[i]);
    const int low = hexDigit(hex[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
  }
  return out;
}

std::string toHex(const std::string& bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : bytes) {
    out += kHex[(static_cast<unsigned char>(c) >> 4) & 0xF];
    out += kHex[static_cast<unsigned char>(c) & 0xF];
  }
  return out;
}

std::optional<std::string> unescaped(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const auto byte = fromHex(text.substr(i + 1, 2));
    if (!byte) return std::nullopt;
    out += *byte;
    i += 2;
  }
  return out;
}

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    out.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return out;
    start = tab + 1;
  }
}

std::size_t folderEnd(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? 0 : separator + 1;
}

// A file beside the one of the record before is written by its name alone,
// which keeps an entry of thousands of tiles small; a full path always holds
// a separator, so the two never mix up.
std::string writtenPath(const std::string& path, const std::string& previous) {
  const std::size_t end = folderEnd(path);
  if (end > 0 && end == folderEnd(previous) && path.compare(0, end, previous, 0, end) == 0)
    return escaped(path.substr(end));
  return escaped(path);
}

std::optional<std::string> fullPath(const std::string& field, const std::string& previous) {
  if (field.find_first_of("\\/") != std::string::npos) return field;
  const std::size_t end = folderEnd(previous);
  if (end == 0 || field == "." || field == "..") return std::nullopt;
  return previous.substr(0, end) + field;
}

std::string recordLine(const JournalRecord& record, const std::string& previous) {
  std::string line = kKindNames[static_cast<std::size_t>(record.kind)];
  line += '\t';
  switch (record.kind) {
    case RecordKind::Key:
      line +=
          std::string(rootName(record.root)) + '\t' + escaped(record.path) + '\t' + record.stored;
      break;
    case RecordKind::File:
      line += escaped(record.path) + '\t' + record.stored;
      break;
    case RecordKind::Patch:
      line += writtenPath(record.path, previous) + '\t' + std::to_string(record.offset) + '\t' +
              toHex(record.bytes);
      break;
    case RecordKind::Folder:
      line += escaped(record.path);
      break;
    case RecordKind::Moved:
    case RecordKind::Restored:
      line += escaped(record.path) + '\t' + record.entry + '\t' + record.stored;
      break;
  }
  return line;
}

std::optional<RecordKind> kindNamed(const std::string& name) {
  for (std::size_t i = 0; i < kKindNames.size(); ++i)
    if (name == kKindNames[i]) return static_cast<RecordKind>(i);
  return std::nullopt;
}

std::size_t fieldCount(RecordKind kind) {
  switch (kind) {
    case RecordKind::Key:
    case RecordKind::Patch:
    case RecordKind::Moved:
    case RecordKind::Restored:
      return 4;
    case RecordKind::File:
      return 3;
    case RecordKind::Folder:
      return 2;
  }
  return 0;
}

// A name the entry keeps data under is a plain file name inside its folder,
// so a damaged or altered manifest can never point the rollback elsewhere.
bool plainName(const std::string& name) {
  return name.size() <= 32 && name.find("..") == std::string::npos &&
         std::all_of(name.begin(), name.end(), [](char c) {
           return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.';
         });
}

bool entryId(const std::string& id) {
  return id.size() == 6 &&
         std::all_of(id.begin(), id.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<JournalRecord> parseRecord(const std::vector<std::string>& f,
                                         const std::string& previous) {
  const auto kind = kindNamed(f[0]);
  if (!kind || f.size() != fieldCount(*kind)) return std::nullopt;
  JournalRecord record;
  record.kind = *kind;
  std::size_t pathField = 1;
  if (*kind == RecordKind::Key) {
    const auto root = rootFromName(f[1]);
    if (!root) return std::nullopt;
    record.root = *root;
    pathField = 2;
  }
  auto path = unescaped(f[pathField]);
  if (path && *kind == RecordKind::Patch) path = fullPath(*path, previous);
  if (!path || path->empty()) return std::nullopt;
  record.path = *path;
  switch (*kind) {
    case RecordKind::Key:
      record.stored = f[3];
      break;
    case RecordKind::File:
      record.stored = f[2];
      break;
    case RecordKind::Patch: {
      const auto bytes = fromHex(f[3]);
      const auto [end, error] =
          std::from_chars(f[2].data(), f[2].data() + f[2].size(), record.offset);
      if (!bytes || error != std::errc() || end != f[2].data() + f[2].size()) return std::nullopt;
      record.bytes = *bytes;
      break;
    }
    case RecordKind::Folder:
      break;
    case RecordKind::Moved:
    case RecordKind::Restored:
      record.entry = f[2];
      record.stored = f[3];
      if (!entryId(record.entry) || record.stored.empty()) return std::nullopt;
      break;
  }
  if (!plainName(record.stored)) return std::nullopt;
  return record;
}

bool headerField(JournalHeader& header, const std::vector<std::string>& f) {
  if (f.size() != 2) return false;
  const auto value = unescaped(f[1]);
  if (!value) return false;
  if (f[0] == "action")
    header.action = *value;
  else if (f[0] == "mapset")
    header.mapset = *value;
  else if (f[0] == "time")
    header.time = *value;
  else if (f[0] == "undoes")
    header.undoes = *value;
  else
    return false;
  return true;
}

}  // namespace

std::string formatManifest(const JournalManifest& manifest) {
  std::string text = std::string(kMagic) + '\n';
  const JournalHeader& header = manifest.header;
  text += "action\t" + escaped(header.action) + '\n';
  text += "mapset\t" + escaped(header.mapset) + '\n';
  text += "time\t" + escaped(header.time) + '\n';
  if (!header.undoes.empty()) text += "undoes\t" + escaped(header.undoes) + '\n';
  return text + formatRecordLines(manifest.records, 0);
}

std::string formatRecordLines(const std::vector<JournalRecord>& records, std::size_t from) {
  std::string text;
  const auto pathOf = [](const JournalRecord& record) {
    return record.kind == RecordKind::Key ? std::string() : record.path;
  };
  std::string previous = from > 0 ? pathOf(records[from - 1]) : std::string();
  for (std::size_t i = from; i < records.size(); ++i) {
    text += recordLine(records[i], previous) + '\n';
    previous = pathOf(records[i]);
  }
  return text;
}

std::optional<JournalManifest> parseManifest(const std::string& text) {
  std::istringstream lines(text);
  std::string line;
  if (!std::getline(lines, line) || line != kMagic) return std::nullopt;
  JournalManifest manifest;
  std::string previous;
  while (std::getline(lines, line)) {
    if (lines.eof()) break;  // no line end: cut short
    const std::vector<std::string> f = fields(line);
    if (headerField(manifest.header, f)) continue;
    const auto record = parseRecord(f, previous);
    if (!record) return std::nullopt;
    manifest.records.push_back(*record);
    previous = record->kind == RecordKind::Key ? std::string() : record->path;
  }
  return manifest;
}

}  // namespace mapsetdesk
