// A tile folder whose name Windows-1252 cannot hold (Polish and Cyrillic
// letters), on the real registry and file system: the setting Dir keeps it,
// the mapset in it is listed complete, and its removal deletes its files.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/Settings.h"
#include "app/messages/MessageCatalogue.h"
#include "catalogue/CatalogueFixture.h"
#include "catalogue/MapsetRemoval.h"
#include "platform/FilePath.h"
#include "platform/FolderOps.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class UnicodeFolder : public CatalogueTest {
 protected:
  fs::path unicodeFolder() const { return folder.path() / filePath(kUnicodeFolderName); }
};

TEST_F(UnicodeFolder, TheSettingDirKeepsTheFolderName) {
  Settings settings(registry());
  const std::string saved = settings.dir();
  MessageCatalogue catalogue;
  catalogue.fill(Sprache::English);
  const std::string tiles = std::string("C:\\Karten\\") + kUnicodeFolderName;

  EXPECT_TRUE(settings.storeDirChecked(tiles, dialogs, catalogue.text("Fehler29")));
  EXPECT_EQ(settings.dir(), tiles);
  EXPECT_TRUE(dialogs.messages().empty());
  if (saved.empty())
    fWerteLoeschen(registry(), Root::CurrentUser, std::string(kSettingsKey), std::string(kDirValue));
  else
    settings.storeDir(saved);
}

TEST_F(UnicodeFolder, AMapsetInItIsListedCompleteAndItsRemovalDeletesItsFiles) {
  const MapsetFiles files = mapsets.make(unicodeFolder(), "Lodz", "Karte S\xC3\xBC""d", 4712, 1);
  ASSERT_TRUE(fs::exists(filePath(files.tdb)));
  EXPECT_NE(files.tdb.find(kUnicodeFolderName), std::string::npos);
  registerFamily("Lodz4712", "1", files);

  const RegistryCatalogue catalogue = listRegistry();
  ASSERT_EQ(catalogue.rows.size(), 1u);
  EXPECT_EQ(catalogue.rows[0].state, EntryState::Complete);
  EXPECT_EQ(catalogue.rows[0].cells.name, "Karte S\xC3\xBC""d");
  EXPECT_EQ(catalogue.rows[0].entry.tdb, files.tdb);
  EXPECT_EQ(catalogue.rows[0].entry.tileFolder, files.tiles);

  const auto folders = openSystemFolderOps(dialogs);
  const RegistrationRemoval removal =
      removeRegistration(registry(), *folders, base(), catalogue, 0, listPackages());
  EXPECT_FALSE(removal.denied);
  EXPECT_TRUE(removal.kept.empty());
  EXPECT_FALSE(fs::exists(filePath(files.tdb)));
  EXPECT_FALSE(fs::exists(filePath(files.overview)));
  EXPECT_TRUE(listRegistry().rows.empty());
}

}  // namespace
}  // namespace mapsetdesk::testing
