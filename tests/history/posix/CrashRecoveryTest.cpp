// An action killed at any point is rolled back whole at the next start, and
// a rollback killed half-way is taken up again: the child process that runs
// them dies by SIGKILL, as after the task manager or a power cut.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>

#include "formats/FileBytes.h"
#include "history/JournaledAction.h"
#include "history/Recovery.h"
#include "platform/FileReplace.h"
#include "platform/RegistryTransfer.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "support/TestRegistry.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kTiles = 40;

// Runs body in a child process and waits until it has ended, killed or not.
void inChild(const std::function<void()>& body) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    body();
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
}

// Dies at the given step, as a killed program dies: no clean-up of any kind.
struct Killer {
  int at;
  int steps = 0;
  void step() {
    if (steps++ == at) raise(SIGKILL);
  }
};

class CrashRecovery : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(maps);
    for (int tile = 0; tile < kTiles; ++tile)
      writeFile(tileFile(tile), std::string(0x200, static_cast<char>('a' + tile % 26)));
    writeFile(maps / "old.tdb", "the TDB of the old installation");
    registry.setValue(Root::LocalMachine, families() + "\\Old4700\\1", {"TDB", kRegSz, "old.tdb"});
  }

  std::string families() const { return test.base(Root::LocalMachine) + "\\Families"; }
  fs::path tileFile(int tile) const {
    return maps / ("632400" + std::to_string(10 + tile) + ".img");
  }

  // What the registry and every file hold, the journal left out.
  std::string snapshot() {
    std::string state =
        exportRegistryKey(registry, Root::LocalMachine, test.base(Root::LocalMachine))
            .value_or("-");
    for (const auto& item : fs::recursive_directory_iterator(maps))
      state += '\n' + item.path().string() + '=' +
               (item.is_regular_file() ? readFile(item.path()) : "<folder>");
    return state;
  }

  // An installation over the old one: keys made, the old TDB taken away, the
  // new files written and every tile patched; killer.step() between changes.
  bool install(Recorded& r, Killer& killer) {
    const std::string product = families() + "\\Neu4711\\1";
    if (!r.registry.setValue(Root::LocalMachine, families() + "\\Neu4711",
                             {"ID", kRegBinary, "\x67\x12"}))
      return false;
    killer.step();
    if (!r.registry.setValue(Root::LocalMachine, product, {"TDB", kRegSz, "neu.tdb"})) return false;
    killer.step();
    if (!deleteKeyTree(r.registry, Root::LocalMachine, families() + "\\Old4700")) return false;
    killer.step();
    if (r.folders.removeFile(pathText(maps / "old.tdb")).status != RemoveStatus::Removed)
      return false;
    killer.step();
    if (!r.entry.keepFile(pathText(maps / "neu.tdb")) ||
        !replaceFile(pathText(maps / "neu.tdb"), "new TDB"))
      return false;
    killer.step();
    std::vector<PatchRange> ranges;
    for (int tile = 0; tile < kTiles; ++tile)
      ranges.push_back({pathText(tileFile(tile)), 0x100, 2});
    if (!r.entry.keepPatches(ranges)) return false;
    for (const PatchRange& range : ranges) {
      if (patchFile(range.path, range.offset, "\x11\x22") != FileStatus::Ok) return false;
      killer.step();
    }
    return true;
  }

  void runKilledAt(int step) {
    inChild([&] {
      Killer killer{step};
      runJournaled(journal, registry, *folders, "install", "Neu",
                   [&](Recorded& r) { return install(r, killer); });
    });
  }

  TempDir dir;
  TestRegistry test;
  Registry& registry = test.registry();
  fs::path maps = dir / "Maps";
  Journal journal{dir / "History"};
  ScriptedDialogs dialogs;
  std::unique_ptr<FolderOps> folders = openSystemFolderOps(dialogs);
};

TEST_F(CrashRecovery, AnInstallKilledAtAnyPointLeavesTheWholeChangeOrNothingAfterTheNextStart) {
  const std::string before = snapshot();
  for (const int step : {0, 1, 2, 3, 4, 5, kTiles / 2, kTiles + 4}) {
    SCOPED_TRACE(step);
    runKilledAt(step);
    EXPECT_NE(snapshot(), before);
    const Recovery recovery = recoverJournal(journal, registry);
    ASSERT_EQ(recovery.rolledBack.size(), 1u);
    EXPECT_EQ(recovery.rolledBack[0].action, "install");
    EXPECT_TRUE(recovery.failed.empty());
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(recoverJournal(journal, registry).rolledBack.empty()) << "told once only";
  }
  runKilledAt(kTiles + 100);
  const std::string after = snapshot();
  EXPECT_NE(after, before);
  EXPECT_TRUE(recoverJournal(journal, registry).rolledBack.empty());
  EXPECT_EQ(snapshot(), after);
}

// Only the registry of the rollback counts its steps.
class StepRegistry : public Registry {
 public:
  StepRegistry(Registry& inner, Killer& killer) : inner_(inner), killer_(killer) {}
  bool canOpen(Root root, const std::string& path) override { return inner_.canOpen(root, path); }
  bool keyExists(Root root, const std::string& path) override {
    return inner_.keyExists(root, path);
  }
  std::optional<RegValue> queryValue(Root root, const std::string& path,
                                     const std::string& name) override {
    return inner_.queryValue(root, path, name);
  }
  bool createKey(Root root, const std::string& path) override {
    return killer_.step(), inner_.createKey(root, path);
  }
  bool setValue(Root root, const std::string& path, const RegValue& value) override {
    return killer_.step(), inner_.setValue(root, path, value);
  }
  bool deleteValue(Root root, const std::string& path, const std::string& name) override {
    return killer_.step(), inner_.deleteValue(root, path, name);
  }
  bool deleteKey(Root root, const std::string& path) override {
    return killer_.step(), inner_.deleteKey(root, path);
  }
  std::vector<std::string> subkeyNames(Root root, const std::string& path) override {
    return inner_.subkeyNames(root, path);
  }
  std::vector<RegValue> values(Root root, const std::string& path) override {
    return inner_.values(root, path);
  }

 private:
  Registry& inner_;
  Killer& killer_;
};

TEST_F(CrashRecovery, ARollbackKilledHalfWayIsRolledBackAgainAtTheFollowingStart) {
  const std::string before = snapshot();
  for (const int step : {0, 2, 4}) {
    SCOPED_TRACE(step);
    runKilledAt(kTiles);
    inChild([&] {
      Killer killer{step};
      StepRegistry dying(registry, killer);
      recoverJournal(journal, dying);
    });
    const Recovery recovery = recoverJournal(journal, registry);
    EXPECT_EQ(recovery.rolledBack.size(), 1u);
    EXPECT_EQ(snapshot(), before);
  }
}

}  // namespace
}  // namespace mapsetdesk::testing
