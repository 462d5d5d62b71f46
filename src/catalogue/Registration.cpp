#include "catalogue/Registration.h"

#include "formats/ByteReader.h"
#include "platform/Codec.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

// The first count characters of UTF-8 text; a character never loses a byte.
std::string firstCharacters(const std::string& text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t seen = 0; end < text.size() && seen < count; ++seen) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return text.substr(0, end);
}

std::string blanksAsUnderscores(std::string text, bool zeroBytesToo) {
  for (char& c : text) {
    if (c == ' ' || (zeroBytesToo && c == '\0')) c = '_';
  }
  return text;
}

bool isFamilyRoot(RegistrationRoot root) { return root != RegistrationRoot::Products; }

std::string layoutValue(Registry& reg, const std::string& key, const char* name) {
  return fRegAbfrageWert(reg, Root::LocalMachine, key, name);
}

}  // namespace

const char* rootSuffix(RegistrationRoot root) {
  switch (root) {
    case RegistrationRoot::Families: return "\\Garmin\\MapSource\\Families\\";
    case RegistrationRoot::FamiliesNT: return "\\Garmin\\MapSource\\FamiliesNT\\";
    case RegistrationRoot::Products: return "\\Garmin\\MapSource\\Products\\";
  }
  return "";
}

const char* rootLabel(RegistrationRoot root) {
  switch (root) {
    case RegistrationRoot::Families: return "Families";
    case RegistrationRoot::FamiliesNT: return "FamiliesNT";
    case RegistrationRoot::Products: return "Products";
  }
  return "";
}

std::string rootKeyPath(const std::string& base, RegistrationRoot root) {
  return base + rootSuffix(root);
}

std::string familyKeyPath(const std::string& base, RegistrationRoot root,
                          const std::string& familyName) {
  return rootKeyPath(base, root) + familyName;
}

std::string productKeyPath(const std::string& base, RegistrationRoot root,
                           const std::string& familyName, std::uint16_t pid) {
  return familyKeyPath(base, root, familyName) + "\\" + std::to_string(pid);
}

std::string productsKeyPath(const std::string& base, const std::string& subkeyName) {
  return rootKeyPath(base, RegistrationRoot::Products) + subkeyName;
}

std::string fidByteText(std::uint16_t fid) { return fromAnsi(u16Bytes(fid)); }

std::string nameForFiles(const std::string& mapsetName) {
  const auto first = mapsetName.find_first_not_of(" .");
  if (first == std::string::npos) return {};
  return mapsetName.substr(first, mapsetName.find_last_not_of(" .") - first + 1);
}

std::string makeMapname(const std::string& mapsetName) {
  std::string cut = firstCharacters(blanksAsUnderscores(nameForFiles(mapsetName), false), 8);
  cut.erase(cut.find_last_not_of('.') + 1);
  return firstCharacters(cut + "oooooooo", 8);
}

std::string familyKeyNameFromMapset(const std::string& mapsetName, std::uint16_t fid) {
  return makeMapname(mapsetName) + std::to_string(fid);
}

std::string familyKeyNameFromTdb(std::string_view nameArea, std::uint16_t fid) {
  const std::string first12(nameArea.substr(0, 12));
  return fromAnsi(blanksAsUnderscores(first12, true)) + std::to_string(fid);
}

CatalogueEntry readCatalogueEntry(Registry& reg, const std::string& base,
                                  RegistrationRoot root, const std::string& subkeyPath) {
  CatalogueEntry entry;
  entry.root = root;
  entry.subkeyPath = subkeyPath;
  const std::string productKey = rootKeyPath(base, root) + subkeyPath;
  entry.tdb = layoutValue(reg, productKey, kValueTdb);
  entry.overview = layoutValue(reg, productKey, kValueBmap);
  entry.tileFolder = layoutValue(reg, productKey, kValueLoc);
  if (!isFamilyRoot(root)) {
    entry.familyKeyPath = rootKeyPath(base, root);
    return entry;
  }
  const std::string familyName = subkeyPath.substr(0, subkeyPath.find('\\'));
  const std::string familyKey = familyKeyPath(base, root, familyName);
  entry.familyKeyPath = familyKey + "\\";
  const std::string typ = layoutValue(reg, familyKey, kValueTyp);
  if (!typ.empty()) entry.typ = typ;
  return entry;
}

EntryState judgeEntry(const CatalogueEntry& entry, const FileExists& exists) {
  if (entry.tdb.empty() || !exists(entry.tdb)) return EntryState::TdbMissing;
  if (entry.overview.empty() || !exists(entry.overview)) return EntryState::OverviewMissing;
  return EntryState::Complete;
}

EntryCells entryCells(const CatalogueEntry& entry, EntryState state) {
  switch (state) {
    case EntryState::TdbMissing: return {kTdbMissing, kFidBroken, kPidBroken};
    case EntryState::TdbUnreadable: return {kTdbUnreadable, kFidBroken, kPidBroken};
    case EntryState::OverviewMissing: return {kOverviewMissing, kFidBroken, kPidBroken};
    case EntryState::Complete: break;
  }
  return {entry.mapsetName, std::to_string(entry.fid), std::to_string(entry.pid)};
}

}  // namespace mapsetdesk
