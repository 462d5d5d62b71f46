// remove, history and undo of the command-line front end over a mapset that
// register installed from mkgmap's files, and the word given at start when
// an interrupted run was rolled back.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "app/messages/HistoryTexts.h"
#include "history/Journal.h"
#include "platform/FileReplace.h"
#include "cli/posix/RegisteredMapsetCommands.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class HistoryCommands : public RegisteredMapsetCommands {
 protected:
  HistoryCommands() : RegisteredMapsetCommands("Harz Nord") {}

  // The registry export and every map file with its bytes.
  std::string state() {
    std::string text = cli({"reg", "export", "HKLM\\SOFTWARE\\Garmin"}).out +
                       cli({"reg", "export", "HKCU\\Software\\Garmin"}).out;
    for (const auto& item : fs::recursive_directory_iterator(home / "Karten"))
      text += '\n' + item.path().string() + '=' + readFile(item.path());
    return text;
  }

  fs::path history() const { return home / "AppData" / "Local" / "ZORVAN" / "History"; }

  HistoryTexts texts = historyTexts(Sprache::Deutsch);
};

TEST_F(HistoryCommands, ARemovalIsListedAndUndoneByteForByte) {
  const std::string before = state();
  EXPECT_EQ(cli({"remove", "4711:3"}).exitCode, 1) << "the question needs its answer";
  EXPECT_EQ(state(), before);

  const ProgramRun removed = cli({"remove", "4711:3", "--yes"});
  EXPECT_EQ(removed.exitCode, 0) << removed.out << removed.err;
  EXPECT_FALSE(fs::exists(filePath(mapset.tdb)));
  EXPECT_FALSE(fs::exists(filePath(mapset.overview)));
  EXPECT_TRUE(fs::exists(filePath(mapset.tiles) / "63240001.img"));
  EXPECT_EQ(cli({"list"}).out, "");

  const ProgramRun listed = cli({"history"});
  ASSERT_EQ(listed.exitCode, 0);
  EXPECT_EQ(listed.out.substr(0, 7), "000002\t");  // after the registration
  EXPECT_NE(listed.out.find("\tremove\tHarz_Nord\t" + texts.complete + "\n"), std::string::npos)
      << listed.out;

  const ProgramRun undone = cli({"undo", "--yes"});
  EXPECT_EQ(undone.exitCode, 0) << undone.err;
  EXPECT_EQ(undone.out, "000003\n");
  EXPECT_EQ(state(), before);
  EXPECT_NE(cli({"history"}).out.find("\tundo\tHarz_Nord\t" + texts.complete), std::string::npos);

  const nlohmann::json entries = nlohmann::json::parse(cli({"history", "--json"}).out);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0]["action"], "undo");
  EXPECT_EQ(entries[0]["state"], "complete");
  EXPECT_EQ(entries[1]["action"], "remove");
  EXPECT_EQ(entries[1]["mapset"], "Harz_Nord");
  EXPECT_EQ(entries[1]["state"], "undone");
  EXPECT_EQ(entries[2]["action"], "install");
}

// A chain of edits, each through its own command, undone one after the
// other: every undo brings back the registry and the map files exactly as
// they were before that edit.
TEST_F(HistoryCommands, EachEditOfAChainIsUndoneInTurnByteForByte) {
  const std::string typ = (home / "Karten" / "harz-typ.typ").string();
  const std::vector<std::vector<std::string>> edits{
      {"typ", "4711", typ},
      {"set-fid", "4711", "4712"},
      {"draw-priority", "4712", "21"},
      {"latitude", "4712", "3", "47"},
      {"typ", "--yes", "4712", "--remove"},
      {"rename", "4712", "Harz Neu"},
  };
  std::vector<std::string> states{state()};
  for (const auto& edit : edits) {
    const ProgramRun run = cli(edit);
    ASSERT_EQ(run.exitCode, 0) << edit.front() << ": " << run.out << run.err;
    states.push_back(state());
    ASSERT_NE(states.back(), states[states.size() - 2]) << edit.front();
  }
  for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) {
    const ProgramRun undone = cli({"undo", "--yes"});
    EXPECT_EQ(undone.exitCode, 0) << edit->front() << ": " << undone.err;
    states.pop_back();
    EXPECT_EQ(state(), states.back()) << edit->front();
  }
  // Then the registration the chain began from: no file it patched and no
  // key it wrote stays.
  ASSERT_EQ(cli({"undo", "--yes"}).exitCode, 0);
  EXPECT_EQ(cli({"list"}).out, "");
  EXPECT_FALSE(fs::exists(filePath(mapset.tdb + "-BAK")));
  EXPECT_EQ(cli({"undo", "--yes"}).err, texts.nothingToUndo + "\n");
}

// A package larger than HistoryMB would be dropped from the history at the
// next start: the removal asks, so without --yes it is refused and says why.
TEST_F(HistoryCommands, APackageLargerThanTheHistoryIsRemovedForGoodOnlyWithYes) {
  const fs::path package =
      files.mapsets().copyPackage(home / "ProgramData" / "GARMIN" / "Maps", "Harz");
  writeFile(package / "filler.bin", std::string(1024 * 1024, 'x'));
  writeFile(scratch / "limit.reg",
            "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\ZORVAN]\r\n\"HistoryMB\"=\"1\"\r\n");
  ASSERT_EQ(cli({"reg", "import", (scratch / "limit.reg").string()}).exitCode, 0);
  const ProgramRun refused = cli({"remove", "--gmap", "4711:3"});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find(texts.tooLarge + "1" + texts.tooLargeEnd + "\n"), std::string::npos)
      << refused.err;
  EXPECT_TRUE(fs::exists(package));

  const ProgramRun removed = cli({"remove", "--gmap", "4711:3", "--yes"});
  EXPECT_EQ(removed.exitCode, 0) << removed.err;
  EXPECT_FALSE(fs::exists(package));
  EXPECT_EQ(cli({"history"}).out.find("\tremove\t"), std::string::npos);
}

TEST_F(HistoryCommands, AnUndoIsRefusedNamingTheFileSomethingNowStandsAt) {
  ASSERT_EQ(cli({"remove", "4711:3", "--yes"}).exitCode, 0);
  writeFile(filePath(mapset.tdb), "a new TDB in its place");
  const ProgramRun refused = cli({"undo", "--yes"});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err, texts.changedSince + mapset.tdb + "\n");
  EXPECT_EQ(readFile(filePath(mapset.tdb)), "a new TDB in its place");
  EXPECT_EQ(cli({"undo", "000007", "--yes"}).err, texts.noSuchEntry + "000007\n");
  EXPECT_EQ(cli({"undo", "1", "2"}).exitCode, 2);
}

TEST_F(HistoryCommands, AnInterruptedActionIsRolledBackAtStartAndToldOnce) {
  const std::string before = state();
  {
    auto entry = Journal(history()).begin("rename", "Harz Nord");
    ASSERT_TRUE(entry);
    ASSERT_TRUE(entry->keepFile(mapset.tdb));
    ASSERT_TRUE(replaceFile(mapset.tdb, "half written"));
  }
  const ProgramRun first = cli({"list"});
  EXPECT_EQ(first.err, texts.recovered + "rename Harz Nord\n");
  EXPECT_EQ(state(), before);
  EXPECT_EQ(cli({"list"}).err, "");
  EXPECT_NE(cli({"history"}).out.find("\trename\tHarz Nord\t" + texts.rolledBack),
            std::string::npos);
}

}  // namespace
}  // namespace mapsetdesk::testing
