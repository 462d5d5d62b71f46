// The change journal over the kinds of change every action makes: keys set,
// created and deleted, files rewritten, created, patched and deleted,
// folders created and deleted. An undo puts the registry export and every
// file back byte for byte; an undo of the undo brings the change back.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "formats/FileBytes.h"
#include "history/JournaledAction.h"
#include "history/Recovery.h"
#include "history/Undo.h"
#include "platform/FileReplace.h"
#include "platform/FolderOps.h"
#include "platform/RegistryTransfer.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "support/TestRegistry.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

// Every file below the folder with its bytes, the journal's own folder left out.
std::map<std::string, std::string> filesBelow(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& item : fs::recursive_directory_iterator(folder)) {
    const std::string relative = item.path().lexically_relative(folder).generic_string();
    if (relative.rfind("History", 0) == 0) continue;
    files[relative] = item.is_regular_file() ? readFile(item.path()) : "<folder>";
  }
  return files;
}

class JournalUndo : public ::testing::Test {
 public:
  void SetUp() override {
    maps = dir / "Maps";
    fs::create_directories(maps / "Alpha.gmap");
    writeFile(maps / "alpha.tdb", std::string(600, 'T'));
    writeFile(maps / "alpha.img", std::string(900, 'I'));
    writeFile(maps / "Alpha.gmap" / "Info.xml", "<MapProduct>Alpha</MapProduct>");
    for (int tile = 0; tile < 20; ++tile)
      writeFile(maps / ("6324000" + std::to_string(tile % 10) + ".img"), std::string(300, 'x'));
    registry.setValue(Root::LocalMachine, family(), {"ID", kRegBinary, "\x67\x12"});
    registry.setValue(Root::LocalMachine, family() + "\\1", {"TDB", kRegSz, "alpha.tdb"});
    registry.setValue(Root::LocalMachine, family() + "\\1", {"BMAP", kRegSz, "alpha.img"});
  }

  std::string garmin() const { return test.base(Root::LocalMachine) + "\\Garmin"; }
  std::string family() const { return garmin() + "\\Families\\Alpha4711"; }
  std::string exported() {
    return exportRegistryKey(registry, Root::LocalMachine, garmin()).value_or("");
  }
  std::string file(const std::string& name) const { return pathText(maps / name); }

  ActionOutcome run(const std::string& action, const std::function<bool(Recorded&)>& change) {
    return runJournaled(journal, registry, *folders, action, "Alpha", change);
  }

  TempDir dir;
  TestRegistry test;
  Registry& registry = test.registry();
  Journal journal{dir / "History"};
  fs::path maps;
  ScriptedDialogs dialogs;
  std::unique_ptr<FolderOps> folders = openSystemFolderOps(dialogs);
};

using Change = std::function<bool(Recorded&, const JournalUndo&)>;

struct ActionCase {
  const char* action;
  Change change;
};

bool patched(Recorded& r, const std::string& path, std::uint64_t offset, const std::string& bytes) {
  return r.entry.keepPatches({{path, offset, bytes.size()}}) &&
         patchFile(path, offset, bytes) == FileStatus::Ok;
}

bool rewritten(Recorded& r, const std::string& path, const std::string& bytes) {
  return r.entry.keepFile(path) && replaceFile(path, bytes);
}

const ActionCase kActions[] = {
    {"install",
     [](Recorded& r, const JournalUndo& t) {
       const std::string key = t.garmin() + "\\Families\\Beta4712\\1";
       return r.registry.setValue(Root::LocalMachine, key, {"TDB", kRegSz, "beta.tdb"}) &&
              rewritten(r, t.file("beta.tdb"), "new TDB") &&
              rewritten(r, t.file("beta.img"), "new overview");
     }},
    {"remove",
     [](Recorded& r, const JournalUndo& t) {
       return deleteKeyTree(r.registry, Root::LocalMachine, t.family()) &&
              r.folders.removeFile(t.file("alpha.tdb")).status == RemoveStatus::Removed &&
              r.folders.removeFolder(t.file("Alpha.gmap")).status == RemoveStatus::Removed;
     }},
    {"rename",
     [](Recorded& r, const JournalUndo& t) {
       return rewritten(r, t.file("alpha.tdb-BAK"), std::string(600, 'T')) &&
              rewritten(r, t.file("alpha.tdb"), std::string(640, 'R')) &&
              rewritten(r, t.file("Alpha.gmap/Info.xml"),
                        "<MapProduct>Neu &amp; mehr</MapProduct>");
     }},
    {"typ",
     [](Recorded& r, const JournalUndo& t) {
       return rewritten(r, t.file("alpha.typ"), "TYP copy") &&
              r.registry.setValue(Root::LocalMachine, t.family(), {"TYP", kRegSz, "alpha.typ"});
     }},
    {"set-fid",
     [](Recorded& r, const JournalUndo& t) {
       return patched(r, t.file("alpha.tdb"), 0x35, "\x68\x12") &&
              r.registry.setValue(Root::LocalMachine, t.family(), {"ID", kRegBinary, "\x68\x12"});
     }},
    {"draw-priority",
     [](Recorded& r, const JournalUndo& t) {
       std::vector<PatchRange> ranges;
       for (int tile = 0; tile < 10; ++tile)
         ranges.push_back({t.file("6324000" + std::to_string(tile) + ".img"), 0x100, 1});
       if (!r.entry.keepPatches(ranges)) return false;
       for (const PatchRange& range : ranges)
         if (patchFile(range.path, range.offset, "\x19") != FileStatus::Ok) return false;
       return true;
     }},
    {"import",
     [](Recorded& r, const JournalUndo& t) {
       return r.folders.copyFolder(t.file("Alpha.gmap"), t.file("Copy.gmap")) &&
              r.registry.setValue(Root::LocalMachine, t.family() + "\\2", {"LOC", kRegSz, "x"});
     }},
    {"convert",
     [](Recorded& r, const JournalUndo& t) {
       const std::string package = t.file("Converted.gmap");
       return r.entry.keepNewFolder(package) && fs::create_directory(filePath(package)) &&
              rewritten(r, package + "/Info.xml", "<MapProduct/>");
     }},
    {"repair",
     [](Recorded& r, const JournalUndo& t) {
       return r.registry.deleteValue(Root::LocalMachine, t.family() + "\\1", "BMAP") &&
              r.registry.setValue(Root::LocalMachine, t.family() + "\\1",
                                  {"BMAP", kRegSz, "b.img"});
     }},
};

TEST_F(JournalUndo, EachKindOfActionIsUndoneByteForByteAndTheUndoCanBeUndone) {
  for (const ActionCase& action : kActions) {
    SCOPED_TRACE(action.action);
    const std::string registryBefore = exported();
    const auto filesBefore = filesBelow(dir.path());
    ASSERT_EQ(run(action.action, [&](Recorded& r) { return action.change(r, *this); }),
              ActionOutcome::Done);
    const std::string registryAfter = exported();
    const auto filesAfter = filesBelow(dir.path());
    ASSERT_TRUE(registryAfter != registryBefore || filesAfter != filesBefore);

    const UndoPlan undone = carryOut(journal, registry, *folders, planUndo(journal, registry, {}));
    ASSERT_EQ(undone.status, UndoStatus::Done) << undone.item;
    EXPECT_EQ(exported(), registryBefore);
    EXPECT_EQ(filesBelow(dir.path()), filesBefore);

    const std::string undoId = journal.entries().back().id;
    ASSERT_EQ(carryOut(journal, registry, *folders, planUndo(journal, registry, undoId)).status,
              UndoStatus::Done);
    EXPECT_EQ(exported(), registryAfter);
    EXPECT_EQ(filesBelow(dir.path()), filesAfter);
    ASSERT_EQ(
        carryOut(journal, registry, *folders, planUndo(journal, registry, undone.entry.id)).status,
        UndoStatus::Done);
    EXPECT_EQ(exported(), registryBefore);
    EXPECT_EQ(filesBelow(dir.path()), filesBefore);
  }
}

TEST_F(JournalUndo, AFailedActionIsPutBackAndLeavesNoEntryToUndo) {
  const std::string registryBefore = exported();
  const auto filesBefore = filesBelow(dir.path());
  EXPECT_EQ(run("remove",
                [&](Recorded& r) {
                  deleteKeyTree(r.registry, Root::LocalMachine, family());
                  r.folders.removeFile(file("alpha.tdb"));
                  return false;
                }),
            ActionOutcome::Failed);
  EXPECT_EQ(exported(), registryBefore);
  EXPECT_EQ(filesBelow(dir.path()), filesBefore);
  EXPECT_EQ(planUndo(journal, registry, {}).status, UndoStatus::NothingToUndo);
}

TEST_F(JournalUndo, AnOutsideChangeRefusesTheUndoNamingItAndTouchesNothing) {
  ASSERT_EQ(run("rename", [&](Recorded& r) { return rewritten(r, file("alpha.tdb"), "renamed"); }),
            ActionOutcome::Done);
  writeFile(maps / "alpha.tdb", "changed by MapSource");
  UndoPlan plan = carryOut(journal, registry, *folders, planUndo(journal, registry, {}));
  EXPECT_EQ(plan.status, UndoStatus::Changed);
  EXPECT_EQ(plan.item, file("alpha.tdb"));
  EXPECT_EQ(readFile(maps / "alpha.tdb"), "changed by MapSource");

  ASSERT_EQ(run("typ",
                [&](Recorded& r) {
                  return r.registry.setValue(Root::LocalMachine, family(), {"TYP", kRegSz, "a"});
                }),
            ActionOutcome::Done);
  registry.setValue(Root::LocalMachine, family(), {"TYP", kRegSz, "b"});
  plan = planUndo(journal, registry, {});
  EXPECT_EQ(plan.status, UndoStatus::Changed);
  EXPECT_EQ(plan.item, "HKEY_LOCAL_MACHINE\\" + family());
  EXPECT_EQ(journal.entries().size(), 2u);
}

TEST_F(JournalUndo, AChainOfFourEditsIsUndoneInTurnAndAnOlderOneOnlyOnceTheLaterAreUndone) {
  const std::string original = readFile(maps / "alpha.tdb");
  std::vector<std::string> states{original};
  for (char name : std::string("ABCD")) {
    ASSERT_EQ(
        run("rename", [&](Recorded& r) { return patched(r, file("alpha.tdb"), 0x20, {name}); }),
        ActionOutcome::Done);
    states.push_back(readFile(maps / "alpha.tdb"));
  }
  const UndoPlan older = planUndo(journal, registry, journal.entries().front().id);
  EXPECT_EQ(older.status, UndoStatus::LaterChange);
  EXPECT_EQ(older.item, file("alpha.tdb"));
  for (int step = 3; step >= 0; --step) {
    ASSERT_EQ(carryOut(journal, registry, *folders, planUndo(journal, registry, {})).status,
              UndoStatus::Done);
    EXPECT_EQ(readFile(maps / "alpha.tdb"), states[static_cast<std::size_t>(step)]);
  }
  EXPECT_EQ(planUndo(journal, registry, {}).status, UndoStatus::NothingToUndo);
  EXPECT_EQ(planUndo(journal, registry, "000099").status, UndoStatus::NotFound);
  EXPECT_EQ(planUndo(journal, registry, "000001").status, UndoStatus::NotUndoable);
}

TEST_F(JournalUndo, AManifestThatPointsOutsideItsEntryIsNeverFollowed) {
  writeFile(dir / "outside", "not the journal's");
  fs::create_directories(dir / "History" / "000001");
  for (const char* stored : {"../../outside", "m1/../../../outside"}) {
    writeFile(dir / "History" / "000001" / "entry.txt",
              "mapsetdesk journal 1\naction\tremove\nmapset\tA\ntime\tT\nmoved\t" +
                  file("gone.tdb") + "\t000001\t" + stored + "\n");
    EXPECT_TRUE(journal.entries().empty());
    EXPECT_TRUE(recoverJournal(journal, registry).rolledBack.empty());
    EXPECT_TRUE(fs::exists(dir / "outside"));
    EXPECT_FALSE(fs::exists(maps / "gone.tdb"));
  }
}

}  // namespace
}  // namespace mapsetdesk::testing
