#pragma once
// The repairs that patch one file of a mapset, each after its backup.
#include <cstdint>
#include <string>

#include "formats/TdbMessages.h"
#include "platform/Dialogs.h"

namespace mapsetdesk {

bool renewChecksum(const std::string& tdb, Dialogs& dialogs, const TdbTexts& texts);
bool setTypFid(const std::string& typ, std::uint16_t fid);
bool setIndexFid(const std::string& mdx, std::uint16_t fid);

}  // namespace mapsetdesk
