// The listing of registered mapsets over real registrations and real TDB
// files: what each row shows, in which order, and how broken entries appear.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/CatalogueFixture.h"
#include "catalogue/FidAllocation.h"
#include "formats/TdbHeader.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> names(const RegistryCatalogue& catalogue) {
  std::vector<std::string> shown;
  for (const CatalogueRow& row : catalogue.rows) shown.push_back(row.cells.name);
  return shown;
}

std::vector<std::string> subkeys(const RegistryCatalogue& catalogue) {
  std::vector<std::string> shown;
  for (const CatalogueRow& row : catalogue.rows)
    shown.push_back(std::string(rootLabel(row.entry.root)) + ":" + row.entry.subkeyPath);
  return shown;
}

using CatalogueListing = CatalogueTest;

TEST_F(CatalogueListing, EmptyRegistryListsNothing) {
  const RegistryCatalogue catalogue = listRegistry();
  EXPECT_TRUE(catalogue.rows.empty());
  EXPECT_TRUE(catalogue.familyNames.empty());
  EXPECT_EQ(catalogue.productsSeen, 0);
  EXPECT_EQ(catalogue.familyEntries, 0);
}

TEST_F(CatalogueListing, FamilyRegistrationShowsItsTdbHeaderAndValues) {
  const MapsetFiles files = mapset("Harz_Sud", "Harzkarte Süd", 4711, 3);
  registerFamily("Harz_Sud4711", "3", files, RegistrationRoot::Families, "C:\\Typ\\harz.typ");

  const RegistryCatalogue catalogue = listRegistry();
  ASSERT_EQ(catalogue.rows.size(), 1u);
  const CatalogueRow& row = catalogue.rows[0];
  EXPECT_EQ(row.state, EntryState::Complete);
  EXPECT_EQ(row.cells.name, "Harzkarte Süd");
  EXPECT_EQ(row.cells.fid, "4711");
  EXPECT_EQ(row.cells.pid, "3");
  EXPECT_EQ(row.entry.root, RegistrationRoot::Families);
  EXPECT_EQ(row.entry.subkeyPath, "Harz_Sud4711\\3");
  EXPECT_EQ(row.entry.tdb, files.tdb);
  EXPECT_EQ(row.entry.overview, files.overview);
  EXPECT_EQ(row.entry.tileFolder, files.tiles);
  EXPECT_EQ(row.entry.typ, "C:\\Typ\\harz.typ");
  EXPECT_EQ(row.entry.familyKeyPath, base() + "\\Garmin\\MapSource\\Families\\Harz_Sud4711\\");
  EXPECT_EQ(catalogue.familyNames, std::vector<std::string>{"Harz_Sud4711"});
  EXPECT_EQ(catalogue.familyEntries, 1);
}

TEST_F(CatalogueListing, ProductsEntryHasNoTypAndNamesTheProductsRoot) {
  registerProducts("4711", mapset("Alt", "Altkarte", 4711, 1));
  const RegistryCatalogue catalogue = listRegistry();
  ASSERT_EQ(catalogue.rows.size(), 1u);
  EXPECT_EQ(catalogue.rows[0].entry.root, RegistrationRoot::Products);
  EXPECT_EQ(catalogue.rows[0].entry.subkeyPath, "4711");
  EXPECT_EQ(catalogue.rows[0].entry.typ, "keinTypefile");
  EXPECT_EQ(catalogue.rows[0].entry.familyKeyPath, base() + "\\Garmin\\MapSource\\Products\\");
  EXPECT_EQ(catalogue.productsSeen, 1);
  EXPECT_EQ(catalogue.familyEntries, 0);
}

TEST_F(CatalogueListing, SortsByCharacterCodesSoUpperCaseComesFirst) {
  registerFamily("alpha10", "1", mapset("alpha", "alpha", 10, 1));
  registerFamily("Beta11", "1", mapset("Beta", "Beta", 11, 1));
  registerFamily("Zulu12", "1", mapset("Zulu", "Zulu", 12, 1));
  registerFamily("Gone13", "1", {"", "", ""});
  EXPECT_EQ(names(listRegistry()),
            (std::vector<std::string>{"!! TDB-File fehlt !!", "Beta", "Zulu", "alpha"}));
}

TEST_F(CatalogueListing, EqualNamesKeepTheOrderProductsFamiliesFamiliesNt) {
  const MapsetFiles files = mapset("Same", "Gleich", 20, 1);
  registerFamily("Same20", "1", files, RegistrationRoot::FamiliesNT);
  registerFamily("Same20", "1", files, RegistrationRoot::Families);
  registerProducts("20", files);
  registerFamily("Anders21", "1", mapset("Anders", "Anders", 21, 1));
  EXPECT_EQ(subkeys(listRegistry()),
            (std::vector<std::string>{"Families:Anders21\\1", "Products:20", "Families:Same20\\1",
                                      "FamiliesNT:Same20\\1"}));
}

TEST_F(CatalogueListing, TwoProductsOfOneFamilyAreTwoRows) {
  registerFamily("Topo30", "1", mapset("Topo1", "Topo Nord", 30, 1));
  registerFamily("Topo30", "2", mapset("Topo2", "Topo Sued", 30, 2));
  const RegistryCatalogue catalogue = listRegistry();
  ASSERT_EQ(catalogue.rows.size(), 2u);
  EXPECT_EQ(catalogue.rows[0].entry.subkeyPath, "Topo30\\1");
  EXPECT_EQ(catalogue.rows[1].entry.subkeyPath, "Topo30\\2");
  EXPECT_EQ(catalogue.rows[0].cells.fid, "30");
  EXPECT_EQ(catalogue.rows[1].cells.fid, "30");
  EXPECT_EQ(catalogue.rows[0].cells.pid, "1");
  EXPECT_EQ(catalogue.rows[1].cells.pid, "2");
  EXPECT_EQ(catalogue.familyNames, std::vector<std::string>{"Topo30"});
}

TEST_F(CatalogueListing, FidFieldZeroListsThePid) {
  registerFamily("Null0", "1", mapset("Null", "Ohne FID", 0, 777));
  const RegistryCatalogue catalogue = listRegistry();
  ASSERT_EQ(catalogue.rows.size(), 1u);
  EXPECT_EQ(catalogue.rows[0].cells.fid, "777");
  EXPECT_EQ(catalogue.rows[0].cells.pid, "777");
}

TEST_F(CatalogueListing, NamesAreCutToFortyCharacters) {
  const std::string longName = "Eine sehr lange Karte mit viel mehr als vierzig Zeichen";
  registerFamily("Lang40", "1", mapset("Lang", longName, 40, 1));
  const RegistryCatalogue catalogue = listRegistry();
  ASSERT_EQ(catalogue.rows.size(), 1u);
  EXPECT_EQ(catalogue.rows[0].cells.name, longName.substr(0, 40));
}

TEST_F(CatalogueListing, BrokenEntriesAreListedWithTheirMarkers) {
  const MapsetFiles noTdb = mapset("NoTdb", "Ohne TDB", 50, 1);
  fs::remove(filePath(noTdb.tdb));
  const MapsetFiles noOverview = mapset("NoImg", "Ohne Uebersicht", 51, 1);
  fs::remove(filePath(noOverview.overview));
  MapsetFiles damaged = mapset("Damaged", "Kaputt", 52, 1);
  writeFile(filePath(damaged.tdb), readFile(filePath(damaged.tdb)).substr(0, 12));
  registerFamily("NoTdb50", "1", noTdb);
  registerFamily("NoImg51", "1", noOverview);
  registerFamily("Damaged52", "1", damaged);
  // A product key without any TDB value.
  fStringSpeichern(registry(), Root::LocalMachine,
                   productKeyPath(base(), RegistrationRoot::Families, "ZEmpty53", 1), kValueLoc,
                   "C:\\Karten\\");

  const RegistryCatalogue catalogue = listRegistry();
  ASSERT_EQ(catalogue.rows.size(), 4u);
  for (const CatalogueRow& row : catalogue.rows) {
    EXPECT_EQ(row.cells.fid, "Fehler") << row.entry.subkeyPath;
    EXPECT_EQ(row.cells.pid, "fehler") << row.entry.subkeyPath;
  }
  EXPECT_EQ(subkeys(catalogue),
            (std::vector<std::string>{"Families:Damaged52\\1", "Families:NoTdb50\\1",
                                      "Families:ZEmpty53\\1", "Families:NoImg51\\1"}));
  EXPECT_EQ(names(catalogue),
            (std::vector<std::string>{"!! TDB-File defekt !!", "!! TDB-File fehlt !!",
                                      "!! TDB-File fehlt !!", "!! Uebersicht fehlt !!"}));
}

TEST_F(CatalogueListing, FamilyKeyWithoutProductsAddsOnlyItsName) {
  ffStringSpeichern(registry(), Root::LocalMachine,
                    familyKeyPath(base(), RegistrationRoot::Families, "Leer60"), kValueId,
                    fidByteText(60));
  const RegistryCatalogue catalogue = listRegistry();
  EXPECT_TRUE(catalogue.rows.empty());
  EXPECT_EQ(catalogue.familyNames, std::vector<std::string>{"Leer60"});
}

TEST_F(CatalogueListing, FamilyNamesOfBothRootsAreKeptInOrder) {
  registerFamily("Fam1", "1", mapset("F1", "F eins", 61, 1));
  registerFamily("Nt1", "1", mapset("N1", "N eins", 62, 1), RegistrationRoot::FamiliesNT);
  EXPECT_EQ(listRegistry().familyNames, (std::vector<std::string>{"Fam1", "Nt1"}));
}

TEST_F(CatalogueListing, AFamilyInBothRootsIsListedOncePerRoot) {
  const MapsetFiles files = mapset("Doppelt", "Doppelt", 70, 1);
  registerFamily("Doppelt70", "1", files, RegistrationRoot::Families);
  registerFamily("Doppelt70", "1", files, RegistrationRoot::FamiliesNT);
  const RegistryCatalogue catalogue = listRegistry();
  EXPECT_EQ(subkeys(catalogue),
            (std::vector<std::string>{"Families:Doppelt70\\1", "FamiliesNT:Doppelt70\\1"}));
  EXPECT_EQ(catalogue.familyNames, (std::vector<std::string>{"Doppelt70", "Doppelt70"}));
}

// The registry finds "ärger71" below FamiliesNT when asked for
// "Ärger71": the two spellings are one key and listed once per root, so
// their FID is no duplicate of its own.
TEST_F(CatalogueListing, AFamilyWhoseAccentedLetterDiffersInCaseIsOneFamily) {
  const MapsetFiles files = mapset("Aerger", "Ärger", 71, 1);
  registerFamily("Ärger71", "1", files, RegistrationRoot::Families);
  registerFamily("ärger71", "1", files, RegistrationRoot::FamiliesNT);
  const RegistryCatalogue catalogue = listRegistry();
  EXPECT_EQ(subkeys(catalogue), (std::vector<std::string>{"Families:Ärger71\\1",
                                                          "FamiliesNT:Ärger71\\1"}));
  EXPECT_EQ(duplicateFids(catalogue, {}, [] {}), std::vector<std::string>{"71"});
}

TEST_F(CatalogueListing, TdbValueThatIsNoTextSkipsOnlyItsKeyWithFehler25) {
  registerProducts("1", mapset("P1", "Produkt eins", 81, 1));
  registerProducts("2", mapset("P2", "Produkt zwei", 82, 1));
  registerProducts("3", mapset("P3", "Produkt drei", 83, 1));
  registerFamily("Fam84", "1", mapset("F84", "Familie", 84, 1));
  registry().setValue(Root::LocalMachine, toAnsi(productsKeyPath(base(), "2")),
                      {"TDB", kRegDword, std::string("\x01\x00\x00\x00", 4)});

  const RegistryCatalogue catalogue = listRegistry();
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, kFehler25English + base() + "\\Garmin\\MapSource\\Products\\2");
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(shown.buttons, Buttons::Ok);
  // Only the unreadable key is left out: the later product's FID still counts.
  EXPECT_EQ(subkeys(catalogue),
            (std::vector<std::string>{"Families:Fam84\\1", "Products:3", "Products:1"}));
  EXPECT_EQ(catalogue.productsSeen, 3);
}

TEST_F(CatalogueListing, NamesInWindows1252AreShownAsText) {
  registerFamily("Koln90", "1", mapset("Koln", "Köln – Bonn", 90, 1));
  const RegistryCatalogue catalogue = listRegistry();
  ASSERT_EQ(catalogue.rows.size(), 1u);
  EXPECT_EQ(catalogue.rows[0].cells.name, "Köln – Bonn");
  EXPECT_EQ(toAnsi(catalogue.rows[0].cells.name), "K\xF6ln \x96 Bonn");
}

// A second base below the first: on 64-bit Windows a key named Wow6432Node
// is the same key as its parent for a 32-bit program, so it cannot serve.
TEST_F(CatalogueListing, OnlyTheChosenBaseIsListed) {
  const std::string other = base() + "\\Andere";
  registerFamily("Hier100", "1", mapset("Hier", "Hier", 100, 1));
  registerFamilyProduct(registry(), other, RegistrationRoot::Families, "Dort101", 101, "1",
                        mapset("Dort", "Dort", 101, 1));
  EXPECT_EQ(names(listRegistry()), std::vector<std::string>{"Hier"});
  EXPECT_EQ(names(TDBlesen(registry(), dialogs, other, kFehler25English)),
            std::vector<std::string>{"Dort"});
}

TEST(CatalogueSort, EqualTextsKeepTheirOrderAndTheMarkersComeFirst) {
  std::vector<CatalogueRow> rows(5);
  const char* texts[] = {"b", "!! Uebersicht fehlt !!", "B", "b", "1"};
  for (int i = 0; i < 5; ++i) {
    rows[i].cells.name = texts[i];
    rows[i].entry.subkeyPath = std::to_string(i);
  }
  ListenSortieren(rows);
  std::vector<std::string> order;
  for (const CatalogueRow& row : rows) order.push_back(row.cells.name + row.entry.subkeyPath);
  EXPECT_EQ(order, (std::vector<std::string>{"!! Uebersicht fehlt !!1", "14", "B2", "b0", "b3"}));
}

}  // namespace
}  // namespace mapsetdesk::testing
