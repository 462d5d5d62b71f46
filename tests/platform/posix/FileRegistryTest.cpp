// The file-backed registry: its files, damaged and half-written hives, two
// processes writing at once, the parse cache and the read-only machine hive.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Codec.h"
#include "platform/Platform.h"
#include "platform/RegistryOps.h"
#include "platform/RegistryTransfer.h"
#include "platform/posix/FileRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::ScriptedDialogs;
using testing::TempDir;
using testing::writeFile;

constexpr Root kUser = Root::CurrentUser;
constexpr Root kMachine = Root::LocalMachine;

std::vector<std::string> filesIn(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(folder, ignored))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Runs body in a child process and returns how the child ended.
template <typename Body>
int inChild(Body body) {
  const pid_t child = fork();
  if (child == 0) _exit(body());
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

class FileRegistryTest : public ::testing::Test {
 protected:
  FileRegistry open(bool machineReadOnly = false) {
    return FileRegistry(home_.str(), machineReadOnly,
                        [this](const std::string& file) { damaged_.push_back(file); });
  }
  fs::path hive(Root root) const {
    return home_ / "registry" / (std::string(rootName(root)) + ".reg");
  }

  TempDir home_;
  std::vector<std::string> damaged_;
};

TEST_F(FileRegistryTest, KeepsEachRootInAReadableRegedit4File) {
  FileRegistry reg = open();
  EXPECT_EQ(fRegAbfrageWert(reg, kUser, "Software\\ZORVAN", "Language"), "");
  EXPECT_TRUE(fSubkeysListen(reg, kMachine, "SOFTWARE").empty());
  EXPECT_FALSE(fs::exists(home_ / "registry")) << "reading leaves no file";

  fStringSpeichern(reg, kUser, "Software\\ZORVAN", "Language", "deutsch");
  EXPECT_EQ(readFile(hive(kUser)),
            "REGEDIT4\r\n"
            "; mapsetdesk registry hive: text data in UTF-8\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software]\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\ZORVAN]\r\n"
            "\"Language\"=\"deutsch\"\r\n\r\n"
            "; end of hive\r\n");
  EXPECT_FALSE(fs::exists(hive(kMachine)));
  EXPECT_EQ(hive(kUser).string(), reg.hiveFile(kUser));
}

TEST_F(FileRegistryTest, DamagedHiveIsNeverOverwrittenAndNamedOnce) {
  FileRegistry reg = open();
  fStringSpeichern(reg, kUser, "Software\\ZORVAN", "Language", "deutsch");
  const std::string damage =
      "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\ZORVAN]\r\n\"Language\"=\"unterminated\r\n";
  writeFile(hive(kUser), damage);

  EXPECT_EQ(fRegAbfrageWert(reg, kUser, "Software\\ZORVAN", "Language"), "");
  EXPECT_FALSE(reg.canOpen(kUser, "Software"));
  EXPECT_TRUE(fSubkeysListen(reg, kUser, "Software").empty());
  EXPECT_FALSE(reg.setValue(kUser, "Software\\ZORVAN", {"Language", kRegSz, "english"}));
  EXPECT_FALSE(reg.createKey(kUser, "Software\\Other"));
  fSchluesselLoeschen(reg, kUser, "Software\\ZORVAN");
  fWerteLoeschen(reg, kUser, "Software\\ZORVAN", "Language");
  EXPECT_EQ(readFile(hive(kUser)), damage);
  EXPECT_EQ(damaged_, std::vector<std::string>{hive(kUser).string()});

  // The other root is unaffected; a second registry is told as well.
  fStringSpeichern(reg, kMachine, "SOFTWARE\\Garmin", "x", "1");
  EXPECT_EQ(fRegAbfrageWert(reg, kMachine, "SOFTWARE\\Garmin", "x"), "1");
  FileRegistry second = open();
  EXPECT_EQ(fRegAbfrageWert(second, kUser, "Software\\ZORVAN", "Language"), "");
  EXPECT_EQ(damaged_.size(), 2u);

  // Repaired, it is read again; damaged anew, it is reported anew.
  writeFile(hive(kUser),
            "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\ZORVAN]\r\n\"Language\"=\"english\"\r\n");
  EXPECT_EQ(fRegAbfrageWert(reg, kUser, "Software\\ZORVAN", "Language"), "english");
  writeFile(hive(kUser), "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n");
  EXPECT_EQ(fRegAbfrageWert(reg, kUser, "Software\\ZORVAN", "Language"), "");
  EXPECT_EQ(damaged_.size(), 3u);
}

TEST_F(FileRegistryTest, UnreadableHiveCountsAsDamaged) {
  fs::create_directories(hive(kUser));  // a folder where the file should be
  FileRegistry reg = open();
  EXPECT_FALSE(reg.setValue(kUser, "Software", {"x", kRegSz, "1"}));
  EXPECT_EQ(damaged_, std::vector<std::string>{hive(kUser).string()});
  EXPECT_TRUE(fs::is_directory(hive(kUser)));
}

TEST_F(FileRegistryTest, LeftoverOfAnInterruptedWriteChangesNothing) {
  FileRegistry reg = open();
  fStringSpeichern(reg, kUser, "Software\\ZORVAN", "Dir", "C:\\Karten");
  const std::string before = readFile(hive(kUser));
  writeFile(hive(kUser).string() + ".tmp-Ab12Cd", "REGEDIT4\r\n[HKEY_CURRENT_USER\\Softw");

  FileRegistry later = open();
  EXPECT_EQ(fRegAbfrageWert(later, kUser, "Software\\ZORVAN", "Dir"), "C:\\Karten");
  fStringSpeichern(later, kUser, "Software\\ZORVAN", "Version", "80");
  EXPECT_EQ(filesIn(home_ / "registry"),
            (std::vector<std::string>{"HKEY_CURRENT_USER.reg", "HKEY_CURRENT_USER.reg.lock"}));
  EXPECT_EQ(fRegAbfrageWert(reg, kUser, "Software\\ZORVAN", "Dir"), "C:\\Karten");
  EXPECT_NE(readFile(hive(kUser)), before);
}

TEST_F(FileRegistryTest, ProcessKilledWhileWritingLeavesThePreviousHiveWhole) {
  {
    FileRegistry reg = open();
    fStringSpeichern(reg, kUser, "Software\\ZORVAN", "Dir", "C:\\Karten");
  }
  const std::string before = readFile(hive(kUser));
  // The child may write files only as long as the hive is now: its new, longer
  // hive kills it with SIGXFSZ in the middle of the temporary file.
  const int status = inChild([&] {
    const rlimit limit{before.size() + 16, before.size() + 16};
    setrlimit(RLIMIT_FSIZE, &limit);
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    FileRegistry reg = open();
    fStringSpeichern(reg, kUser, "Software\\ZORVAN", "Dir", std::string(5000, 'x'));
    return 0;
  });
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
  EXPECT_EQ(readFile(hive(kUser)), before);
  EXPECT_EQ(filesIn(home_ / "registry").size(), 3u) << "hive, lock and the half-written file";

  // The lock died with the child; the next writer clears its leftover.
  FileRegistry reg = open();
  EXPECT_EQ(fRegAbfrageWert(reg, kUser, "Software\\ZORVAN", "Dir"), "C:\\Karten");
  fStringSpeichern(reg, kUser, "Software\\ZORVAN", "Dir", "D:\\Maps");
  FileRegistry fresh = open();
  EXPECT_EQ(fRegAbfrageWert(fresh, kUser, "Software\\ZORVAN", "Dir"), "D:\\Maps");
  EXPECT_EQ(filesIn(home_ / "registry").size(), 2u);
  EXPECT_TRUE(damaged_.empty());
}

TEST_F(FileRegistryTest, FailedWriteIsRefusedAndForgotten) {
  {
    FileRegistry reg = open();
    fStringSpeichern(reg, kUser, "Software\\ZORVAN", "Dir", "C:\\Karten");
  }
  const std::string before = readFile(hive(kUser));
  // Exit code: 0 when the refused write left the old value readable.
  const int status = inChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{before.size() + 16, before.size() + 16};
    setrlimit(RLIMIT_FSIZE, &limit);
    FileRegistry reg = open();
    if (reg.setValue(kUser, "Software\\ZORVAN", {"Dir", kRegSz, std::string(5000, 'x')})) return 1;
    if (fRegAbfrageWert(reg, kUser, "Software\\ZORVAN", "Dir") != "C:\\Karten") return 2;
    return 0;
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(readFile(hive(kUser)), before);
  EXPECT_EQ(filesIn(home_ / "registry").size(), 2u) << "no temporary file is left";
}

TEST_F(FileRegistryTest, TwoProcessesWritingAtOnceLoseNothing) {
  constexpr int kWrites = 200;
  std::vector<pid_t> children;
  for (const char* writer : {"a", "b"}) {
    const pid_t child = fork();
    if (child == 0) {
      FileRegistry reg = open();
      for (int i = 0; i < kWrites; ++i) {
        const std::string name = std::string(writer) + std::to_string(i);
        fStringSpeichern(reg, kMachine, "SOFTWARE\\Race", name, "value of " + name);
      }
      _exit(0);
    }
    children.push_back(child);
  }
  for (const pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  FileRegistry reg = open();
  EXPECT_EQ(reg.values(kMachine, "SOFTWARE\\Race").size(), 2u * kWrites);
  for (const char* writer : {"a", "b"}) {
    for (int i = 0; i < kWrites; ++i) {
      const std::string name = std::string(writer) + std::to_string(i);
      EXPECT_EQ(fRegAbfrageWert(reg, kMachine, "SOFTWARE\\Race", name), "value of " + name);
    }
  }
}

TEST_F(FileRegistryTest, ParsesAHiveOnlyWhenItsFileChanged) {
  FileRegistry first = open();
  FileRegistry second = open();
  fStringSpeichern(second, kUser, "Software\\ZORVAN", "Language", "deutsch");
  EXPECT_EQ(first.parseCount(), 0u);

  EXPECT_EQ(fRegAbfrageWert(first, kUser, "Software\\ZORVAN", "Language"), "deutsch");
  for (int i = 0; i < 100; ++i) fRegAbfrageWert(first, kUser, "Software\\ZORVAN", "Language");
  EXPECT_EQ(first.parseCount(), 1u);

  // Its own writes need no parse; another registry's write needs one.
  fStringSpeichern(first, kUser, "Software\\ZORVAN", "Dir", "C:\\Karten");
  EXPECT_EQ(fRegAbfrageWert(first, kUser, "Software\\ZORVAN", "Dir"), "C:\\Karten");
  EXPECT_EQ(first.parseCount(), 1u);
  fStringSpeichern(second, kUser, "Software\\ZORVAN", "Language", "english");
  EXPECT_EQ(fRegAbfrageWert(first, kUser, "Software\\ZORVAN", "Language"), "english");
  EXPECT_EQ(fRegAbfrageWert(first, kUser, "Software\\ZORVAN", "Dir"), "C:\\Karten");
  EXPECT_EQ(first.parseCount(), 2u);

  // A person's edit in place is seen too, and so is the file's removal.
  std::string text = readFile(hive(kUser));
  text.replace(text.find("\"english\""), 9, "\"englisch\"");
  writeFile(hive(kUser), text);
  EXPECT_EQ(fRegAbfrageWert(first, kUser, "Software\\ZORVAN", "Language"), "englisch");
  fs::remove(hive(kUser));
  EXPECT_EQ(fRegAbfrageWert(first, kUser, "Software\\ZORVAN", "Language"), "");
  EXPECT_FALSE(first.canOpen(kUser, "Software"));

  // A hive moved away by hand is noticed before the next change at the latest.
  fStringSpeichern(second, kUser, "Software\\ZORVAN", "Language", "deutsch");
  EXPECT_EQ(fRegAbfrageWert(first, kUser, "Software\\ZORVAN", "Language"), "deutsch");
  fs::rename(hive(kUser), home_ / "kept.reg");
  fStringSpeichern(first, kUser, "Software\\New", "Dir", "C:\\");
  EXPECT_EQ(fRegAbfrageWert(first, kUser, "Software\\ZORVAN", "Language"), "");
  EXPECT_EQ(fRegAbfrageWert(first, kUser, "Software\\New", "Dir"), "C:\\");
}

TEST_F(FileRegistryTest, ReadOnlyMachineHiveActsAsForAUserWithoutWriteRights) {
  {
    FileRegistry admin = open();
    fStringSpeichern(admin, kMachine, "SOFTWARE\\Garmin\\MapSource\\Families\\Topo1234\\1", "TDB",
                     "C:\\Maps\\a.tdb");
  }
  const std::string before = readFile(hive(kMachine));
  PlatformOptions options;
  options.dataRoot = home_.str();
  options.machineReadOnly = true;
  const auto reg = openSystemRegistry(options);
  const std::string family = "SOFTWARE\\Garmin\\MapSource\\Families\\Topo1234";

  EXPECT_EQ(fRegAbfrageWert(*reg, kMachine, family + "\\1", "TDB"), "");
  EXPECT_TRUE(fSubkeysListen(*reg, kMachine, family).empty());
  EXPECT_FALSE(reg->canOpen(kMachine, ""));
  EXPECT_EQ(reg->queryValue(kMachine, family + "\\1", "TDB")->data, std::string("C:\\Maps\\a.tdb\0", 14))
      << "reading without full access still works";
  EXPECT_FALSE(reg->createKey(kMachine, family));
  EXPECT_FALSE(reg->setValue(kMachine, family, {"ID", kRegBinary, "\xD2\x04"}));
  EXPECT_FALSE(reg->deleteValue(kMachine, family + "\\1", "TDB"));
  EXPECT_FALSE(reg->deleteKey(kMachine, family + "\\1"));
  ffStringSpeichern(*reg, kMachine, family, "ID", "x");
  fSchluesselLoeschen(*reg, kMachine, family + "\\1");
  fWerteLoeschen(*reg, kMachine, family + "\\1", "TDB");
  fWerteLoeschen(*reg, kMachine, "SOFTWARE\\New", "TDB");
  EXPECT_EQ(readFile(hive(kMachine)), before);

  ScriptedDialogs dialogs;
  RegWriteCheck check;
  const std::string fehler29 = "ZORVAN konnte keine Registryeinträge schreiben";
  HKCUStringSpeichern(*reg, dialogs, fehler29, check, kMachine, family + "\\1", "BMAP",
                      "C:\\o.img");
  EXPECT_FALSE(check.vRegkey);
  EXPECT_EQ(check.vRegkeybin, "");
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, fehler29);
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(shown.buttons, Buttons::Ok);

  // The user's own hive is writable as ever.
  check = RegWriteCheck{};
  HKCUStringSpeichern(*reg, dialogs, fehler29, check, kUser, "Software\\ZORVAN", "Dir", "C:\\");
  EXPECT_TRUE(check.vRegkey);
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(FileRegistryTest, ImportedDeletionOfAKeyThatCannotBeOpenedFailsUnlessItIsMissing) {
  const std::string family = "SOFTWARE\\Garmin\\MapSource\\Families\\Topo1234";
  {
    FileRegistry admin = open();
    fStringSpeichern(admin, kMachine, family + "\\1", "TDB", "C:\\Maps\\a.tdb");
  }
  FileRegistry user = open(true);
  const auto deletion = [](const std::string& path) {
    return std::vector<RegOperation>{{RegOperation::Kind::DeleteKey, kMachine, path, {}}};
  };

  EXPECT_EQ(importRegOperations(user, deletion(family)), "HKEY_LOCAL_MACHINE\\" + family);
  EXPECT_TRUE(user.keyExists(kMachine, family + "\\1"));
  EXPECT_EQ(importRegOperations(user, deletion(family + "\\Missing")), std::nullopt);

  FileRegistry admin = open();
  EXPECT_EQ(importRegOperations(admin, deletion(family)), std::nullopt);
  EXPECT_FALSE(admin.keyExists(kMachine, family));
}

TEST_F(FileRegistryTest, SystemRegistryReportsADamagedFileOnStandardError) {
  writeFile(hive(kMachine), "not a registry file");
  PlatformOptions options;
  options.dataRoot = home_.str();
  const auto reg = openSystemRegistry(options);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(fRegAbfrageWert(*reg, kMachine, "SOFTWARE", "x"), "");
  EXPECT_EQ(fRegAbfrageWert(*reg, kMachine, "SOFTWARE", "y"), "");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "registry file damaged: " + hive(kMachine).string() + "\n");
}

TEST_F(FileRegistryTest, KeepsTextOutsideWindows1252AndReadsOlderHivesAsWindows1252) {
  const std::string folder = "C:\\Karten\\\u0141\u00f3d\u017a\\";  // Łódź
  {
    FileRegistry reg = open();
    fStringSpeichern(reg, kMachine, "SOFTWARE\\Garmin", "LOC", folder);
    EXPECT_EQ(fRegAbfrageWert(reg, kMachine, "SOFTWARE\\Garmin", "LOC"), folder);
    ffStringSpeichern(reg, kMachine, "SOFTWARE\\Garmin", "ID", fromAnsi("\xD2\xE9"));
    EXPECT_EQ(reg.queryValue(kMachine, "SOFTWARE\\Garmin", "ID")->data, "\xD2\xE9");
  }
  FileRegistry again = open();
  EXPECT_EQ(fRegAbfrageWert(again, kMachine, "SOFTWARE\\Garmin", "LOC"), folder);
  EXPECT_EQ(again.queryValue(kMachine, "SOFTWARE\\Garmin", "ID")->data, "\xD2\xE9");

  // A hive written before text was kept as UTF-8, with "Wörth" in Windows-1252.
  writeFile(hive(kUser),
            "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\ZORVAN]\r\n\"Dir\"=\"W\xF6rth\"\r\n");
  EXPECT_EQ(fRegAbfrageWert(again, kUser, "Software\\ZORVAN", "Dir"), "W\u00f6rth");
  fStringSpeichern(again, kUser, "Software\\ZORVAN", "Version", "80");
  FileRegistry third = open();
  EXPECT_EQ(fRegAbfrageWert(third, kUser, "Software\\ZORVAN", "Dir"), "W\u00f6rth");
  EXPECT_TRUE(damaged_.empty());
}

TEST_F(FileRegistryTest, AHiveCutShortAtALineBoundaryIsDamagedAndKeptAsItIs) {
  FileRegistry reg = open();
  fStringSpeichern(reg, kUser, "Software\\ZORVAN", "Dir", "C:\\Karten");
  fStringSpeichern(reg, kUser, "Software\\ZORVAN", "Wow64", "wahr");
  const std::string whole = readFile(hive(kUser));
  const std::string cut = whole.substr(0, whole.find("\"Wow64\""));
  writeFile(hive(kUser), cut);

  FileRegistry later = open();
  EXPECT_FALSE(later.storeReadable(kUser));
  EXPECT_TRUE(later.storeReadable(kMachine));
  EXPECT_EQ(fRegAbfrageWert(later, kUser, "Software\\ZORVAN", "Dir"), "");
  EXPECT_FALSE(later.setValue(kUser, "Software\\ZORVAN", {"Dir", kRegSz, "D:\\"}));
  EXPECT_EQ(readFile(hive(kUser)), cut);
  EXPECT_EQ(damaged_, std::vector<std::string>{hive(kUser).string()});
}

TEST_F(FileRegistryTest, AnImportRefusedHalfWayLeavesEveryHiveByteForByte) {
  FileRegistry reg = open();
  fStringSpeichern(reg, kMachine, "SOFTWARE\\Garmin", "x", "1");
  fStringSpeichern(reg, kUser, "Software\\ZORVAN", "Dir", "C:\\");
  const std::string machine = readFile(hive(kMachine));
  const std::string user = readFile(hive(kUser));
  const auto set = [](Root root, const std::string& name) {
    return RegOperation{RegOperation::Kind::SetValue, root, "SOFTWARE\\Neu", {name, kRegSz, "v"}};
  };

  // A value name with a bare CR, which no hive file can hold, after a good one.
  EXPECT_EQ(importRegOperations(reg, {set(kMachine, "gut"), set(kMachine, "a\rb")}),
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Neu");
  EXPECT_EQ(readFile(hive(kMachine)), machine);
  EXPECT_FALSE(reg.keyExists(kMachine, "SOFTWARE\\Neu"));

  // A file for both roots whose user hive is refused: neither changes.
  EXPECT_NE(importRegOperations(reg, {set(kMachine, "gut"), set(kUser, "a\nb")}), std::nullopt);
  EXPECT_EQ(readFile(hive(kMachine)), machine);
  EXPECT_EQ(readFile(hive(kUser)), user);
  writeFile(hive(kUser), "damaged");
  EXPECT_EQ(importRegOperations(reg, {set(kMachine, "gut"), set(kUser, "gut")}),
            "HKEY_CURRENT_USER");
  EXPECT_EQ(readFile(hive(kMachine)), machine);

  // Accepted, the whole file is one write.
  std::vector<RegOperation> many;
  for (int i = 0; i < 500; ++i) many.push_back(set(kMachine, "v" + std::to_string(i)));
  const std::size_t parsed = reg.parseCount();
  EXPECT_EQ(importRegOperations(reg, many), std::nullopt);
  EXPECT_EQ(reg.values(kMachine, "SOFTWARE\\Neu").size(), 500u);
  EXPECT_EQ(open().values(kMachine, "SOFTWARE\\Neu").size(), 500u) << "written to the file";
  EXPECT_LE(reg.parseCount(), parsed + 1);
}

TEST_F(FileRegistryTest, AWriteKeepsTheHivesPermissionsAndANewUserHiveIsPrivate) {
  FileRegistry reg = open();
  fStringSpeichern(reg, kUser, "Software\\ZORVAN", "Dir", "C:\\");
  fStringSpeichern(reg, kMachine, "SOFTWARE\\Garmin", "x", "1");
  const auto mode = [this](Root root) {
    return fs::status(hive(root)).permissions() & fs::perms::all;
  };
  EXPECT_EQ(mode(kUser), fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(hive(kMachine), fs::perms::owner_read | fs::perms::owner_write |
                                      fs::perms::group_read);
  fStringSpeichern(reg, kMachine, "SOFTWARE\\Garmin", "x", "2");
  EXPECT_EQ(mode(kMachine),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace mapsetdesk
