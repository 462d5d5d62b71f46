#include "edit/FidChange.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "catalogue/Registration.h"
#include "formats/FileBytes.h"
#include "formats/InfoXml.h"
#include "formats/InfoXmlTyp.h"
#include "formats/MdxIndex.h"
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
  if (!isFile(index)) return true;
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

bool patchPackageTyp(const GmapRow& row, std::uint16_t fid, FidChangeResult& result) {
  const auto name = packageTypName(row.infoXml);
  if (!name || name->empty()) return true;
  const std::string typ = pathText(filePath(packageFolder(row)) / filePath(*name));
  if (!isFile(typ)) return true;
  if (patchTypFid(typ, fid) != FileStatus::Ok) return failed(result, typ);
  result.changed.push_back(typ);
  return true;
}

bool copyTyp(Registry& registry, const CatalogueEntry& entry, const std::string& familyKey,
             std::uint16_t fid, FidChangeResult& result) {
  if (!isFile(entry.typ)) return true;
  const std::string target = typCopyTarget(entry.typ, fid);
  if (copyTypWithFid(entry.typ, target, fid) != FileStatus::Ok) return failed(result, target);
  result.changed.push_back(target);
  result.typCopy = target;
  fStringSpeichern(registry, Root::LocalMachine, familyKey, kValueTyp, target);
  if (fRegAbfrageWert(registry, Root::LocalMachine, familyKey, kValueTyp) != target)
    return failed(result, registryKeyName(familyKey));
  return true;
}

// A user without write rights on the machine's keys gets no error from the
// write itself; only reading the value back tells.
bool writeId(Registry& registry, const std::string& familyKey, std::uint16_t fid,
             FidChangeResult& result) {
  ffStringSpeichern(registry, Root::LocalMachine, familyKey, kValueId, fidByteText(fid));
  const auto id = registry.queryValue(Root::LocalMachine, toAnsi(familyKey), toAnsi(kValueId));
  if (id && id->data == toAnsi(fidByteText(fid))) return true;
  return failed(result, registryKeyName(familyKey));
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
  return content.bytes.substr(start, close - start);
}

FidChangeResult changeRegisteredFid(Registry& registry, const CatalogueRow& row,
                                    const RegistryCatalogue& catalogue, std::uint16_t fid,
                                    Dialogs& dialogs, const TdbTexts& texts) {
  const CatalogueEntry& entry = row.entry;
  FidChangeResult result;
  if (!isFile(entry.tdb)) return stopped(result, FidChangeStop::MapMissing, entry.tdb);
  const bool withFamilyKey = entry.root != RegistrationRoot::Products;
  if (withFamilyKey && isFile(entry.typ)) {
    const std::string target = typCopyTarget(entry.typ, fid);
    if (isFile(target) && isTypOfAnotherMapset(catalogue, target, familyKeyNameOf(entry)))
      return stopped(result, FidChangeStop::TypClash, target);
  }
  if (!patchTdb(entry.tdb, fid, dialogs, texts, result) || !withFamilyKey) return result;
  const std::string familyKey = withoutTrailingBackslash(entry.familyKeyPath);
  if (!copyTyp(registry, entry, familyKey, fid, result)) return result;
  if (!writeId(registry, familyKey, fid, result)) return result;
  patchIndex(fRegAbfrageWert(registry, Root::LocalMachine, familyKey, kValueIdx), fid, result);
  return result;
}

FidChangeResult changePackageFid(const GmapRow& row, std::uint16_t fid, Dialogs& dialogs,
                                 const TdbTexts& texts) {
  FidChangeResult result;
  if (!isFile(row.tdb)) return stopped(result, FidChangeStop::MapMissing, row.tdb);
  if (!patchTdb(row.tdb, fid, dialogs, texts, result)) return result;
  if (row.index != kNoIndexFile &&
      !patchIndex(pathText(filePath(packageFolder(row)) / filePath(row.index)), fid, result))
    return result;
  const std::string infoV2 = infoV2Path(row.infoXml);
  if (!infoV2.empty() && !replaceFamilyId(infoV2, row.fid, fid, result)) return result;
  if (!replaceFamilyId(row.infoXml, row.fid, fid, result)) return result;
  patchPackageTyp(row, fid, result);
  return result;
}

}  // namespace mapsetdesk
