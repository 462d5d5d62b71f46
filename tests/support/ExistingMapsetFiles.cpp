#include "support/ExistingMapsetFiles.h"

#include "formats/MdxIndex.h"
#include "formats/TdbChecksum.h"
#include "platform/FilePath.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

std::string copied(const fs::path& source, const fs::path& target) {
  fs::copy_file(source, target, fs::copy_options::overwrite_existing);
  return pathOf(target);
}

std::string indexWith(const fs::path& source, const fs::path& target, int records) {
  std::string bytes = readFile(source);
  const std::string last = bytes.substr(bytes.size() - kMdxRecordSize);
  for (int i = 2; i < records; ++i) bytes += last;
  bytes[kMdxCountOffset] = static_cast<char>(records);
  bytes[kMdxCountOffset + 1] = 0;
  writeFile(target, bytes);
  return pathOf(target);
}

}  // namespace

ExistingFiles ExistingMapsetFiles::make(const fs::path& folder, const std::string& mapsetName,
                                        std::uint16_t fid, std::uint16_t pid,
                                        ExtraFiles extras) const {
  fs::create_directories(folder);
  const MapsetFiles made = mapsets_.make(folder, "osmmap", mapsetName, fid, pid);
  const fs::path source = mapsets_.root() / "mapset";
  ExistingFiles files{made.tiles, made.tdb, made.overview, {}, {}, {}, {}};
  for (const char* tile : {"63240001.img", "63240002.img"}) copied(source / tile, folder / tile);
  if (extras.typ) files.typ = copied(mapsets_.root() / "typ" / "harz-typ.typ", folder / "harz.typ");
  if (extras.index)
    files.index = indexWith(source / "osmmap.mdx", folder / "osmmap.mdx", extras.indexRecords);
  if (extras.mdr) files.mdr = copied(source / "osmmap_mdr.img", folder / "osmmap_mdr.img");
  if (extras.trf) {
    writeFile(folder / "harz.trf", "traffic");
    files.trf = pathOf(folder / "harz.trf");
  }
  return files;
}

bool ExistingMapsetFiles::checksumHolds(const std::string& tdb) {
  return checkTdbChecksum(readFile(filePath(tdb))).state != TdbChecksumState::Bad;
}

}  // namespace mapsetdesk::testing
