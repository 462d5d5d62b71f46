// The tile listing of the main window and the draw-priority window, driven
// as a person drives them, over mkgmap's tiles registered and packaged.
#include "ui/DrawPriorityWindowFixture.h"

#include "formats/TreDrawPriority.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

using Lines = std::vector<std::string>;

std::string withPriority(std::string bytes, std::uint8_t priority) {
  bytes[*findDrawPriority(bytes, 0)] = static_cast<char>(priority);
  return bytes;
}

TEST_F(DrawPriorityWindow, ARegisteredMapsetsTilesAreListedWithTheirValues) {
  auto& window = listTiles(registered);
  EXPECT_EQ(window.caption, texts.caption);
  EXPECT_EQ(window.CommandDPAendern.caption, texts.commandDPAendern);
  EXPECT_EQ(window.Label1.caption, topo.tiles);
  EXPECT_EQ(window.Listmaptilename.items(),
            (Lines{"63240001.img  =  Nordteil (63240001)  ; Drawpriority = 27",
                   "63240002.img  =  Sudteil (63240002)  ; Drawpriority = 22"}));
  EXPECT_EQ(window.TextDP.text(), "22");
  EXPECT_EQ(window.ProgressBarDP.value, 100);
  EXPECT_TRUE(window.CommandDPAendern.enabled);
}

TEST_F(DrawPriorityWindow, AChangeWritesOneByteInEveryTileAndListsAnew) {
  const std::string north = tile("63240001.img");
  const std::string south = tile("63240002.img");
  auto& window = listTiles(registered);
  EXPECT_TRUE(type(window.TextDP, "35"));
  EXPECT_EQ(window.TextDP.text(), "30");
  EXPECT_TRUE(click(window.CommandDPAendern));
  expectSaid(drawPriorityChanged(texts, 2));
  EXPECT_EQ(tile("63240001.img"), withPriority(north, 30));
  EXPECT_EQ(tile("63240002.img"), withPriority(south, 30));
  EXPECT_EQ(window.Listmaptilename.items(),
            (Lines{"63240001.img  =  Nordteil (63240001)  ; Drawpriority = 30",
                   "63240002.img  =  Sudteil (63240002)  ; Drawpriority = 30"}));
  EXPECT_EQ(program.session->vDraw, "");
  EXPECT_TRUE(program.main().ListMapsetName.enabled);
}

TEST_F(DrawPriorityWindow, AMissingTileIsListedWithoutValueAndTheOthersChange) {
  fs::remove(program.folder / "Karten" / "63240001.img");
  auto& window = listTiles(registered);
  EXPECT_EQ(window.Listmaptilename.items(),
            (Lines{"63240001.img  =  Nordteil (63240001)",
                   "63240002.img  =  Sudteil (63240002)  ; Drawpriority = 22"}));
  EXPECT_TRUE(type(window.TextDP, "31"));
  EXPECT_EQ(window.TextDP.text(), "31");
  EXPECT_TRUE(click(window.CommandDPAendern));
  expectSaid(drawPriorityChanged(texts, 1));
  EXPECT_FALSE(fs::exists(program.folder / "Karten" / "63240001.img"));
  EXPECT_EQ(window.Listmaptilename.item(1),
            "63240002.img  =  Sudteil (63240002)  ; Drawpriority = 31");
}

TEST_F(DrawPriorityWindow, ATileWithoutTreHeaderSaysSoAndStaysUntouched) {
  writeFile(program.folder / "Karten" / "63240001.img", "kein Container");
  auto& window = listTiles(registered);
  const std::string untouched =
      "63240001.img  =  Nordteil (63240001)  ; Drawpriority = " + texts.noTreHeader;
  EXPECT_EQ(window.Listmaptilename.item(0), untouched);
  EXPECT_TRUE(type(window.TextDP, "12"));
  EXPECT_TRUE(click(window.CommandDPAendern));
  expectSaid(drawPriorityChanged(texts, 1));
  EXPECT_EQ(tile("63240001.img"), "kein Container");
  EXPECT_EQ(window.Listmaptilename.item(0), untouched);
}

TEST_F(DrawPriorityWindow, WithNoTileToWriteTheChangeStaysDisabled) {
  fs::remove(program.folder / "Karten" / "63240001.img");
  writeFile(program.folder / "Karten" / "63240002.img", "kein Container");
  auto& window = listTiles(registered);
  EXPECT_TRUE(type(window.TextDP, "12"));
  EXPECT_FALSE(window.CommandDPAendern.enabled) << "no tile holds a draw priority to change";
}

TEST_F(DrawPriorityWindow, AMapsetRemovedWhileTheWindowIsOpenIsNotWritten) {
  const std::string north = tile("63240001.img");
  auto& window = listTiles(registered);
  EXPECT_TRUE(type(window.TextDP, "12"));
  fs::rename(filePath(topo.tdb), program.folder / "removed.tdb");  // as the removal moves it
  EXPECT_TRUE(click(window.CommandDPAendern));
  expectSaid(texts.mapsetGone + topo.tdb, Icon::Exclamation);
  EXPECT_EQ(tile("63240001.img"), north);
  EXPECT_TRUE(window.Listmaptilename.items().empty());
  EXPECT_FALSE(window.CommandDPAendern.enabled);
}

// The change button waits for a draw priority it can write; what is no
// draw priority is told when the field is left.
TEST_F(DrawPriorityWindow, OnlyADrawPriorityEnablesTheChangeAndAnythingElseIsTold) {
  const std::string south = tile("63240002.img");
  auto& window = listTiles(registered);
  for (const char* typed : {"0", "ab", ""}) {
    EXPECT_TRUE(type(window.TextDP, typed));
    EXPECT_FALSE(window.CommandDPAendern.enabled) << typed;
    EXPECT_TRUE(focus(window.TextDP));
    EXPECT_FALSE(window.CommandDPAendern.enabled) << "returning to the field: " << typed;
  }
  EXPECT_TRUE(type(window.TextDP, "ab"));
  EXPECT_TRUE(leave(window.TextDP));
  expectSaid(texts.noNumber, Icon::Exclamation);
  EXPECT_TRUE(type(window.TextDP, ""));
  EXPECT_TRUE(leave(window.TextDP));
  expectSaid(texts.noEntry);
  EXPECT_EQ(window.TextDP.text(), "");
  EXPECT_EQ(tile("63240002.img"), south);
  EXPECT_TRUE(type(window.TextDP, "7"));
  EXPECT_TRUE(window.CommandDPAendern.enabled);
}

TEST_F(DrawPriorityWindow, APackagesTileFoldersAreListedAndChanged) {
  auto& window = listTiles(packaged);
  EXPECT_EQ(window.Listmaptilename.items(),
            (Lines{"63240001=  Nordteil (63240001) ; DP = 27",
                   "63240002=  Sudteil (63240002) ; DP = 22"}));
  EXPECT_TRUE(type(window.TextDP, "9"));
  EXPECT_TRUE(click(window.CommandDPAendern));
  expectSaid(drawPriorityChanged(texts, 2));
  EXPECT_EQ(window.Listmaptilename.item(0), "63240001=  Nordteil (63240001) ; DP = 9");
}

TEST_F(DrawPriorityWindow, ClosingEndsTheListingMode) {
  auto& window = listTiles(registered);
  window.unload();
  EXPECT_EQ(program.session->vMapsetName, "");
  EXPECT_TRUE(program.main().CommandFilename.enabled);
}

}  // namespace
}  // namespace mapsetdesk::testing
