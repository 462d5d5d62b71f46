// A registration below either registry base, written as the installation
// writes it and through `reg import`, under WOW64: one key, physically
// Software\Wow6432Node\Garmin, which 32-bit MapSource reads as
// "SOFTWARE\Garmin" and a 64-bit program as "SOFTWARE\Wow6432Node\Garmin".
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "catalogue/CatalogueListing.h"
#include "catalogue/Registration.h"
#include "platform/RegistryOps.h"
#include "platform/RegistryTransfer.h"
#include "platform/win/WideText.h"
#include "platform/win/WinRegistry.h"
#include "support/RealMapsets.h"
#include "support/RunProgram.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

constexpr const char* kSettings = "Software\\ZORVAN";
// Both bases as the test's parameters; the views are literals, so their data
// end in a NUL.
constexpr const char* kBase64Bit = kRegistryBase64.data();
constexpr const char* kBase32Bit = kRegistryBase32.data();
constexpr const char* kFamiliesBelowBase = "\\Garmin\\MapSource\\Families\\";

// The value as a program of one bitness reads it through its own view.
std::optional<std::string> readInView(REGSAM view, const std::string& path,
                                      const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, wideText(path).c_str(), 0, KEY_READ | view, &key) !=
      ERROR_SUCCESS)
    return std::nullopt;
  wchar_t data[512] = {};
  DWORD size = sizeof data - sizeof(wchar_t);
  const LONG status = RegQueryValueExW(key, wideText(name).c_str(), nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return std::nullopt;
  return utf8Text(data);
}

bool existsInView(REGSAM view, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, wideText(path).c_str(), 0, KEY_READ | view, &key) !=
      ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

// A .reg text holds backslashes doubled inside quotes.
std::string regQuoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) out += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return out + "\"";
}

class WowRegistration : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    // Windows names the machine's architecture here only for WOW64 processes.
    ASSERT_TRUE(std::getenv("PROCESSOR_ARCHITEW6432"))
        << "the Windows tests run as a 32-bit program on 64-bit Windows";
    ASSERT_TRUE(mapsets.available()) << "run through ctest, which makes the mkgmap files";
    files = mapsets.make(folder / "Karten", "Wowview", "Wow Ansicht", 4711, 1);
    savedWow64 = fRegAbfrageWert(registry, Root::CurrentUser, kSettings, "Wow64");
  }
  void TearDown() override {
    deleteKeyTree(registry, Root::LocalMachine, familyKey());
    if (savedWow64.empty())
      fWerteLoeschen(registry, Root::CurrentUser, kSettings, "Wow64");
    else
      fStringSpeichern(registry, Root::CurrentUser, kSettings, "Wow64", savedWow64);
  }

  std::string base() const { return GetParam(); }
  std::string familyKey() const { return base() + kFamiliesBelowBase + family; }
  std::string productKeyBelow(const std::string& registryBase) const {
    return registryBase + kFamiliesBelowBase + family + "\\1";
  }

  // The setting that makes the command line read and write below the base.
  // Stored here rather than by the command line's set-wow64: where 32-bit
  // programs run under an emulator, every start of one takes minutes.
  void chooseBase() { Settings(registry).storeWow64(base() != kBase32Bit); }

  ProgramRun cli(const std::vector<std::string>& arguments) {
    return runProgram(MAPSETDESK_CLI, arguments, scratch);
  }

  // The one key every reader must find, and no doubled or 64-bit copy.
  void expectOneKeySeenByGarmin() {
    EXPECT_EQ(readInView(KEY_WOW64_32KEY, productKeyBelow("SOFTWARE"), "TDB"), files.tdb);
    EXPECT_EQ(readInView(KEY_WOW64_64KEY, productKeyBelow("SOFTWARE\\Wow6432Node"), "TDB"),
              files.tdb);
    EXPECT_FALSE(
        existsInView(KEY_WOW64_64KEY, productKeyBelow("SOFTWARE\\Wow6432Node\\Wow6432Node")));
    EXPECT_FALSE(existsInView(KEY_WOW64_64KEY, productKeyBelow("SOFTWARE")));
  }

  WinRegistry registry;
  RealMapsets mapsets;
  TempDir folder;
  TempDir scratch;
  MapsetFiles files;
  std::string savedWow64;
  const std::string family = "Wowview" + std::to_string(GetCurrentProcessId());
};

TEST_P(WowRegistration, WrittenAsAnInstallationWritesItIsOneKeyListedAndSeenByGarmin) {
  registerFamilyProduct(registry, base(), RegistrationRoot::Families, family, 4711, "1", files);

  ScriptedDialogs dialogs;
  const RegistryCatalogue catalogue = TDBlesen(registry, dialogs, base(), "Fehler25");
  const auto row = std::find_if(catalogue.rows.begin(), catalogue.rows.end(), [&](const auto& r) {
    return r.entry.subkeyPath == family + "\\1";
  });
  ASSERT_NE(row, catalogue.rows.end());
  EXPECT_EQ(row->state, EntryState::Complete);
  EXPECT_EQ(row->cells.name, "Wow Ansicht");
  EXPECT_EQ(row->entry.tdb, files.tdb);
  EXPECT_TRUE(dialogs.messages().empty());
  expectOneKeySeenByGarmin();
}

TEST_P(WowRegistration, ImportedByTheCommandLineIsOneKeyExportedListedAndSeenByGarmin) {
  const std::string key = "HKEY_LOCAL_MACHINE\\" + familyKey();
  const std::string regText = "REGEDIT4\r\n\r\n[" + key + "]\r\n\"ID\"=hex:67,12\r\n\r\n[" + key +
                              "\\1]\r\n\"TDB\"=" + regQuoted(files.tdb) +
                              "\r\n\"BMAP\"=" + regQuoted(files.overview) +
                              "\r\n\"LOC\"=" + regQuoted(files.tiles) + "\r\n";
  writeFile(scratch / "registration.reg", regText);

  const ProgramRun imported = cli({"reg", "import", (scratch / "registration.reg").string()});
  EXPECT_EQ(imported.exitCode, 0) << imported.err;
  // The export spells the keys and orders the values as the registry keeps them.
  const ProgramRun exported = cli({"reg", "export", key});
  EXPECT_EQ(exported.exitCode, 0) << exported.err;
  for (const std::string& line : {std::string("\"ID\"=hex:67,12\r\n"),
                                 "\"TDB\"=" + regQuoted(files.tdb) + "\r\n",
                                 "\\MapSource\\Families\\" + family + "\\1]\r\n"})
    EXPECT_NE(exported.out.find(line), std::string::npos) << line << exported.out;

  chooseBase();
  const ProgramRun listed = cli({"list"});
  EXPECT_EQ(listed.exitCode, 0) << listed.err;
  const std::string row = "registration\tWow Ansicht\t4711\t1\tFamilies\t" + family + "\\1\t" +
                          files.tdb + "\t" + files.overview + "\t" + files.tiles + "\t\t\t\tok\n";
  EXPECT_NE(withLf(listed.out).find(row), std::string::npos) << listed.out;
  expectOneKeySeenByGarmin();
}

TEST_P(WowRegistration, TilesInstalledByTheCommandLineWithTheBuiltinToolsAreListedAndSeenByGarmin) {
  const std::filesystem::path tiles = folder.path() / "Kacheln";
  std::filesystem::create_directories(tiles);
  std::filesystem::create_directories(folder.path() / "program");
  std::vector<std::string> arguments = {"--program-folder", (folder.path() / "program").string(),
                                        "install", "--registry", "--name", "Kachel Test",
                                        "--fid", "4713"};
  for (const char* tile : {"63240001.img", "63240002.img"}) {
    std::filesystem::copy_file(mapsets.root() / "mapset" / tile, tiles / tile);
    arguments.push_back((tiles / tile).string());
  }
  const std::string installedFamily = base() + kFamiliesBelowBase + "Kachel_T4713";
  chooseBase();

  const ProgramRun installed = cli(arguments);
  EXPECT_EQ(installed.exitCode, 0) << installed.out << installed.err;
  const std::string tdb = pathText(tiles) + "\\Kachel_T.TDB";
  // The TDB names the mapset as gmt's -m gets it: blanks as "_".
  EXPECT_NE(withLf(installed.out).find("registration\tKachel_Test\t4713\t1\tFamilies\tKachel_T4713\\1\t" + tdb),
            std::string::npos)
      << installed.out;
  const ProgramRun listed = cli({"list"});
  EXPECT_NE(withLf(listed.out).find("Kachel_Test\t4713\t1\t"), std::string::npos) << listed.out;
  EXPECT_EQ(readInView(KEY_WOW64_32KEY, "SOFTWARE\\Garmin\\MapSource\\Families\\Kachel_T4713\\1",
                       "TDB"),
            tdb);
  EXPECT_EQ(readInView(KEY_WOW64_64KEY,
                       "SOFTWARE\\Wow6432Node\\Garmin\\MapSource\\Families\\Kachel_T4713\\1", "TDB"),
            tdb);
  deleteKeyTree(registry, Root::LocalMachine, installedFamily);
}

INSTANTIATE_TEST_SUITE_P(Bases, WowRegistration, ::testing::Values(kBase64Bit, kBase32Bit),
                         [](const auto& instance) {
                           return std::string(instance.param) == kBase64Bit ? "Wow6432Node" : "Software";
                         });

}  // namespace
}  // namespace mapsetdesk::testing
