#pragma once
// The registration of a new mapset, value by value, each text read back: the
// family key `Mapname` + FID with ID (and TYP when the TYP file lies beside
// the tiles), its product key "1" with TDB, BMAP and LOC; or, in the older
// Products layout, one key named by the FID with TDB, BMAP and LOC.
#include <cstdint>
#include <string>

#include "platform/Dialogs.h"
#include "platform/Registry.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {

struct MapsetRegistration {
  std::string vRegistryKey;  // the root written: Families or Products below base
  std::string base;          // `vReg6432`
  std::string mapname;       // `Mapname`
  std::string pfad;          // the tile folder, ending with a separator
  std::uint16_t fid = 0;
  std::string fidText;       // the FID as the person typed it
};

// check.vRegkey turns false at the first text that does not read back as
// written; fehler29 is shown then and nothing more is written.
void MapsetEintragen(Registry& registry, Dialogs& dialogs, const std::string& fehler29,
                     RegWriteCheck& check, const MapsetRegistration& registration);

}  // namespace mapsetdesk
