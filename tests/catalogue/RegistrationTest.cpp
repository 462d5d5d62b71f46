#include <gtest/gtest.h>

#include <set>
#include <string>

#include "catalogue/Registration.h"
#include "formats/ByteReader.h"
#include "platform/Codec.h"
#include "platform/MemoryRegistry.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

constexpr const char* kBase64 = "SOFTWARE\\Wow6432Node";
constexpr const char* kBase32 = "SOFTWARE";

TEST(RegistrationPaths, RootsAreTheBaseFollowedByTheirSuffix) {
  EXPECT_STREQ(rootSuffix(RegistrationRoot::Families), "\\Garmin\\MapSource\\Families\\");
  EXPECT_STREQ(rootSuffix(RegistrationRoot::FamiliesNT), "\\Garmin\\MapSource\\FamiliesNT\\");
  EXPECT_STREQ(rootSuffix(RegistrationRoot::Products), "\\Garmin\\MapSource\\Products\\");
  EXPECT_EQ(rootKeyPath("SOFTWARE\\Wow6432Node", RegistrationRoot::Families),
            "SOFTWARE\\Wow6432Node\\Garmin\\MapSource\\Families\\");
  EXPECT_EQ(rootKeyPath("SOFTWARE", RegistrationRoot::Products),
            "SOFTWARE\\Garmin\\MapSource\\Products\\");
  EXPECT_STREQ(rootLabel(RegistrationRoot::Families), "Families");
  EXPECT_STREQ(rootLabel(RegistrationRoot::FamiliesNT), "FamiliesNT");
  EXPECT_STREQ(rootLabel(RegistrationRoot::Products), "Products");
}

TEST(RegistrationPaths, FamilyProductAndProductsKeys) {
  EXPECT_EQ(familyKeyPath("SOFTWARE", RegistrationRoot::Families, "Topo_Har1234"),
            "SOFTWARE\\Garmin\\MapSource\\Families\\Topo_Har1234");
  EXPECT_EQ(productKeyPath("SOFTWARE", RegistrationRoot::Families, "Topo_Har1234", 1),
            "SOFTWARE\\Garmin\\MapSource\\Families\\Topo_Har1234\\1");
  EXPECT_EQ(productKeyPath("SOFTWARE\\Wow6432Node", RegistrationRoot::FamiliesNT, "X7", 65535),
            "SOFTWARE\\Wow6432Node\\Garmin\\MapSource\\FamiliesNT\\X7\\65535");
  EXPECT_EQ(productsKeyPath("SOFTWARE", "1234"), "SOFTWARE\\Garmin\\MapSource\\Products\\1234");
}

TEST(RegistrationValues, NamesAreTheOnesMapSourceReads) {
  const std::set<std::string> names = {kValueId,  kValueTyp, kValueIdx, kValueMdr,
                                       kValueTrf, kValueTdb, kValueBmap, kValueLoc};
  EXPECT_EQ(names, (std::set<std::string>{"ID", "TYP", "IDX", "MDR", "trf", "TDB", "BMAP", "LOC"}));
}

TEST(RegistrationFid, ByteTextCarriesTheBytesAsCharacters) {
  EXPECT_EQ(fidByteText(1234), "\xC3\x92\x04");  // U+00D2, U+0004
  EXPECT_EQ(toAnsi(fidByteText(1234)), u16Bytes(1234));
  // Bytes that Windows-1252 leaves undefined or maps above U+00FF survive too.
  for (const std::uint16_t fid : {0x8081, 0x9D8D, 0x0080, 0xFF00, 0x0100}) {
    EXPECT_EQ(toAnsi(fidByteText(fid)), u16Bytes(fid)) << fid;
  }
}

TEST(RegistrationNames, MapnameIsEightCharactersWithUnderscoresAndPadding) {
  EXPECT_EQ(makeMapname("Topo Harz"), "Topo_Har");
  EXPECT_EQ(makeMapname("AB"), "ABoooooo");
  EXPECT_EQ(makeMapname("A B"), "A_Booooo");
  EXPECT_EQ(makeMapname("Exactly8"), "Exactly8");
  EXPECT_EQ(makeMapname("Zürich Oberland"), "Zürich_O");  // characters, not bytes
}

TEST(RegistrationNames, FamilyKeyOfANewInstallation) {
  EXPECT_EQ(familyKeyNameFromMapset("Topo Harz", 1234), "Topo_Har1234");
  EXPECT_EQ(familyKeyNameFromMapset("AB", 7), "ABoooooo7");
  EXPECT_EQ(familyKeyNameFromMapset("AB", 65535), "ABoooooo65535");
}

TEST(RegistrationNames, FamilyKeyOfAnExistingTdb) {
  EXPECT_EQ(familyKeyNameFromTdb("Topo Deutschland 2010", 1234), "Topo_Deutsch1234");
  EXPECT_EQ(familyKeyNameFromTdb(std::string("Harz\0\0\0\0\0 ab\0", 13), 5), "Harz______ab5");
  EXPECT_EQ(familyKeyNameFromTdb("K\xF6ln Bonn Umland", 300), "Köln_Bonn_Um300");
  EXPECT_EQ(familyKeyNameFromTdb("Short", 1), "Short1");
}

CatalogueEntry entryWith(std::string tdb, std::string overview) {
  CatalogueEntry entry;
  entry.tdb = std::move(tdb);
  entry.overview = std::move(overview);
  entry.mapsetName = "Topo Harz";
  entry.fid = 1234;
  entry.pid = 1;
  return entry;
}

TEST(RegistrationJudgement, TdbIsCheckedBeforeTheOverview) {
  const std::set<std::string> onDisk = {"C:\\Maps\\Topo_Har.TDB", "C:\\Maps\\Topo_Har.img"};
  const FileExists exists = [&](const std::string& path) { return onDisk.count(path) > 0; };
  EXPECT_EQ(judgeEntry(entryWith("C:\\Maps\\Topo_Har.TDB", "C:\\Maps\\Topo_Har.img"), exists),
            EntryState::Complete);
  EXPECT_EQ(judgeEntry(entryWith("C:\\Maps\\Topo_Har.TDB", "C:\\Maps\\gone.img"), exists),
            EntryState::OverviewMissing);
  EXPECT_EQ(judgeEntry(entryWith("C:\\Maps\\gone.TDB", "C:\\Maps\\Topo_Har.img"), exists),
            EntryState::TdbMissing);
  EXPECT_EQ(judgeEntry(entryWith("C:\\Maps\\gone.TDB", "C:\\Maps\\gone.img"), exists),
            EntryState::TdbMissing);
}

TEST(RegistrationJudgement, AbsentValuesCountAsMissingFiles) {
  // Even a check that would call every path present cannot find an absent value.
  const FileExists everything = [](const std::string&) { return true; };
  EXPECT_EQ(judgeEntry(entryWith("", "C:\\Maps\\Topo_Har.img"), everything),
            EntryState::TdbMissing);
  EXPECT_EQ(judgeEntry(entryWith("C:\\Maps\\Topo_Har.TDB", ""), everything),
            EntryState::OverviewMissing);
}

TEST(RegistrationJudgement, BrokenEntriesShowMarkersInsteadOfNameAndIds) {
  const CatalogueEntry entry = entryWith("t", "o");
  const EntryCells complete = entryCells(entry, EntryState::Complete);
  EXPECT_EQ(complete.name, "Topo Harz");
  EXPECT_EQ(complete.fid, "1234");
  EXPECT_EQ(complete.pid, "1");
  const EntryCells noTdb = entryCells(entry, EntryState::TdbMissing);
  EXPECT_EQ(noTdb.name, "!! TDB-File fehlt !!");
  EXPECT_EQ(noTdb.fid, "Fehler");
  EXPECT_EQ(noTdb.pid, "fehler");
  const EntryCells noOverview = entryCells(entry, EntryState::OverviewMissing);
  EXPECT_EQ(noOverview.name, "!! Uebersicht fehlt !!");
  EXPECT_EQ(noOverview.fid, "Fehler");
  EXPECT_EQ(noOverview.pid, "fehler");
  const EntryCells unreadable = entryCells(entry, EntryState::TdbUnreadable);
  EXPECT_EQ(unreadable.name, "!! TDB-File defekt !!");
  EXPECT_EQ(unreadable.fid, "Fehler");
  EXPECT_EQ(unreadable.pid, "fehler");
}

// A registration as a new installation writes it, through the access layer.
void registerFamily(Registry& reg, const std::string& base, const std::string& family,
                    std::uint16_t fid, const std::string& folder, bool withTyp) {
  const Root hklm = Root::LocalMachine;
  const std::string familyKey = familyKeyPath(base, RegistrationRoot::Families, family);
  const std::string productKey = productKeyPath(base, RegistrationRoot::Families, family, 1);
  ffStringSpeichern(reg, hklm, familyKey, kValueId, fidByteText(fid));
  fStringSpeichern(reg, hklm, productKey, kValueTdb, folder + "Topo_Har.TDB");
  fStringSpeichern(reg, hklm, productKey, kValueBmap, folder + "Topo_Har.img");
  fStringSpeichern(reg, hklm, productKey, kValueLoc, folder);
  if (withTyp) fStringSpeichern(reg, hklm, familyKey, kValueTyp, folder + "Topo_Har.TYP");
}

TEST(RegistrationRoundTrip, FamilyRegistrationReadsBackAsOneCatalogueEntry) {
  MemoryRegistry reg;
  const std::string base = kBase64;
  registerFamily(reg, base, "Topo_Har1234", 1234, "C:\\Karten\\Köln\\", true);

  EXPECT_EQ(fSubkeysListen(reg, Root::LocalMachine, rootKeyPath(base, RegistrationRoot::Families)),
            std::vector<std::string>{"Topo_Har1234"});
  const CatalogueEntry entry =
      readCatalogueEntry(reg, base, RegistrationRoot::Families, "Topo_Har1234\\1");
  EXPECT_EQ(entry.root, RegistrationRoot::Families);
  EXPECT_EQ(entry.subkeyPath, "Topo_Har1234\\1");
  EXPECT_EQ(entry.tdb, "C:\\Karten\\Köln\\Topo_Har.TDB");
  EXPECT_EQ(entry.overview, "C:\\Karten\\Köln\\Topo_Har.img");
  EXPECT_EQ(entry.tileFolder, "C:\\Karten\\Köln\\");
  EXPECT_EQ(entry.typ, "C:\\Karten\\Köln\\Topo_Har.TYP");
  EXPECT_EQ(entry.familyKeyPath,
            "SOFTWARE\\Wow6432Node\\Garmin\\MapSource\\Families\\Topo_Har1234\\");

  // The registry holds Windows-1252 text and the FID as two bytes.
  const std::string productKey =
      toAnsi(productKeyPath(base, RegistrationRoot::Families, "Topo_Har1234", 1));
  const auto tdb = reg.queryValue(Root::LocalMachine, productKey, "TDB");
  ASSERT_TRUE(tdb);
  EXPECT_EQ(tdb->type, kRegSz);
  EXPECT_EQ(tdb->data, std::string("C:\\Karten\\K\xF6ln\\Topo_Har.TDB\0", 28));
  const std::string familyKey = familyKeyPath(base, RegistrationRoot::Families, "Topo_Har1234");
  const auto id = reg.queryValue(Root::LocalMachine, familyKey, "ID");
  ASSERT_TRUE(id);
  EXPECT_EQ(id->type, kRegBinary);
  EXPECT_EQ(id->data, "\xD2\x04");
  EXPECT_EQ(fRegAbfrageWert(reg, Root::LocalMachine, familyKey, kValueId), fidByteText(1234));
}

TEST(RegistrationRoundTrip, FidWithAZeroByteIsStoredWholeButReadsBackShorter) {
  MemoryRegistry reg;
  registerFamily(reg, "SOFTWARE", "ABoooooo256", 256, "C:\\Maps\\", false);
  registerFamily(reg, "SOFTWARE", "ABoooooo255", 255, "C:\\Maps\\", false);
  const auto familyKey = [](const std::string& name) {
    return familyKeyPath("SOFTWARE", RegistrationRoot::Families, name);
  };
  EXPECT_EQ(reg.queryValue(Root::LocalMachine, familyKey("ABoooooo256"), "ID")->data,
            std::string("\x00\x01", 2));
  EXPECT_EQ(reg.queryValue(Root::LocalMachine, familyKey("ABoooooo255"), "ID")->data,
            std::string("\xFF\x00", 2));
  EXPECT_EQ(fRegAbfrageWert(reg, Root::LocalMachine, familyKey("ABoooooo256"), kValueId), "");
  EXPECT_EQ(fRegAbfrageWert(reg, Root::LocalMachine, familyKey("ABoooooo255"), kValueId),
            "\xC3\xBF");
}

TEST(RegistrationRoundTrip, ValuesOfOtherInstallersReadLikeOurOwn) {
  MemoryRegistry reg;
  registerFamily(reg, "SOFTWARE", "Topo_Har1234", 1234, "C:\\Maps\\", false);
  const CatalogueEntry ours =
      readCatalogueEntry(reg, "SOFTWARE", RegistrationRoot::Families, "Topo_Har1234\\1");
  EXPECT_EQ(ours.typ, "keinTypefile");

  // Another installer spells the names its own way and ends texts with a NUL,
  // here and there after a blank.
  const std::string family = familyKeyPath("SOFTWARE", RegistrationRoot::Families, "Topo_Har1234");
  const std::string product = family + "\\1";
  const auto withNul = [](const std::string& text) { return text + '\0'; };
  reg.setValue(Root::LocalMachine, family, {"Typ", kRegSz, withNul("C:\\Maps\\style.typ ")});
  reg.setValue(Root::LocalMachine, product, {"tdb", kRegSz, withNul(ours.tdb)});
  reg.setValue(Root::LocalMachine, product, {"Bmap", kRegSz, withNul(ours.overview + " ")});
  reg.setValue(Root::LocalMachine, product, {"Loc", kRegSz, withNul(ours.tileFolder)});
  const CatalogueEntry theirs =
      readCatalogueEntry(reg, "SOFTWARE", RegistrationRoot::Families, "Topo_Har1234\\1");
  EXPECT_EQ(theirs.typ, "C:\\Maps\\style.typ");
  EXPECT_EQ(theirs.tdb, ours.tdb);
  EXPECT_EQ(theirs.overview, ours.overview);
  EXPECT_EQ(theirs.tileFolder, ours.tileFolder);
}

TEST(RegistrationRoundTrip, ProductsLayoutHasNoFamilyKeyAndNoTyp) {
  MemoryRegistry reg;
  const std::string productKey = productsKeyPath("SOFTWARE", std::to_string(1234));
  fStringSpeichern(reg, Root::LocalMachine, productKey, kValueTdb, "C:\\Maps\\Topo_Har.TDB");
  fStringSpeichern(reg, Root::LocalMachine, productKey, kValueBmap, "C:\\Maps\\Topo_Har.img");
  fStringSpeichern(reg, Root::LocalMachine, productKey, kValueLoc, "C:\\Maps\\");
  const CatalogueEntry entry = readCatalogueEntry(reg, "SOFTWARE", RegistrationRoot::Products, "1234");
  EXPECT_EQ(entry.root, RegistrationRoot::Products);
  EXPECT_EQ(entry.subkeyPath, "1234");
  EXPECT_EQ(entry.tdb, "C:\\Maps\\Topo_Har.TDB");
  EXPECT_EQ(entry.overview, "C:\\Maps\\Topo_Har.img");
  EXPECT_EQ(entry.tileFolder, "C:\\Maps\\");
  EXPECT_EQ(entry.typ, "keinTypefile");
  EXPECT_EQ(entry.familyKeyPath, "SOFTWARE\\Garmin\\MapSource\\Products\\");
}

TEST(RegistrationRoundTrip, EachBaseSeesOnlyItsOwnRegistrations) {
  MemoryRegistry reg;
  registerFamily(reg, kBase32, "Topo_Har1234", 1234, "C:\\Maps\\", true);
  const FileExists everything = [](const std::string&) { return true; };
  const CatalogueEntry seen =
      readCatalogueEntry(reg, kBase32, RegistrationRoot::Families, "Topo_Har1234\\1");
  const CatalogueEntry unseen =
      readCatalogueEntry(reg, kBase64, RegistrationRoot::Families, "Topo_Har1234\\1");
  EXPECT_EQ(judgeEntry(seen, everything), EntryState::Complete);
  EXPECT_EQ(unseen.tdb, "");
  EXPECT_EQ(unseen.typ, "keinTypefile");
  EXPECT_EQ(judgeEntry(unseen, everything), EntryState::TdbMissing);
  EXPECT_TRUE(fSubkeysListen(reg, Root::LocalMachine,
                             rootKeyPath(kBase64, RegistrationRoot::Families))
                  .empty());
}

}  // namespace
}  // namespace mapsetdesk
