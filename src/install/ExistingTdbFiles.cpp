#include "install/ExistingTdbFiles.h"

#include <algorithm>
#include <cctype>

#include "catalogue/Registration.h"
#include "formats/MdxIndex.h"
#include "formats/TdbHeader.h"
#include "formats/TdbRename.h"
#include "formats/TypHeader.h"
#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

// Windows finds a file whatever the case of its letters.
bool samePath(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

std::string familyKeyNameOf(const CatalogueEntry& entry) {
  return entry.subkeyPath.substr(0, entry.subkeyPath.find('\\'));
}

void patchTdb(const ExistingMapset& mapset, Dialogs& dialogs, const TdbTexts& texts) {
  if (!isFile(mapset.tdb)) return;
  patchTdbIds(mapset.tdb, mapset.pid, mapset.fid);
  TDBNameAendern(mapset.tdb, mapset.name, true, dialogs, texts);
}

}  // namespace

std::string typCopyPath(const ExistingMapset& mapset) {
  return pathText(filePath(mapset.tdb).parent_path() / filePath(typCopyName(mapset.fid,
                                                                             TypCopy::FidChange)));
}

bool isTypOfAnotherMapset(const RegistryCatalogue& catalogue, const std::string& path,
                          const std::string& familyKeyName) {
  return std::any_of(catalogue.rows.begin(), catalogue.rows.end(), [&](const CatalogueRow& row) {
    return samePath(row.entry.typ, path) && familyKeyNameOf(row.entry) != familyKeyName;
  });
}

std::vector<std::string> existingFilesPatched(const ExistingMapset& mapset) {
  std::vector<std::string> files{mapset.tdb, mapset.tdb + "-BAK", mapset.index};
  if (!mapset.typ.empty()) files.push_back(typCopyPath(mapset));
  return files;
}

ExistingFilesPatched patchExistingFiles(const ExistingMapset& mapset,
                                        const RegistryCatalogue& catalogue, Dialogs& dialogs,
                                        const TdbTexts& texts) {
  ExistingFilesPatched result;
  const bool withTyp = isFile(mapset.typ);
  const std::string target = withTyp ? typCopyPath(mapset) : std::string();
  if (withTyp && isFile(target) &&
      isTypOfAnotherMapset(catalogue, target, familyKeyNameFromTdb(mapset.nameArea, mapset.fid))) {
    result.outcome = FilesOutcome::TypClash;
    result.typCopy = target;
    return result;
  }
  patchTdb(mapset, dialogs, texts);
  if (withTyp) {
    if (copyTypWithFid(mapset.typ, target, mapset.fid) == FileStatus::Ok)
      result.typCopy = target;
    else
      result.outcome = FilesOutcome::TypNotCopied;
  }
  if (isFile(mapset.index)) patchMdxFid(mapset.index, mapset.fid);
  return result;
}

}  // namespace mapsetdesk
