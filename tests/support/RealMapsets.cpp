#include "support/RealMapsets.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "formats/TdbChecksum.h"
#include "formats/TdbRename.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

void putU16(std::string& bytes, std::size_t offset, std::uint16_t value) {
  bytes[offset] = static_cast<char>(value & 0xFF);
  bytes[offset + 1] = static_cast<char>(value >> 8);
}

}  // namespace

RealMapsets::RealMapsets() {
  const char* root = std::getenv("MAPSETDESK_GARMIN_FILES");
  std::error_code error;
  if (root != nullptr && fs::is_directory(filePath(root), error)) root_ = filePath(root);
}

MapsetFiles RealMapsets::make(const fs::path& folder, const std::string& baseName,
                              const std::string& mapsetName, std::uint16_t fid,
                              std::uint16_t pid) const {
  TdbRenamed renamed =
      renameTdbBytes(readFile(root_ / "mapset" / "osmmap.tdb"), toAnsi(mapsetName));
  EXPECT_EQ(renamed.damage, TdbDamage::None) << "renaming mkgmap's TDB to " << mapsetName;
  putU16(renamed.bytes, 3, pid);
  putU16(renamed.bytes, 5, fid);
  applyTdbChecksum(renamed.bytes);
  MapsetFiles files;
  files.tdb = pathOf(folder / (baseName + ".tdb"));
  files.overview = pathOf(folder / (baseName + ".img"));
  files.tiles = pathOf(folder / "");
  writeFile(filePath(files.tdb), renamed.bytes);
  fs::copy_file(root_ / "mapset" / "osmmap.img", filePath(files.overview),
                fs::copy_options::overwrite_existing);
  return files;
}

fs::path RealMapsets::copyPackage(const fs::path& mapsFolder, const std::string& name) const {
  const fs::path package = mapsFolder / (name + ".gmap");
  fs::create_directories(mapsFolder);
  fs::copy(root_ / "mapset" / "Harz Familie.gmap", package,
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  return package;
}

void registerFamilyProduct(Registry& registry, const std::string& base, RegistrationRoot root,
                           const std::string& family, std::uint16_t fid, const std::string& product,
                           const MapsetFiles& files, const std::string& typ) {
  const Root hklm = Root::LocalMachine;
  const std::string familyKey = familyKeyPath(base, root, family);
  const std::string productKey = familyKey + "\\" + product;
  ffStringSpeichern(registry, hklm, familyKey, kValueId, fidByteText(fid));
  fStringSpeichern(registry, hklm, productKey, kValueTdb, files.tdb);
  fStringSpeichern(registry, hklm, productKey, kValueBmap, files.overview);
  fStringSpeichern(registry, hklm, productKey, kValueLoc, files.tiles);
  if (!typ.empty()) fStringSpeichern(registry, hklm, familyKey, kValueTyp, typ);
}

void registerProductsEntry(Registry& registry, const std::string& base, const std::string& subkey,
                           const MapsetFiles& files) {
  const std::string key = productsKeyPath(base, subkey);
  fStringSpeichern(registry, Root::LocalMachine, key, kValueTdb, files.tdb);
  fStringSpeichern(registry, Root::LocalMachine, key, kValueBmap, files.overview);
  fStringSpeichern(registry, Root::LocalMachine, key, kValueLoc, files.tiles);
}

std::string pathOf(const fs::path& path) { return pathText(path); }

}  // namespace mapsetdesk::testing
