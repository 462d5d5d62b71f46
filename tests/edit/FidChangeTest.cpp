// The FID change over mkgmap's files: a registered mapset with TYP and index,
// and mkgmap's gmap package; every file it rewrites checked byte for byte.
#include "edit/FidChange.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/messages/FidTexts.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "catalogue/CatalogueMessages.h"
#include "catalogue/Registration.h"
#include "formats/MdxIndex.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TypHeader.h"
#include "history/JournaledAction.h"
#include "platform/RegistryOps.h"
#include "support/RealMapsets.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "support/TestRegistry.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::uint16_t kOldFid = 1234;  // TYP copy "2104.Typ"
constexpr std::uint16_t kNewFid = 2345;  // TYP copy "419.Typ"
constexpr std::uint16_t kSameCopyName = 26626;  // also "2104.Typ"

class FidChangeTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(mapsets.available()) << kNoGarminFiles; }
  void TearDown() override { dialogs.expectAllTaken(); }

  Registry& registry() { return testRegistry.registry(); }
  const std::string& base() const { return testRegistry.base(Root::LocalMachine); }
  fs::path karten() const { return folder / "Karten"; }
  std::string familyKey(const std::string& family) const {
    return familyKeyPath(base(), RegistrationRoot::Families, family);
  }
  std::string garmin(const std::string& relative) const {
    return readFile(mapsets.root() / relative);
  }

  // A registered mapset with a TYP file of its own and mkgmap's index.
  MapsetFiles registerMapset(const std::string& family, std::uint16_t fid,
                             const std::string& typName) {
    const MapsetFiles files = mapsets.make(karten(), family, family, fid, 1);
    const std::string typ = pathOf(karten() / typName);
    writeFile(typ, garmin("typ/harz-typ.typ"));
    registerFamilyProduct(registry(), base(), RegistrationRoot::Families, family, fid, "1", files,
                          typ);
    const std::string index = pathOf(karten() / (family + ".mdx"));
    writeFile(index, garmin("mapset/osmmap.mdx"));
    fStringSpeichern(registry(), Root::LocalMachine, familyKey(family), kValueIdx, index);
    return files;
  }
  RegistryCatalogue listed() { return TDBlesen(registry(), dialogs, base(), "Fehler25 "); }
  const CatalogueRow& rowOf(const RegistryCatalogue& catalogue, const std::string& name) {
    for (const CatalogueRow& row : catalogue.rows)
      if (row.entry.mapsetName == name) return row;
    ADD_FAILURE() << name << " is not listed";
    return catalogue.rows.front();
  }
  // The change as the window and the command line run it: inside an entry
  // of the change history, which puts back a change that cannot finish.
  FidChangeResult journaled(
      const std::function<FidChangeResult(Registry&, const FileKeeping&)>& change) {
    FidChangeResult result;
    const ActionOutcome outcome =
        runJournaled(journal, registry(), *folders, "fid", "Test", [&](Recorded& recorded) {
          result = change(recorded.registry, keepingIn(recorded.entry));
          return result.stop == FidChangeStop::None;
        });
    return afterJournal(result, outcome);
  }
  FidChangeResult change(const std::string& name, std::uint16_t fid) {
    const RegistryCatalogue catalogue = listed();
    return journaled([&](Registry& recording, const FileKeeping& keepFile) {
      return changeRegisteredFid(recording, rowOf(catalogue, name), catalogue, fid, dialogs,
                                 texts, keepFile);
    });
  }
  FidChangeResult changePackage(const GmapRow& row, std::uint16_t fid) {
    return journaled([&](Registry&, const FileKeeping& keepFile) {
      return changePackageFid(row, fid, dialogs, texts, keepFile);
    });
  }
  std::string indexWith(std::uint16_t fid) {
    std::string bytes = garmin("mapset/osmmap.mdx");
    EXPECT_TRUE(setMdxFid(bytes, fid));
    return bytes;
  }

  TempDir folder;
  RealMapsets mapsets;
  ScriptedDialogs dialogs;
  TestRegistry testRegistry;
  TdbTexts texts = tdbVorhandenTexts(Sprache::English).tdb;
  Journal journal{folder / "History"};
  std::unique_ptr<FolderOps> folders = openSystemFolderOps(dialogs);
};

void expectTdbFid(const std::string& tdb, std::uint16_t fid) {
  EXPECT_EQ(readTdbHeader(tdb).header.fid, fid);
  EXPECT_EQ(checkTdbChecksum(readFile(tdb)).state, TdbChecksumState::Ok);
}

// The old TDB with only the FID and the checksum renewed.
std::string tdbWith(std::string bytes, std::uint16_t fid) {
  bytes[kTdbFidOffset] = static_cast<char>(fid & 0xFF);
  bytes[kTdbFidOffset + 1] = static_cast<char>(fid >> 8);
  applyTdbChecksum(bytes);
  return bytes;
}

TEST_F(FidChangeTest, RegisteredMapsetGetsTheFidInEveryPlace) {
  const MapsetFiles files = registerMapset("Topo", kOldFid, "harz.typ");
  const std::string oldTdb = readFile(files.tdb);
  const std::string index = pathOf(karten() / "Topo.mdx");
  const std::string copy = pathOf(karten() / "419.Typ");

  const FidChangeResult result = change("Topo", kNewFid);

  EXPECT_EQ(result.stop, FidChangeStop::None);
  EXPECT_EQ(result.changed, (std::vector<std::string>{files.tdb, copy, index}));
  expectTdbFid(files.tdb, kNewFid);
  EXPECT_EQ(readFile(files.tdb), tdbWith(oldTdb, kNewFid));
  EXPECT_EQ(readFile(index), indexWith(kNewFid));
  EXPECT_EQ(readTypFid(readFile(copy)), kNewFid);
  EXPECT_EQ(readFile(karten() / "harz.typ"), garmin("typ/harz-typ.typ"));
  EXPECT_EQ(fRegAbfrageWert(registry(), Root::LocalMachine, familyKey("Topo"), kValueTyp), copy);
  EXPECT_EQ(fRegAbfrageWert(registry(), Root::LocalMachine, familyKey("Topo"), kValueId),
            fidByteText(kNewFid));
  EXPECT_EQ(rowOf(listed(), "Topo").cells.fid, "2345");
}

TEST_F(FidChangeTest, FidsAbove32767AreSplitUnsigned) {
  const MapsetFiles files = registerMapset("Hoch", kOldFid, "harz.typ");
  EXPECT_EQ(change("Hoch", 60000).stop, FidChangeStop::None);
  expectTdbFid(files.tdb, 60000);
  EXPECT_EQ(readTypFid(readFile(karten() / "96234.Typ")), 60000);
}

TEST_F(FidChangeTest, AnotherMapsetsTypCopyIsNeverOverwritten) {
  const MapsetFiles first = registerMapset("Erste", kOldFid, "2104.Typ");
  const MapsetFiles second = registerMapset("Zweite", 3000, "zweite.typ");
  writeFile(karten() / "2104.Typ", "another mapset's style");
  const std::string secondTdb = readFile(second.tdb);

  const FidChangeResult result = change("Zweite", kSameCopyName);

  EXPECT_EQ(result.stop, FidChangeStop::TypClash);
  EXPECT_EQ(result.stoppedAt, pathOf(karten() / "2104.Typ"));
  EXPECT_TRUE(result.changed.empty());
  EXPECT_EQ(readFile(second.tdb), secondTdb);
  EXPECT_EQ(readFile(karten() / "2104.Typ"), "another mapset's style");
  EXPECT_EQ(readFile(karten() / "Zweite.mdx"), garmin("mapset/osmmap.mdx"));
}

TEST_F(FidChangeTest, ItsOwnTypCopyIsRenewed) {
  registerMapset("Eigen", kSameCopyName, "2104.Typ");
  EXPECT_EQ(change("Eigen", kOldFid).stop, FidChangeStop::None);
  EXPECT_EQ(readTypFid(readFile(karten() / "2104.Typ")), kOldFid);
}

TEST_F(FidChangeTest, AMissingTdbChangesNothing) {
  const MapsetFiles files = registerMapset("Weg", kOldFid, "harz.typ");
  const RegistryCatalogue catalogue = listed();
  const CatalogueRow row = rowOf(catalogue, "Weg");
  fs::remove(filePath(files.tdb));
  const FidChangeResult result =
      journaled([&](Registry& recording, const FileKeeping& keepFile) {
        return changeRegisteredFid(recording, row, catalogue, kNewFid, dialogs, texts, keepFile);
      });
  EXPECT_EQ(result.stop, FidChangeStop::MapMissing);
  EXPECT_TRUE(result.changed.empty());
  EXPECT_FALSE(fs::exists(karten() / "419.Typ"));
  EXPECT_EQ(fRegAbfrageWert(registry(), Root::LocalMachine, familyKey("Weg"), kValueId),
            fidByteText(kOldFid));
}

// A damaged index is found only when it is written, after the TDB and the
// TYP copy: both are put back, and the registry was not touched yet.
TEST_F(FidChangeTest, AChangeThatCannotFinishPutsBackEveryFile) {
  const MapsetFiles files = registerMapset("Halb", kOldFid, "harz.typ");
  const std::string tdbBefore = readFile(files.tdb);
  const std::string index = pathOf(karten() / "Halb.mdx");
  std::string damaged = garmin("mapset/osmmap.mdx");
  damaged[kMdxCountOffset] = '\x7f';
  writeFile(index, damaged);

  const FidChangeResult result = change("Halb", kNewFid);

  EXPECT_EQ(result.stop, FidChangeStop::FileFailed);
  EXPECT_EQ(result.stoppedAt, index);
  EXPECT_TRUE(result.changed.empty()) << "every file is back";
  EXPECT_EQ(readFile(files.tdb), tdbBefore);
  EXPECT_FALSE(fs::exists(karten() / "419.Typ"));
  EXPECT_EQ(readFile(index), damaged);
  EXPECT_EQ(fRegAbfrageWert(registry(), Root::LocalMachine, familyKey("Halb"), kValueTyp),
            pathOf(karten() / "harz.typ"));
  EXPECT_EQ(fRegAbfrageWert(registry(), Root::LocalMachine, familyKey("Halb"), kValueId),
            fidByteText(kOldFid));
  const FidTexts english = fidTexts(Sprache::English);
  EXPECT_EQ(fidStoppedMessage(english, result.stoppedAt, result.changed),
            english.stoppedAt + index + "\n" + english.nothingChanged);
}

TEST_F(FidChangeTest, ADamagedTypStopsTheChangeBeforeTheTdb) {
  const MapsetFiles files = registerMapset("Kaputt", kOldFid, "harz.typ");
  const std::string tdbBefore = readFile(files.tdb);
  writeFile(karten() / "harz.typ", std::string(20, 't'));

  const FidChangeResult result = change("Kaputt", kNewFid);

  EXPECT_EQ(result.stop, FidChangeStop::FileFailed);
  EXPECT_EQ(result.stoppedAt, pathOf(karten() / "harz.typ"));
  EXPECT_TRUE(result.changed.empty());
  EXPECT_EQ(readFile(files.tdb), tdbBefore);
  EXPECT_FALSE(fs::exists(karten() / "419.Typ"));
  EXPECT_EQ(readFile(karten() / "Kaputt.mdx"), garmin("mapset/osmmap.mdx"));
}

class PackageFidChange : public FidChangeTest {
 protected:
  void SetUp() override {
    FidChangeTest::SetUp();
    package = mapsets.copyPackage(folder / "Maps", "Harz Familie");
    std::string info = readFile(package / "Info.xml");
    info.replace(info.find("<MDR>"), 0, "<TYP>harz.typ</TYP>\n ");
    writeFile(package / "Info.xml", info);
    writeFile(package / "harz.typ", garmin("typ/harz-typ.typ"));
  }
  GmapRow row() {
    GmapCatalogue catalogue;
    gmpInfoXmlLesen(pathOf(package), catalogue, dialogs);
    EXPECT_EQ(catalogue.rows.size(), 1u);
    return catalogue.rows.front();
  }

  fs::path package;
};

TEST_F(PackageFidChange, TdbIndexInfoFilesAndTypGetTheNewFid) {
  std::string info = readFile(package / "Info.xml");
  std::string infoV2 = info;
  infoV2.replace(infoV2.find("<ID>3</ID>"), 10, "<ID>4711</ID>");
  writeFile(package / "Info_v2.xml", infoV2);
  const std::string tdb = pathOf(package / "Product3" / "osmmap.tdb");
  const std::string oldTdb = readFile(tdb);

  const FidChangeResult result = changePackage(row(), kNewFid);

  EXPECT_EQ(result.stop, FidChangeStop::None);
  EXPECT_EQ(result.changed,
            (std::vector<std::string>{tdb, pathOf(package / "osmmap.mdx"),
                                      pathOf(package / "Info_v2.xml"),
                                      pathOf(package / "Info.xml"), pathOf(package / "harz.typ")}));
  expectTdbFid(tdb, kNewFid);
  EXPECT_EQ(readFile(tdb), tdbWith(oldTdb, kNewFid));
  EXPECT_EQ(readFile(package / "osmmap.mdx"), indexWith(kNewFid));
  info.replace(info.find("<ID>4711</ID>"), 13, "<ID>2345</ID>");
  EXPECT_EQ(readFile(package / "Info.xml"), info);
  infoV2.replace(infoV2.find("<ID>4711</ID>"), 13, "<ID>2345</ID>");
  EXPECT_EQ(readFile(package / "Info_v2.xml"), infoV2);
  EXPECT_NE(infoV2.find("<ID>4711</ID>"), std::string::npos);
  EXPECT_EQ(readTypFid(readFile(package / "harz.typ")), kNewFid);
  EXPECT_EQ(row().fid, "2345");
}

TEST_F(PackageFidChange, AMissingTdbChangesNothing) {
  const GmapRow picked = row();
  const std::string info = readFile(package / "Info.xml");
  fs::remove(filePath(picked.tdb));
  const FidChangeResult result = changePackage(picked, kNewFid);
  EXPECT_EQ(result.stop, FidChangeStop::MapMissing);
  EXPECT_EQ(result.stoppedAt, picked.tdb);
  EXPECT_EQ(readFile(package / "Info.xml"), info);
  EXPECT_EQ(readFile(package / "osmmap.mdx"), garmin("mapset/osmmap.mdx"));
}

TEST_F(PackageFidChange, AnInfoXmlThatCannotBeWrittenPutsBackTdbIndexAndInfoV2) {
  const std::string info = readFile(package / "Info.xml");
  writeFile(package / "Info_v2.xml", info);
  const GmapRow picked = row();
  const std::string tdbBefore = readFile(picked.tdb);
  fs::create_directory(package / "Info.xml.mapsetdesk-new");

  const FidChangeResult result = changePackage(picked, kNewFid);

  EXPECT_EQ(result.stop, FidChangeStop::FileFailed);
  EXPECT_EQ(result.stoppedAt, pathOf(package / "Info.xml"));
  EXPECT_TRUE(result.changed.empty());
  EXPECT_EQ(readFile(picked.tdb), tdbBefore);
  EXPECT_EQ(readFile(package / "osmmap.mdx"), garmin("mapset/osmmap.mdx"));
  EXPECT_EQ(readFile(package / "Info_v2.xml"), info);
  EXPECT_EQ(readFile(package / "Info.xml"), info);
  EXPECT_EQ(readTypFid(readFile(package / "harz.typ")), 4711);
}

// The change history refuses to keep Info.xml: the change stops before its
// first write.
TEST_F(PackageFidChange, AFileTheHistoryCannotKeepStopsTheChangeBeforeAnyWrite) {
  const GmapRow picked = row();
  const std::string tdbBefore = readFile(picked.tdb);
  const std::string info = pathOf(package / "Info.xml");
  const FidChangeResult result =
      changePackageFid(picked, kNewFid, dialogs, texts,
                       [&](const std::string& path) { return path != info; });
  EXPECT_EQ(result.stop, FidChangeStop::FileFailed);
  EXPECT_EQ(result.stoppedAt, info);
  EXPECT_TRUE(result.changed.empty());
  EXPECT_EQ(readFile(picked.tdb), tdbBefore);
  EXPECT_EQ(readFile(package / "osmmap.mdx"), garmin("mapset/osmmap.mdx"));
}

// A TYP element naming a file outside the package: the package is damaged,
// so the FID change has no row to work on and the file stays as it was.
TEST_F(PackageFidChange, ATypNamedOutsideThePackageLeavesThePackageUnlisted) {
  const fs::path victim = folder / "victim.typ";
  writeFile(victim, garmin("typ/harz-typ.typ"));
  std::string info = readFile(package / "Info.xml");
  info.replace(info.find("<TYP>harz.typ"), 13, "<TYP>../../victim.typ");
  writeFile(package / "Info.xml", info);
  GmapCatalogue catalogue;
  gmpInfoXmlLesen(pathOf(package), catalogue, dialogs);
  EXPECT_TRUE(catalogue.rows.empty());
  EXPECT_EQ(dialogs.take().text, damagedInfoXmlText(pathOf(package / "Info.xml")));
  EXPECT_FALSE(packageTypName(pathOf(package / "Info.xml")));
  EXPECT_EQ(readFile(victim), garmin("typ/harz-typ.typ"));
}

}  // namespace
}  // namespace mapsetdesk::testing
