#pragma once
// The repairs that patch one file of a mapset, each after its backup. A
// backup never replaces an older one: the user may have kept an original
// under that name, so each backup takes the first free name.
#include <cstdint>
#include <functional>
#include <string>

#include "formats/TdbMessages.h"
#include "platform/Dialogs.h"

namespace mapsetdesk {

struct FileRepair {
  bool done = false;
  std::string backup;  // where the file was kept before it changed; empty when it was not
};

// The first of candidate(1), candidate(2), ... that no file has.
std::string freeFileName(const std::function<std::string(int)>& candidate);
// path + suffix, else path + suffix + "2", "3", ...: the first name no file has.
std::string freeBackupName(const std::string& path, const std::string& suffix);

FileRepair renewChecksum(const std::string& tdb, Dialogs& dialogs, const TdbTexts& texts);
// The FID field of the TDB set to fid, with its checksum renewed.
FileRepair setTdbFid(const std::string& tdb, std::uint16_t fid, Dialogs& dialogs,
                     const TdbTexts& texts);
FileRepair setTypFid(const std::string& typ, std::uint16_t fid);
bool setIndexFid(const std::string& mdx, std::uint16_t fid);
// The family's ID element, the first of the file, set to fid.
FileRepair setInfoXmlId(const std::string& infoXml, std::uint16_t fid);

}  // namespace mapsetdesk
