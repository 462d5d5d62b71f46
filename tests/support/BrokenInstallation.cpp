#include "support/BrokenInstallation.h"

#include <gtest/gtest.h>

#include <chrono>

#include "catalogue/Registration.h"
#include "formats/FileBytes.h"
#include "formats/MdxIndex.h"
#include "formats/TypHeader.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

void copyInto(const fs::path& source, const fs::path& folder, const std::string& as) {
  fs::copy_file(source, folder / as, fs::copy_options::overwrite_existing);
}

void copyKey(Registry& registry, const std::string& from, const std::string& to) {
  registry.createKey(Root::LocalMachine, to);
  for (const RegValue& value : registry.values(Root::LocalMachine, from))
    registry.setValue(Root::LocalMachine, to, value);
  for (const std::string& name : registry.subkeyNames(Root::LocalMachine, from))
    copyKey(registry, from + "\\" + name, to + "\\" + name);
}

fs::path packageTdb(const fs::path& package) {
  for (const auto& entry : fs::recursive_directory_iterator(package))
    if (entry.path().extension() == ".tdb") return entry.path();
  return {};
}

}  // namespace

BrokenInstallation::BrokenInstallation(Registry& registry, std::string base,
                                       std::string unusedBase, fs::path folder,
                                       GmapFolders mapFolders)
    : registry_(registry),
      base_(std::move(base)),
      unusedBase_(std::move(unusedBase)),
      folder_(std::move(folder)),
      mapFolders_(std::move(mapFolders)) {}

std::string BrokenInstallation::familyKeyNT(const BrokenMapset& mapset) const {
  return familyKeyPath(base_, RegistrationRoot::FamiliesNT,
                       familyKeyNameFromMapset(mapset.name, mapset.fid));
}

std::string BrokenInstallation::familyKey(const BrokenMapset& mapset,
                                          const std::string& base) const {
  return familyKeyPath(base, RegistrationRoot::Families,
                       familyKeyNameFromMapset(mapset.name, mapset.fid));
}

fs::path BrokenInstallation::registerMapset(const BrokenMapset& mapset, const std::string& base,
                                            std::uint16_t tdbFid) {
  const fs::path folder = folderOf(mapset);
  fs::create_directories(folder);
  const MapsetFiles files = mapsets.make(folder, "karte", mapset.name, tdbFid, 1);
  for (const char* tile : {"63240001.img", "63240002.img"})
    copyInto(mapsets.root() / "mapset" / tile, folder, tile);
  copyInto(mapsets.root() / "typ" / "harz-typ.typ", folder, "karte.typ");
  copyInto(mapsets.root() / "mapset" / "osmmap.mdx", folder, "karte.mdx");
  EXPECT_EQ(patchTypFid(pathOf(folder / "karte.typ"), mapset.fid), FileStatus::Ok);
  EXPECT_EQ(patchMdxFid(pathOf(folder / "karte.mdx"), mapset.fid), FileStatus::Ok);
  const std::string family = familyKeyNameFromMapset(mapset.name, mapset.fid);
  registerFamilyProduct(registry_, base, RegistrationRoot::Families, family, mapset.fid, "1",
                        files, pathOf(folder / "karte.typ"));
  fStringSpeichern(registry_, Root::LocalMachine, familyKey(mapset, base), kValueIdx,
                   pathOf(folder / "karte.mdx"));
  return folder;
}

void BrokenInstallation::makeAll() {
  registerMapset(kHealthy, base_, kHealthy.fid);
  const fs::path stale = registerMapset(kStaleChecksum, base_, kStaleChecksum.fid);
  EXPECT_EQ(patchFile(pathOf(stale / "karte.tdb"), 3, "\x02"), FileStatus::Ok);  // PID 2
  const fs::path typ = registerMapset(kTypFidWrong, base_, kTypFidWrong.fid);
  EXPECT_EQ(patchTypFid(pathOf(typ / "karte.typ"), 4711), FileStatus::Ok);
  const fs::path index = registerMapset(kIndexFidWrong, base_, kIndexFidWrong.fid);
  EXPECT_EQ(patchMdxFid(pathOf(index / "karte.mdx"), 4711), FileStatus::Ok);
  const fs::path older = registerMapset(kDuplicateOld, base_, kDuplicateOld.fid);
  fs::last_write_time(older / "karte.tdb",
                      fs::last_write_time(older / "karte.tdb") - std::chrono::hours(24));
  registerMapset(kDuplicateNew, base_, kDuplicateNew.fid);
  registerMapset(kFidZero, base_, 0);
  const fs::path products = folderOf(kProductsLayout);
  fs::create_directories(products);
  registerProductsEntry(registry_, base_, std::to_string(kProductsLayout.fid),
                        mapsets.make(products, "karte", kProductsLayout.name, kProductsLayout.fid, 1));
  for (const char* tile : {"63240001.img", "63240002.img"})
    copyInto(mapsets.root() / "mapset" / tile, products, tile);
  registerMapset(kWrongBase, unusedBase_, kWrongBase.fid);
  fs::remove_all(registerMapset(kOrphaned, base_, kOrphaned.fid));
  registerMapset(kRegistryIdWrong, base_, kRegistryIdWrong.fid);
  ffStringSpeichern(registry_, Root::LocalMachine, familyKey(kRegistryIdWrong, base_), kValueId,
                    fidByteText(kWrongRegistryId));
  makeRegisteredTwice();
  makeTypShared();
  makePackages();
}

void BrokenInstallation::makeRegisteredTwice() {
  registerMapset(kRegisteredTwice, base_, kRegisteredTwice.fid);
  copyKey(registry_, familyKey(kRegisteredTwice, base_), familyKeyNT(kRegisteredTwice));
}

void BrokenInstallation::makeTypShared() {
  const fs::path owner = registerMapset(kTypSharedOwner, base_, kTypSharedOwner.fid);
  registerMapset(kTypSharedOther, base_, kTypSharedOther.fid);
  fStringSpeichern(registry_, Root::LocalMachine, familyKey(kTypSharedOther, base_), kValueTyp,
                   pathOf(owner / "karte.typ"));
}

void BrokenInstallation::makePackages() {
  const fs::path maps = filePath(mapFolders_.allUsers);
  const fs::path whole = mapsets.copyPackage(maps, kWholePackage);
  copyInto(mapsets.root() / "typ" / "harz-typ.typ", whole, "harz.typ");
  std::string wholeXml = readFile(whole / "Info.xml");
  wholeXml.insert(wholeXml.find("<SubProduct>"), "<TYP>harz.typ</TYP>\n");
  writeFile(whole / "Info.xml", wholeXml);
  const fs::path damaged = mapsets.copyPackage(maps, kDamagedPackage) / "Info.xml";
  const std::string xml = readFile(damaged);
  writeFile(damaged, xml.substr(0, xml.find("<SubProduct>") + 20));
  const fs::path idWrong = mapsets.copyPackage(maps, kPackageIdWrong);
  std::string idXml = readFile(idWrong / "Info.xml");
  const std::string id = "<ID>4711</ID>";
  idXml.replace(idXml.find(id), id.size(), "<ID>" + std::to_string(kPackageIdWrongInfoXml) + "</ID>");
  writeFile(idWrong / "Info.xml", idXml);
  const fs::path tdb = packageTdb(idWrong);
  fs::last_write_time(tdb, fs::last_write_time(packageTdb(whole)) + std::chrono::hours(1));
}

}  // namespace mapsetdesk::testing
