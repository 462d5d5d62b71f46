#pragma once
// A mapset already on disk, as the registration window for an existing TDB
// and overview collects it: the paths of its files, its name and its IDs.
#include <cstdint>
#include <string>

#include "formats/TdbMessages.h"
#include "platform/Dialogs.h"

namespace mapsetdesk {

struct ExistingMapset {
  std::string tiles;     // the tile folder
  std::string tdb;
  std::string overview;  // the overview map, an IMG file
  std::string typ;       // optional, like the four below
  std::string index;     // MDX
  std::string mdr;       // an IMG file
  std::string trf;
  std::string name;      // the mapset name written into the TDB (UTF-8)
  std::string nameArea;  // the TDB's name area as read (Windows-1252), see readExistingTdb
  std::uint16_t fid = 0;
  std::uint16_t pid = 1;
};

// What the window takes from a TDB it is given.
struct ExistingTdbRead {
  bool read = false;       // false: the file is missing or damaged; nothing was changed
  std::string nameArea;    // up to 40 bytes of the header block from offset 9
  std::string keyBasis;    // nameArea with every blank and zero byte as "_" (UTF-8)
  std::string name;        // the mapset's name up to its terminating zero (UTF-8)
  std::uint16_t fid = 0;   // after the rules below
  std::uint16_t pid = 0;
};

// Reads the TDB's IDs and name. A FID field of 0 means the family is the
// product field: the mapset then gets PID 1 and that FID. A PID field of 0
// becomes 1. The file is not touched: the installation writes the IDs and
// the checksum, inside its change-history entry. A damaged header shows the
// damaged message.
ExistingTdbRead readExistingTdb(const std::string& path, Dialogs& dialogs,
                                const TdbTexts& texts);

// The text of an ID field as a FID or PID: decimal digits only, at most 65535.
bool isNumericId(const std::string& text);
// The number a field stands for: its leading digits, 0 when there are none.
std::uint16_t idValue(const std::string& text);

}  // namespace mapsetdesk
