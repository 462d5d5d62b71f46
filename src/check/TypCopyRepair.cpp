#include "check/TypCopyRepair.h"

#include "catalogue/Registration.h"
#include "formats/FileBytes.h"
#include "formats/TypHeader.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {

std::string ownTypCopyPath(const std::string& typ, std::uint16_t fid) {
  return pathText(filePath(typ).parent_path() / filePath(typCopyName(fid, TypCopy::FidChange)));
}

bool giveOwnTypCopy(Registry& registry, const std::string& familyKey, const std::string& typ,
                    std::uint16_t fid) {
  const std::string copy = ownTypCopyPath(typ, fid);
  const FileContent existing = readFileStart(copy, kTypFidOffset + 2);
  const bool made = existing.status == FileStatus::Missing;
  if (made && copyTypWithFid(typ, copy, fid) != FileStatus::Ok) return false;
  if (!made && (existing.status != FileStatus::Ok || readTypFid(existing.bytes) != fid))
    return false;
  fStringSpeichern(registry, Root::LocalMachine, familyKey, kValueTyp, copy);
  return fRegAbfrageWert(registry, Root::LocalMachine, familyKey, kValueTyp) == copy;
}

}  // namespace mapsetdesk
