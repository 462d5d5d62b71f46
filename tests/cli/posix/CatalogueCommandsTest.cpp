// list, free-fid, duplicates and set-wow64 of the command-line front end,
// over a data root of their own with real registrations and a real package.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app/messages/CliTexts.h"
#include "formats/InfoXml.h"
#include "platform/Platform.h"
#include "platform/RegistryOps.h"
#include "support/RealMapsets.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class CatalogueCommands : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(mapsets.available()) << kNoGarminFiles; }

  ProgramRun cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"--home", home.str()});
    return runProgram(MAPSETDESK_CLI, arguments, scratch);
  }
  // The registry of the data root; opened anew so that it sees what the
  // command-line tool wrote.
  std::unique_ptr<Registry> registry() {
    PlatformOptions options;
    options.dataRoot = home.str();
    return openSystemRegistry(options);
  }
  MapsetFiles mapset(const std::string& baseName, const std::string& name, std::uint16_t fid,
                     std::uint16_t pid = 1) {
    return mapsets.make(home / "Karten", baseName, name, fid, pid);
  }
  fs::path allUsersMaps() const { return home / "ProgramData" / "GARMIN" / "Maps"; }

  TempDir home;
  TempDir scratch;
  RealMapsets mapsets;
};

std::string row(std::initializer_list<std::string> cells) {
  std::string line;
  for (const std::string& cell : cells) line += (line.empty() ? "" : "\t") + cell;
  return line + "\n";
}

TEST_F(CatalogueCommands, WithoutTheWow64SettingWhatTheSystemSaysIsStoredOnce) {
  ProgramRun run = cli({"free-fid"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "10\n");
  EXPECT_EQ(run.err, cliTexts(Sprache::English).wow64Stored32 + "\n");
  EXPECT_EQ(fRegAbfrageWert(*registry(), Root::CurrentUser, "Software\\ZORVAN", "Wow64"), "falsch");
  run = cli({"list"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  run = cli({"--lang", "de", "set-wow64", "yes"});
  EXPECT_EQ(run.out, "wow64: yes\n");
  EXPECT_EQ(cli({"duplicates"}).err, "");
}

TEST_F(CatalogueCommands, ARegistryThatCannotBeReadIsAnErrorNotAnEmptyList) {
  const fs::path hives = home / "registry";
  fs::create_directories(hives);
  writeFile(hives / "HKEY_CURRENT_USER.reg", "REGEDIT4\r\n[HKEY_CURRENT_USER\\Softw");
  ProgramRun run = cli({"list"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("the user's registry cannot be read, so neither can the setting Wow64"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.err.find("store it first"), std::string::npos) << run.err;

  fs::remove(hives / "HKEY_CURRENT_USER.reg");
  ASSERT_EQ(cli({"set-wow64", "yes"}).exitCode, 0);
  writeFile(hives / "HKEY_LOCAL_MACHINE.reg", "not a registry file");
  run = cli({"list"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("cannot be read: HKEY_LOCAL_MACHINE"), std::string::npos) << run.err;
}

TEST_F(CatalogueCommands, SetWow64StoresTheSetting) {
  ProgramRun run = cli({"set-wow64", "yes"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "wow64: yes\n");
  run = cli({"set-wow64", "no"});
  EXPECT_EQ(run.out, "wow64: no\n");
  EXPECT_EQ(cli({"set-wow64", "vielleicht"}).exitCode, 2);
  EXPECT_EQ(cli({"set-wow64"}).exitCode, 2);
  EXPECT_EQ(cli({"list", "mehr"}).exitCode, 2);
}

TEST_F(CatalogueCommands, ListPrintsBothCataloguesInTheirOrder) {
  ASSERT_EQ(cli({"set-wow64", "yes"}).exitCode, 0);
  const std::string base = "SOFTWARE\\Wow6432Node";
  const MapsetFiles topo = mapset("Topo", "Topo Süd", 4711, 3);
  const MapsetFiles old = mapset("Alt", "Altkarte", 12);
  {
    auto reg = registry();
    registerFamilyProduct(*reg, base, RegistrationRoot::Families, "Topo4711", 4711, "3", topo,
                          "/typ/harz.typ");
    registerProductsEntry(*reg, base, "12", old);
    registerFamilyProduct(*reg, "SOFTWARE", RegistrationRoot::Families, "Anderswo1", 1, "1", old);
  }
  const fs::path package = mapsets.copyPackage(allUsersMaps(), "Harz Familie");

  const ProgramRun run = cli({"list"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            row({"registration", "Altkarte", "12", "1", "Products", "12", old.tdb, old.overview,
                 old.tiles, "", "", "", "ok"}) +
                row({"registration", "Topo Süd", "4711", "3", "Families", "Topo4711\\3", topo.tdb,
                     topo.overview, topo.tiles, "/typ/harz.typ", "", "", "ok"}) +
                row({"gmap", "Harzkarte Süd", "4711", "3", "", "",
                     pathOf(package / "Product3" / "osmmap.tdb"), "", pathOf(package), "",
                     "osmmap.mdx", pathOf(package / "Info.xml"), "ok"}));
}

TEST_F(CatalogueCommands, ListJsonGivesEveryFieldOfBothKindsForScripts) {
  ASSERT_EQ(cli({"set-wow64", "no"}).exitCode, 0);
  const MapsetFiles topo = mapset("Topo", "Topo & <Süd>", 4711, 3);
  registerFamilyProduct(*registry(), "SOFTWARE", RegistrationRoot::Families, "Topo4711", 4711, "3",
                        topo, "/typ/harz.typ");
  registerFamilyProduct(*registry(), "SOFTWARE", RegistrationRoot::Families, "Weg20", 20, "1",
                        {"/nirgends/weg.tdb", "/nirgends/weg.img", "/nirgends"});
  const fs::path package = mapsets.copyPackage(allUsersMaps(), "Harz Familie");

  const ProgramRun run = cli({"list", "--json"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const nlohmann::json expected = {
      {{"kind", "registration"}, {"name", "Topo & <Süd>"}, {"fid", 4711}, {"pid", 3},
       {"root", "Families"}, {"key", "Topo4711\\3"}, {"tdb", topo.tdb},
       {"overview", topo.overview}, {"tileFolder", topo.tiles}, {"typ", "/typ/harz.typ"},
       {"index", ""}, {"infoXml", ""}, {"state", "ok"}},
      {{"kind", "registration"}, {"name", ""}, {"fid", nullptr}, {"pid", nullptr},
       {"root", "Families"}, {"key", "Weg20\\1"}, {"tdb", "/nirgends/weg.tdb"},
       {"overview", "/nirgends/weg.img"}, {"tileFolder", "/nirgends"}, {"typ", ""},
       {"index", ""}, {"infoXml", ""}, {"state", "!! TDB-File fehlt !!"}},
      {{"kind", "gmap"}, {"name", "Harzkarte Süd"}, {"fid", 4711}, {"pid", 3}, {"root", ""},
       {"key", ""}, {"tdb", pathOf(package / "Product3" / "osmmap.tdb")}, {"overview", ""},
       {"tileFolder", pathOf(package)}, {"typ", ""}, {"index", "osmmap.mdx"},
       {"infoXml", pathOf(package / "Info.xml")}, {"state", "ok"}}};
  const nlohmann::json listed = nlohmann::json::parse(run.out);
  ASSERT_EQ(listed.size(), 3u) << run.out;
  for (const nlohmann::json& entry : expected)
    EXPECT_NE(std::find(listed.begin(), listed.end(), entry), listed.end()) << entry.dump(1);
}

TEST_F(CatalogueCommands, FreeFidSkipsRegisteredAndPackagedFids) {
  ASSERT_EQ(cli({"set-wow64", "no"}).exitCode, 0);
  ProgramRun run = cli({"free-fid"});
  EXPECT_EQ(run.out, "10\n");
  {
    auto reg = registry();
    registerFamilyProduct(*reg, "SOFTWARE", RegistrationRoot::Families, "Zehn10", 10, "1",
                          mapset("Zehn", "Zehn", 10));
  }
  writeFile(allUsersMaps() / "Elf.gmap" / "Info.xml",
            infoXmlForNewMapset({"Elf", "11", "Elfooooo", false}));
  run = cli({"free-fid"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "12\n");
}

TEST_F(CatalogueCommands, DuplicatesPrintsOneLinePerPairAndListingMessagesGoToStderr) {
  ASSERT_EQ(cli({"set-wow64", "no"}).exitCode, 0);
  {
    auto reg = registry();
    registerFamilyProduct(*reg, "SOFTWARE", RegistrationRoot::Families, "Doppel500", 500, "1",
                          mapset("Doppel", "Doppelt", 500));
    registerFamilyProduct(*reg, "SOFTWARE", RegistrationRoot::Families, "Zwei30", 30, "1",
                          mapset("Zwei1", "Zwei eins", 30, 1));
    registerFamilyProduct(*reg, "SOFTWARE", RegistrationRoot::Families, "Zwei30", 30, "2",
                          mapset("Zwei2", "Zwei zwei", 30, 2));
  }
  writeFile(allUsersMaps() / "Doppel.gmap" / "Info.xml",
            infoXmlForNewMapset({"Doppel", "500", "Doppeloo", false}));
  fs::create_directories(allUsersMaps() / "Leer.gmap");
  const ProgramRun run = cli({"duplicates"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "500\n");
  EXPECT_EQ(run.err, "missing Info.xml in " + pathOf(allUsersMaps() / "Leer.gmap") + "\n");
}

TEST_F(CatalogueCommands, Fehler25IsToldInTheUsersLanguage) {
  ASSERT_EQ(cli({"set-wow64", "no"}).exitCode, 0);
  {
    auto reg = registry();
    reg->setValue(Root::LocalMachine, "SOFTWARE\\Garmin\\MapSource\\Products\\7",
                  {"TDB", kRegDword, std::string(4, '\0')});
    reg->setValue(Root::CurrentUser, "Software\\ZORVAN", {"Language", kRegSz, "Eng"});
  }
  const ProgramRun run = cli({"list"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "Missing in Registrykey the entry for value 'TDB=' . You must insert it or delete the "
            "key complett. : SOFTWARE\\Garmin\\MapSource\\Products\\7\n");
}

}  // namespace
}  // namespace mapsetdesk::testing
