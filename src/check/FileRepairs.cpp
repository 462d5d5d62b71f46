#include "check/FileRepairs.h"

#include "formats/FileBytes.h"
#include "formats/MdxIndex.h"
#include "formats/TdbChecksum.h"
#include "formats/TypHeader.h"
#include "platform/FileReplace.h"

namespace mapsetdesk {
namespace {

bool backUp(const std::string& path, const std::string& backup) {
  const FileContent content = readFileBytes(path);
  return content.status == FileStatus::Ok && replaceFile(backup, content.bytes);
}

}  // namespace

bool renewChecksum(const std::string& tdb, Dialogs& dialogs, const TdbTexts& texts) {
  return backUp(tdb, tdb + "-BAK") &&
         ChecksumAendern(tdb, dialogs, texts) == ChecksumOutcome::Written;
}

bool setTypFid(const std::string& typ, std::uint16_t fid) {
  return backUp(typ, typ + ".bak") && patchTypFid(typ, fid) == FileStatus::Ok;
}

bool setIndexFid(const std::string& mdx, std::uint16_t fid) {
  return patchMdxFid(mdx, fid) == FileStatus::Ok;
}

}  // namespace mapsetdesk
