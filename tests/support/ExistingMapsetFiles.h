#pragma once
// A complete mapset on disk as a person would point the window for an
// existing TDB at it: copies of mkgmap's TDB (named and numbered as asked),
// overview, tiles, and on request its index, MDR and TYP files and a traffic
// file.
#include <cstdint>
#include <filesystem>
#include <string>

#include "support/RealMapsets.h"

namespace mapsetdesk::testing {

struct ExistingFiles {
  std::string tiles;  // the folder, ending with a separator
  std::string tdb;
  std::string overview;
  std::string typ;    // the optional files are empty when not made
  std::string index;
  std::string mdr;
  std::string trf;
};

struct ExtraFiles {
  bool typ = false;
  bool index = false;
  bool mdr = false;
  bool trf = false;
  int indexRecords = 2;  // more than mkgmap's two repeat its last record
};

class ExistingMapsetFiles {
 public:
  bool available() const { return mapsets_.available(); }
  const RealMapsets& mapsets() const { return mapsets_; }
  // folder/osmmap.tdb named mapsetName with the IDs given, osmmap.img and the
  // two tiles 63240001.img and 63240002.img; the extras beside them.
  ExistingFiles make(const std::filesystem::path& folder, const std::string& mapsetName,
                     std::uint16_t fid, std::uint16_t pid, ExtraFiles extras = {}) const;
  static bool checksumHolds(const std::string& tdb);

 private:
  RealMapsets mapsets_;
};

}  // namespace mapsetdesk::testing
