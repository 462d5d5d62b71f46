#include "catalogue/CatalogueFixture.h"

namespace mapsetdesk::testing {

CatalogueTest::CatalogueTest() {
  facts.folders[kFolderCommonAppData] = pathOf(folder / "ProgramData");
  facts.folders[kFolderAppData] = pathOf(folder / "Roaming");
}

void CatalogueTest::SetUp() {
  ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
}

MapsetFiles CatalogueTest::mapset(const std::string& baseName, const std::string& name,
                                  std::uint16_t fid, std::uint16_t pid) {
  return mapsets.make(folder / "Karten", baseName, name, fid, pid);
}

void CatalogueTest::registerFamily(const std::string& family, const std::string& product,
                                   const MapsetFiles& files, RegistrationRoot root,
                                   const std::string& typ) {
  registerFamilyProduct(registry(), base(), root, family, 1, product, files, typ);
}

void CatalogueTest::registerProducts(const std::string& subkey, const MapsetFiles& files) {
  registerProductsEntry(registry(), base(), subkey, files);
}

RegistryCatalogue CatalogueTest::listRegistry() {
  return TDBlesen(registry(), dialogs, base(), kFehler25English);
}

GmapFolders CatalogueTest::mapFolders() { return gmapFolders(registry(), facts, base()); }

GmapCatalogue CatalogueTest::listPackages() { return GMPFileslisten(mapFolders(), dialogs); }

}  // namespace mapsetdesk::testing
