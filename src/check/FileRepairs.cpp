#include "check/FileRepairs.h"

#include <filesystem>
#include <system_error>

#include "formats/FileBytes.h"
#include "formats/MdxIndex.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TypHeader.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"

namespace mapsetdesk {
namespace {

constexpr std::string_view kIdOpen = "<ID>";
constexpr std::string_view kIdClose = "</ID>";

bool taken(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(filePath(path), error));
}

std::string backUp(const std::string& path, const std::string& suffix) {
  const FileContent content = readFileBytes(path);
  if (content.status != FileStatus::Ok) return {};
  const std::string backup = freeBackupName(path, suffix);
  return replaceFile(backup, content.bytes) ? backup : std::string();
}

bool checksumRenewed(const std::string& tdb, Dialogs& dialogs, const TdbTexts& texts) {
  const ChecksumOutcome outcome = ChecksumAendern(tdb, dialogs, texts);
  return outcome == ChecksumOutcome::Written || outcome == ChecksumOutcome::NoChecksumBlock ||
         outcome == ChecksumOutcome::CrcZero;
}

}  // namespace

std::string freeFileName(const std::function<std::string(int)>& candidate) {
  std::string name = candidate(1);
  for (int number = 2; taken(name); ++number) name = candidate(number);
  return name;
}

std::string freeBackupName(const std::string& path, const std::string& suffix) {
  return freeFileName([&](int number) {
    return path + suffix + (number == 1 ? std::string() : std::to_string(number));
  });
}

FileRepair renewChecksum(const std::string& tdb, Dialogs& dialogs, const TdbTexts& texts) {
  FileRepair repair{false, backUp(tdb, "-BAK")};
  repair.done = !repair.backup.empty() &&
                ChecksumAendern(tdb, dialogs, texts) == ChecksumOutcome::Written;
  return repair;
}

FileRepair setTdbFid(const std::string& tdb, std::uint16_t fid, Dialogs& dialogs,
                     const TdbTexts& texts) {
  FileRepair repair{false, backUp(tdb, "-BAK")};
  repair.done = !repair.backup.empty() && patchTdbFid(tdb, fid) == FileStatus::Ok &&
                checksumRenewed(tdb, dialogs, texts);
  return repair;
}

FileRepair setTypFid(const std::string& typ, std::uint16_t fid) {
  FileRepair repair{false, backUp(typ, ".bak")};
  repair.done = !repair.backup.empty() && patchTypFid(typ, fid) == FileStatus::Ok;
  return repair;
}

bool setIndexFid(const std::string& mdx, std::uint16_t fid) {
  return patchMdxFid(mdx, fid) == FileStatus::Ok;
}

FileRepair setInfoXmlId(const std::string& infoXml, std::uint16_t fid) {
  FileContent content = readFileBytes(infoXml);
  const std::size_t open = content.bytes.find(kIdOpen);
  const std::size_t start = open == std::string::npos ? open : open + kIdOpen.size();
  const std::size_t close =
      start == std::string::npos ? start : content.bytes.find(kIdClose, start);
  if (content.status != FileStatus::Ok || close == std::string::npos) return {};
  if (content.bytes.compare(start, close - start, std::to_string(fid)) == 0) return {true, {}};
  FileRepair repair{false, backUp(infoXml, ".bak")};
  content.bytes.replace(start, close - start, std::to_string(fid));
  repair.done = !repair.backup.empty() && replaceFile(infoXml, content.bytes);
  return repair;
}

}  // namespace mapsetdesk
