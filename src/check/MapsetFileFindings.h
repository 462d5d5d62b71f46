#pragma once
// The checks of a mapset's own files, shared by registrations and packages:
// the TDB (readable, checksum, FID field), the TYP and the index file, each
// read once.
#include <cstdint>
#include <string>
#include <vector>

#include "check/Finding.h"
#include "formats/TdbTiles.h"

namespace mapsetdesk {

struct TdbFacts {
  bool readable = false;
  std::uint16_t fidField = 0;  // as stored; 0 means the PID stands in
  std::vector<TdbTile> tiles;
};

// Adds TdbUnreadable, ChecksumStale or FidZero for the TDB at path (which
// exists) and returns what the other checks need from it.
TdbFacts checkTdbFile(const std::string& path, const Finding& about, Findings& findings);

// A TYP file that is missing, or that holds another FID than fid.
void checkTypFile(const std::string& path, std::uint16_t fid, const Finding& about,
                  Findings& findings);

// An index file that is missing, damaged, or with a record of another FID.
void checkIndexFile(const std::string& path, std::uint16_t fid, const Finding& about,
                    Findings& findings);

// Whether two paths from the registry or a package name one file, each
// found as Windows finds it.
bool sameFileAnyCase(const std::string& a, const std::string& b);

// A finding about the same mapset as `about`, with kind, subject and severity.
Finding findingAbout(const Finding& about, FindingKind kind, const std::string& subject,
                     Severity severity = Severity::Error);

}  // namespace mapsetdesk
