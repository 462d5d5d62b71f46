#include "check/MapsetFileFindings.h"

#include <filesystem>
#include <system_error>

#include "formats/FileBytes.h"
#include "formats/MdxIndex.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TypHeader.h"
#include "platform/FilePath.h"
#include "platform/FoundPath.h"

namespace mapsetdesk {

bool sameFileAnyCase(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(filePath(foundPath(a)), filePath(foundPath(b)), error) &&
         !error;
}

Finding findingAbout(const Finding& about, FindingKind kind, const std::string& subject,
                     Severity severity) {
  Finding finding = about;
  finding.kind = kind;
  finding.subject = subject;
  finding.severity = severity;
  return finding;
}

TdbFacts checkTdbFile(const std::string& path, const Finding& about, Findings& findings) {
  TdbFacts facts;
  const std::string found = foundPath(path);
  const FileContent file = readFileBytes(found);
  const TdbHeaderResult header = parseTdbHeader(file.bytes);
  if (file.status != FileStatus::Ok || header.damage != TdbDamage::None) {
    findings.push_back(findingAbout(about, FindingKind::TdbUnreadable, path));
    return facts;
  }
  facts.readable = true;
  facts.fidField = header.header.fid;
  facts.tiles = readTdbTiles(file.bytes).tiles;
  if (checkTdbChecksum(file.bytes).state == TdbChecksumState::Bad) {
    Finding stale = findingAbout(about, FindingKind::ChecksumStale, path);
    stale.repair = RepairKind::Checksum;
    stale.file = found;
    findings.push_back(stale);
  }
  if (facts.fidField == 0) {
    Finding zero = findingAbout(about, FindingKind::FidZero, path);
    zero.repair = RepairKind::FreeFid;
    findings.push_back(zero);
  }
  return facts;
}

void checkTypFile(const std::string& path, std::uint16_t fid, const Finding& about,
                  Findings& findings) {
  const std::string found = foundPath(path);
  const FileContent start = readFileStart(found, kTypFidOffset + 2);
  if (start.status != FileStatus::Ok) {
    findings.push_back(findingAbout(about, FindingKind::TypMissing, path));
    return;
  }
  if (readTypFid(start.bytes) == fid) return;
  Finding wrong = findingAbout(about, FindingKind::TypFidWrong, path);
  wrong.repair = RepairKind::TypFid;
  wrong.file = found;
  wrong.fid = fid;
  findings.push_back(wrong);
}

void checkIndexFile(const std::string& path, std::uint16_t fid, const Finding& about,
                    Findings& findings) {
  const std::string found = foundPath(path);
  const FileContent file = readFileBytes(found);
  if (file.status != FileStatus::Ok) {
    findings.push_back(findingAbout(about, FindingKind::IndexMissing, path, Severity::Warning));
    return;
  }
  const MdxRecords records = readMdxFids(file.bytes);
  if (records.damaged) {
    findings.push_back(findingAbout(about, FindingKind::IndexDamaged, path, Severity::Warning));
    return;
  }
  for (const std::uint16_t recordFid : records.fids) {
    if (recordFid == fid) continue;
    Finding wrong = findingAbout(about, FindingKind::IndexFidWrong, path);
    wrong.repair = RepairKind::IndexFid;
    wrong.file = found;
    wrong.fid = fid;
    findings.push_back(wrong);
    return;
  }
}

}  // namespace mapsetdesk
