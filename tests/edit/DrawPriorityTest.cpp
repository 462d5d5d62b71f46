// The draw priority of every tile of a mapset, over mkgmap's tiles: a
// registered mapset's tile files (one scrambled, one missing) and a package's
// tile folders; after a change every file is compared whole.
#include "edit/DrawPriority.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "formats/TreDrawPriority.h"
#include "history/JournaledAction.h"
#include "history/Undo.h"
#include "platform/MemoryRegistry.h"
#include "platform/OpenFileBudget.h"
#include "support/RealMapsets.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::uint8_t kXor = 0x55;

std::string scrambled(std::string plain) {
  for (char& c : plain) c = static_cast<char>(static_cast<unsigned char>(c) ^ kXor);
  plain[0] = static_cast<char>(kXor);  // the XOR byte itself lies plain
  return plain;
}

// The file with only its draw-priority byte set, scrambled with xorByte.
std::string withPriority(std::string bytes, std::uint8_t xorByte, std::uint8_t priority) {
  const auto at = findDrawPriority(bytes, xorByte);
  EXPECT_TRUE(at.has_value());
  bytes[*at] = static_cast<char>(priority ^ xorByte);
  return bytes;
}

class DrawPriorityTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(mapsets.available()) << kNoGarminFiles; }
  std::string garmin(const std::string& relative) const {
    return readFile(mapsets.root() / relative);
  }
  std::vector<std::uint8_t> readValues(const PriorityMapset& mapset,
                                       std::vector<TileState>& states) {
    std::vector<std::uint8_t> values;
    for (const PriorityTile& tile : mapset.tiles) {
      for (const TileReading& reading : readTilePriorities(tile, mapset.form)) {
        states.push_back(reading.state);
        values.push_back(reading.priority);
      }
    }
    return values;
  }

  TempDir folder;
  RealMapsets mapsets;
};

TEST_F(DrawPriorityTest, RegisteredTilesAreListedInTdbOrderWithTheirFiles) {
  const PriorityMapset mapset = registeredTiles(garmin("mapset/osmmap.tdb"), folder.str());
  ASSERT_EQ(mapset.tiles.size(), 2u);
  EXPECT_EQ(mapset.tiles[0].name, "63240001");
  EXPECT_EQ(mapset.tiles[0].description, "Nordteil (63240001)");
  EXPECT_EQ(mapset.tiles[1].description, "Sudteil (63240002)");
  EXPECT_EQ(mapset.tiles[1].files,
            std::vector<std::string>{pathOf(folder / "63240002.img")});
}

TEST_F(DrawPriorityTest, ScrambledTileReadsPlainAndIsWrittenScrambled) {
  const std::string scrambledTile = scrambled(garmin("mapset/63240001.img"));
  writeFile(folder / "63240001.img", scrambledTile);
  const PriorityMapset mapset = registeredTiles(garmin("mapset/osmmap.tdb"), folder.str());

  std::vector<TileState> states;
  EXPECT_EQ(readValues(mapset, states), (std::vector<std::uint8_t>{27, 0}));
  EXPECT_EQ(states, (std::vector<TileState>{TileState::Read, TileState::Missing}));

  const PriorityWrite written = writeDrawPriorities(mapset, 30);
  EXPECT_EQ(written.written, 1);
  EXPECT_FALSE(written.held);
  EXPECT_EQ(readFile(folder / "63240001.img"), withPriority(scrambledTile, kXor, 30));
  EXPECT_FALSE(fs::exists(folder / "63240002.img"));
}

TEST_F(DrawPriorityTest, ATileWithoutTreHeaderIsLeftUntouchedAndNamed) {
  const std::string plain = garmin("mapset/63240002.img");
  writeFile(folder / "63240001.img", "no container at all");
  writeFile(folder / "63240002.img", plain);
  const PriorityMapset mapset = registeredTiles(garmin("mapset/osmmap.tdb"), folder.str());

  std::vector<TileState> states;
  readValues(mapset, states);
  EXPECT_EQ(states, (std::vector<TileState>{TileState::NoTreHeader, TileState::Read}));
  const PriorityWrite written = writeDrawPriorities(mapset, 5);
  EXPECT_EQ(written.written, 1);
  EXPECT_EQ(written.withoutTreHeader, std::vector<std::string>{pathOf(folder / "63240001.img")});
  EXPECT_EQ(readFile(folder / "63240001.img"), "no container at all");
  EXPECT_EQ(readFile(folder / "63240002.img"), withPriority(plain, 0, 5));
}

TEST_F(DrawPriorityTest, PackageTileFoldersWriteEveryTreAndGmpFile) {
  const fs::path package = mapsets.copyPackage(folder / "Maps", "Harz Familie");
  const fs::path product = package / "Product3";
  const std::string tre = readFile(product / "63240001" / "63240001.TRE");
  writeFile(product / "63240001" / "63240001.gmp", tre);
  fs::remove_all(product / "63240002");
  fs::create_directories(product / "63240002");
  const std::string lbl = readFile(product / "63240001" / "63240001.LBL");

  const PriorityMapset mapset = packageTiles(readFile(product / "osmmap.tdb"), pathOf(product));
  ASSERT_EQ(mapset.tiles.size(), 2u);
  EXPECT_EQ(mapset.tiles[0].files.size(), 2u);
  EXPECT_TRUE(mapset.tiles[1].files.empty());
  std::vector<TileState> states;
  EXPECT_EQ(readValues(mapset, states), (std::vector<std::uint8_t>{27, 27}));

  const PriorityWrite written = writeDrawPriorities(mapset, 12);
  EXPECT_EQ(written.written, 2);
  EXPECT_EQ(readFile(product / "63240001" / "63240001.TRE"), withPriority(tre, 0, 12));
  EXPECT_EQ(readFile(product / "63240001" / "63240001.gmp"), withPriority(tre, 0, 12));
  EXPECT_EQ(readFile(product / "63240001" / "63240001.LBL"), lbl);
}

// More tiles than the files held open at once: every batch's old bytes are
// kept before it is written, so a failed run goes back byte for byte and a
// finished one can be undone. The tiles are mkgmap's up to its TRE header.
TEST_F(DrawPriorityTest, AChangeOfManyBatchesIsPutBackAndUndoneByteForByte) {
  const std::string whole = garmin("mapset/63240001.img");
  const std::string plain = whole.substr(0, *findDrawPriority(whole, 0) + 16);
  const std::string scrambledTile = scrambled(plain);
  const std::size_t count = openFileBudget() + 100;
  PriorityMapset mapset{TreForm::TileFile, folder.str(), {}};
  for (std::size_t tile = 0; tile < count; ++tile) {
    const fs::path file = folder / ("7" + std::to_string(1000000 + tile) + ".img");
    writeFile(file, tile % 3 ? plain : scrambledTile);
    mapset.tiles.push_back({file.stem().string(), {}, {pathOf(file)}});
  }
  MemoryRegistry registry;
  ScriptedDialogs dialogs;
  const auto folders = openSystemFolderOps(dialogs);
  const Journal journal(folder / "History");
  const auto change = [&](bool succeeds) {
    return runJournaled(journal, registry, *folders, "draw-priority", "Many", [&](Recorded& r) {
      return writeDrawPriorities(mapset, 9, &r.entry).written == static_cast<int>(count) &&
             succeeds;
    });
  };
  const auto allHold = [&](std::uint8_t priority) {
    for (std::size_t tile = 0; tile < count; ++tile)
      if (readFile(filePath(mapset.tiles[tile].files[0])) !=
          withPriority(tile % 3 ? plain : scrambledTile, tile % 3 ? 0 : kXor, priority))
        return false;
    return true;
  };
  EXPECT_EQ(change(false), ActionOutcome::Failed);
  EXPECT_TRUE(allHold(27)) << "the failed run put every byte back";
  ASSERT_EQ(change(true), ActionOutcome::Done);
  EXPECT_TRUE(allHold(9));
  const std::vector<JournalListing> entries = journal.entries();
  ASSERT_EQ(entries.size(), 2u) << "the failed run's and the finished run's";
  const std::vector<JournalRecord>& kept = entries.back().manifest.records;
  ASSERT_EQ(kept.size(), count) << "every batch's records read back from the disk";
  EXPECT_EQ(kept.back().path, mapset.tiles.back().files[0]);
  const UndoPlan undone = carryOut(journal, registry, *folders, planUndo(journal, registry, {}));
  EXPECT_EQ(undone.status, UndoStatus::Done) << undone.item;
  EXPECT_TRUE(allHold(27));
}

TEST(DrawPriorityEntry, AboveThirtyOneBecomesThirty) {
  EXPECT_EQ(limitDrawPriorityEntry("35"), "30");
  EXPECT_EQ(limitDrawPriorityEntry("32"), "30");
  EXPECT_EQ(limitDrawPriorityEntry("31"), "31");
  EXPECT_EQ(limitDrawPriorityEntry("abc"), "abc");
}

TEST(DrawPriorityEntry, ZeroEmptyAndTextWriteNothing) {
  for (const char* entry : {"0", "", "  ", "abc", "-3"})
    EXPECT_FALSE(drawPriorityToWrite(entry)) << entry;
  EXPECT_EQ(drawPriorityToWrite("24"), 24);
  EXPECT_EQ(drawPriorityToWrite(" 7x"), 7);
}

}  // namespace
}  // namespace mapsetdesk::testing
