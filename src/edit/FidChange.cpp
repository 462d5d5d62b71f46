#include "edit/FidChange.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "catalogue/Registration.h"
#include "edit/TypFiles.h"
#include "formats/FileBytes.h"
#include "formats/InfoXml.h"
#include "formats/InfoXmlTyp.h"
#include "formats/MdxIndex.h"
#include "formats/PackageFileName.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TypHeader.h"
#include "install/ExistingTdbFiles.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

constexpr std::string_view kInfoXml = "info.xml";
constexpr std::string_view kInfoV2Xml = "Info_v2.xml";
// Info.xml names a TYP file only when its element starts past the fifth character.
constexpr std::size_t kFirstTypPosition = 5;

FidChangeResult stopped(FidChangeResult result, FidChangeStop stop, const std::string& at) {
  result.stop = stop;
  result.stoppedAt = at;
  return result;
}

bool failed(FidChangeResult& result, const std::string& path) {
  result.stop = FidChangeStop::FileFailed;
  result.stoppedAt = path;
  return false;
}

// The FID into the header, then the checksum that the desktop programs check.
bool patchTdb(const std::string& tdb, std::uint16_t fid, Dialogs& dialogs, const TdbTexts& texts,
              FidChangeResult& result) {
  if (patchTdbFid(tdb, fid) != FileStatus::Ok) return failed(result, tdb);
  result.changed.push_back(tdb);
  const ChecksumOutcome checksum = ChecksumAendern(tdb, dialogs, texts);
  if (checksum == ChecksumOutcome::Written || checksum == ChecksumOutcome::NoChecksumBlock ||
      checksum == ChecksumOutcome::CrcZero)
    return true;
  return failed(result, tdb);
}

bool patchIndex(const std::string& index, std::uint16_t fid, FidChangeResult& result) {
  if (index.empty()) return true;
  if (patchMdxFid(index, fid) != FileStatus::Ok) return failed(result, index);
  result.changed.push_back(index);
  return true;
}

std::string registryKeyName(const std::string& key) {
  return std::string(rootName(Root::LocalMachine)) + "\\" + key;
}

std::string withoutTrailingBackslash(std::string key) {
  if (!key.empty() && key.back() == '\\') key.pop_back();
  return key;
}

std::string familyKeyNameOf(const CatalogueEntry& entry) {
  return entry.subkeyPath.substr(0, entry.subkeyPath.find('\\'));
}

std::string typCopyTarget(const std::string& typ, std::uint16_t fid) {
  return pathText(filePath(typ).parent_path() / filePath(typCopyName(fid, TypCopy::FidChange)));
}

std::string lowered(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return result;
}

std::string infoV2Path(const std::string& infoXml) {
  const std::size_t at = lowered(infoXml).find(kInfoXml);
  if (at == std::string::npos) return {};
  return infoXml.substr(0, at) + std::string(kInfoV2Xml) + infoXml.substr(at + kInfoXml.size());
}

// Only the first "<ID>old</ID>" is the family's; product IDs stay.
bool replaceFamilyId(const std::string& path, const std::string& oldFid, std::uint16_t fid,
                     FidChangeResult& result) {
  if (!isFile(path)) return true;
  FileContent content = readFileBytes(path);
  if (content.status != FileStatus::Ok) return failed(result, path);
  const std::string oldElement = "<ID>" + oldFid + "</ID>";
  const std::size_t at = content.bytes.find(oldElement);
  if (at == std::string::npos) return true;
  content.bytes.replace(at, oldElement.size(), "<ID>" + std::to_string(fid) + "</ID>");
  if (!replaceFile(path, content.bytes)) return failed(result, path);
  result.changed.push_back(path);
  return true;
}

// A failed write: the change history puts back the files already rewritten.
FidChangeResult failedAt(FidChangeResult result, const std::string& at) {
  result.stop = FidChangeStop::FileFailed;
  result.stoppedAt = at;
  result.typCopy.clear();
  return result;
}

// Every file the change will write, kept before the first write; the first
// that cannot be kept stops the change before anything is written.
std::optional<std::string> keepAll(const FileKeeping& keepFile,
                                   const std::vector<std::string>& paths) {
  for (const std::string& path : paths)
    if (!path.empty() && !keepFile(path)) return path;
  return std::nullopt;
}

std::string existingOrEmpty(const std::string& path) { return isFile(path) ? path : std::string(); }

// A user without write rights on the machine's keys gets no error from the
// write itself; only reading the values back tells.
bool writeFamilyValues(Registry& registry, const std::string& familyKey, std::uint16_t fid,
                       const std::string& typCopy) {
  if (!typCopy.empty()) {
    fStringSpeichern(registry, Root::LocalMachine, familyKey, kValueTyp, typCopy);
    if (fRegAbfrageWert(registry, Root::LocalMachine, familyKey, kValueTyp) != typCopy)
      return false;
  }
  ffStringSpeichern(registry, Root::LocalMachine, familyKey, kValueId, fidByteText(fid));
  const auto id = registry.queryValue(Root::LocalMachine, toAnsi(familyKey), toAnsi(kValueId));
  return id && id->data == toAnsi(fidByteText(fid));
}

}  // namespace

std::optional<std::string> packageTypName(const std::string& infoXml) {
  const FileContent content = readFileBytes(infoXml);
  if (content.status != FileStatus::Ok) return std::nullopt;
  const std::size_t open = content.bytes.find(kTypOpen);
  if (open == std::string::npos || open < kFirstTypPosition) return std::nullopt;
  const std::size_t start = open + kTypOpen.size();
  const std::size_t close = content.bytes.find(kTypClose, start);
  if (close == std::string::npos) return std::nullopt;
  std::string name = content.bytes.substr(start, close - start);
  if (!isPlainFileName(name)) return std::nullopt;
  return name;
}

FidChangeResult changeRegisteredFid(Registry& registry, const CatalogueRow& row,
                                    const RegistryCatalogue& catalogue, std::uint16_t fid,
                                    Dialogs& dialogs, const TdbTexts& texts,
                                    const FileKeeping& keepFile) {
  const CatalogueEntry& entry = row.entry;
  FidChangeResult result;
  if (!isFile(entry.tdb)) return stopped(result, FidChangeStop::MapMissing, entry.tdb);
  const bool withFamilyKey = entry.root != RegistrationRoot::Products;
  const std::string familyKey = withoutTrailingBackslash(entry.familyKeyPath);
  const bool withTyp = withFamilyKey && isFile(entry.typ);
  const std::string target = withTyp ? typCopyTarget(entry.typ, fid) : std::string();
  if (withTyp && isFile(target) && isTypOfAnotherMapset(catalogue, target, familyKeyNameOf(entry)))
    return stopped(result, FidChangeStop::TypClash, target);
  const auto typCopy = withTyp ? typCopyBytes(entry.typ, fid) : std::nullopt;
  if (withTyp && !typCopy) return stopped(result, FidChangeStop::FileFailed, entry.typ);
  const std::string index =
      withFamilyKey ? existingOrEmpty(fRegAbfrageWert(registry, Root::LocalMachine, familyKey,
                                                      kValueIdx))
                    : std::string();
  if (const auto unreadable = keepAll(keepFile, {entry.tdb, target, index}))
    return stopped(result, FidChangeStop::FileFailed, *unreadable);

  if (!patchTdb(entry.tdb, fid, dialogs, texts, result)) return failedAt(result, entry.tdb);
  if (withTyp) {
    if (!replaceFile(target, *typCopy)) return failedAt(result, target);
    result.changed.push_back(target);
    result.typCopy = target;
  }
  if (!patchIndex(index, fid, result)) return failedAt(result, index);
  if (!withFamilyKey) return result;
  if (!writeFamilyValues(registry, familyKey, fid, withTyp ? target : std::string()))
    return failedAt(result, registryKeyName(familyKey));
  return result;
}

FidChangeResult changePackageFid(const GmapRow& row, std::uint16_t fid, Dialogs& dialogs,
                                 const TdbTexts& texts, const FileKeeping& keepFile) {
  FidChangeResult result;
  if (!isFile(row.tdb)) return stopped(result, FidChangeStop::MapMissing, row.tdb);
  const std::string index =
      row.index != kNoIndexFile
          ? existingOrEmpty(pathText(filePath(packageFolder(row)) / filePath(row.index)))
          : std::string();
  const std::string infoV2 = existingOrEmpty(infoV2Path(row.infoXml));
  const auto typName = packageTypName(row.infoXml);
  const std::string typ =
      typName ? existingOrEmpty(pathText(filePath(packageFolder(row)) / filePath(*typName)))
              : std::string();
  if (const auto unreadable = keepAll(keepFile, {row.tdb, index, infoV2, row.infoXml, typ}))
    return stopped(result, FidChangeStop::FileFailed, *unreadable);
  if (!typ.empty() && !isTypFile(readFileBytes(typ).bytes))
    return stopped(result, FidChangeStop::FileFailed, typ);

  if (!patchTdb(row.tdb, fid, dialogs, texts, result)) return failedAt(result, row.tdb);
  if (!patchIndex(index, fid, result)) return failedAt(result, index);
  if (!infoV2.empty() && !replaceFamilyId(infoV2, row.fid, fid, result))
    return failedAt(result, infoV2);
  if (!replaceFamilyId(row.infoXml, row.fid, fid, result)) return failedAt(result, row.infoXml);
  if (!typ.empty()) {
    if (patchTypFid(typ, fid) != FileStatus::Ok) return failedAt(result, typ);
    result.changed.push_back(typ);
  }
  return result;
}

FidChangeResult afterJournal(FidChangeResult result, ActionOutcome outcome) {
  if (result.stop != FidChangeStop::None && outcome != ActionOutcome::NotPutBack)
    result.changed.clear();
  return result;
}

}  // namespace mapsetdesk
