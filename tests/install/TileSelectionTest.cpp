// The rules of what enters a tile selection: tiles by name, one device image
// alone, duplicates, dots in a device image's folders, drops of mixed files.
#include <gtest/gtest.h>

#include "install/TileFiles.h"
#include "install/TileSelection.h"
#include "platform/Platform.h"

namespace mapsetdesk {
namespace {

const std::string kFolder = joinPath(joinPath("", "Karten"), "Harz");
std::string in(const std::string& name) { return joinPath(kFolder, name); }

TEST(TileFiles, TileNamesAreEightAsciiDigitsAndImgInAnyCase) {
  for (const char* tile : {"63240001.img", "63240001.Img", "63240001.IMG", "63240001.iMg"})
    EXPECT_TRUE(isTileFile(in(tile))) << tile;
  EXPECT_TRUE(isTileFile("00223344.img"));
  EXPECT_TRUE(isTileFile("C:\\maps\\00223344.img"));
  for (const char* other : {"1234567a.img", "6324001.img", "63240001.tdb", "infinity.img",
                            "nan(ab).img", "1e000000.img", "1234.567.img", "002233445.img",
                            "x12345678.img", "+1234567.img", " 1234567.img", "12345678.imgx"})
    EXPECT_FALSE(isTileFile(in(other))) << other;
  EXPECT_FALSE(isTileFile("1.img"));
  EXPECT_EQ(tileStem(in("00012345.img")), "00012345");
}

TEST(TileFiles, DeviceImagesEndInGmapsuppImgInAnyCase) {
  EXPECT_TRUE(isDeviceImage(in("gmapsupp.img")));
  EXPECT_TRUE(isDeviceImage(in("GMAPSUPP.IMG")));
  EXPECT_TRUE(isDeviceImage(in("mygmapsupp.img")));
  EXPECT_FALSE(isDeviceImage(in("gmapsupp.img.bak")));
}

TEST(TileFiles, ADotBeforeTheExtensionIsADotInAFolderName) {
  EXPECT_TRUE(hasDotInFolders(joinPath(joinPath("maps.old", "x"), "gmapsupp.img")));
  EXPECT_FALSE(hasDotInFolders(joinPath(joinPath("maps", "x"), "gmapsupp.img")));
  EXPECT_FALSE(hasDotInFolders("gmapsupp"));
}

TEST(TileSelection, DoubleClickAddsInOrderAndRefusesTheSameTileTwice) {
  TileSelection selection;
  SelectionStep step = selection.addFromFolder(kFolder, "63240002.img");
  EXPECT_TRUE(step.added);
  EXPECT_TRUE(step.handled);
  selection.addFromFolder(kFolder, "63240001.img");
  step = selection.addFromFolder(kFolder, "63240002.img");
  EXPECT_EQ(step.note, SelectionNote::Duplicate);
  EXPECT_FALSE(step.added);
  EXPECT_TRUE(step.handled);  // a refused duplicate still makes the selection finishable
  EXPECT_EQ(selection.entries(),
            (std::vector<std::string>{in("63240002.img"), in("63240001.img")}));
  EXPECT_EQ(selection.pfad(), joinPath(kFolder, ""));
  EXPECT_FALSE(selection.vgmapsupp());
}

TEST(TileSelection, WrongNamesAndDottedDeviceImagesAreRefused) {
  TileSelection selection;
  EXPECT_EQ(selection.addFromFolder(kFolder, "1234567a.img").note, SelectionNote::WrongName);
  const std::string dotted = joinPath(kFolder, "maps.old");
  const SelectionStep step = selection.addFromFolder(dotted, "gmapsupp.img");
  EXPECT_EQ(step.note, SelectionNote::DotInFolders);
  EXPECT_FALSE(step.handled);
  EXPECT_TRUE(selection.empty());
}

TEST(TileSelection, ADeviceImageReplacesTheTilesAndThenTakesNothingMore) {
  TileSelection selection;
  selection.addFromFolder(kFolder, "63240001.img");
  EXPECT_TRUE(selection.addFromFolder(kFolder, "gmapsupp.img").added);
  EXPECT_TRUE(selection.vgmapsupp());
  EXPECT_EQ(selection.entries(), std::vector<std::string>{in("gmapsupp.img")});
  EXPECT_EQ(selection.addFromFolder(kFolder, "63240002.img").note,
            SelectionNote::DeviceImageHeld);
  EXPECT_EQ(selection.drop({in("63240002.img")}, kFolder, "program").note,
            SelectionNote::DeviceImageHeld);
  EXPECT_EQ(selection.entries().size(), 1u);
}

TEST(TileSelection, ADropOfAMixKeepsTilesSkipsOtherFilesAndTheImageClearsEarlierTiles) {
  TileSelection selection;
  const SelectionStep tiles =
      selection.drop({in("63240001.img"), in("readme.txt"), in("63240002.img"), in("63240001.img")},
                     kFolder, "program");
  EXPECT_EQ(tiles.note, SelectionNote::None);
  EXPECT_EQ(selection.entries(),
            (std::vector<std::string>{in("63240001.img"), in("63240002.img")}));
  selection.clear();
  selection.drop({in("63240001.img"), in("gmapsupp.img"), in("63240002.img")}, kFolder, "program");
  EXPECT_EQ(selection.entries(), std::vector<std::string>{in("gmapsupp.img")});
  EXPECT_TRUE(selection.vgmapsupp());
}

TEST(TileSelection, ADropEndsAtADottedDeviceImageAndRefusesTheProgramFolder) {
  TileSelection selection;
  const std::string dotted = joinPath(joinPath(kFolder, "maps.old"), "gmapsupp.img");
  const SelectionStep step = selection.drop({in("63240001.img"), dotted}, kFolder, "program");
  EXPECT_EQ(step.note, SelectionNote::DotInFolders);
  EXPECT_FALSE(step.handled);
  EXPECT_EQ(selection.entries(), std::vector<std::string>{in("63240001.img")});
  EXPECT_EQ(selection.drop({in("63240002.img")}, joinPath(kFolder, ""), kFolder).note,
            SelectionNote::ProgramFolder);
  EXPECT_EQ(selection.entries().size(), 1u);
}

TEST(TileSelection, PfadOfADropIsTheFolderOfTheFirstEntry) {
  TileSelection selection;
  const std::string other = joinPath("", "Andere");
  selection.drop({joinPath(other, "63240001.img"), in("63240002.img")}, kFolder, "program");
  EXPECT_EQ(selection.pfad(), joinPath(other, ""));
}

TEST(TileSelection, RemovingEntriesLetsTheSameTileInAgain) {
  TileSelection selection;
  selection.drop({in("63240001.img"), in("63240002.img")}, kFolder, "program");
  selection.removeAt(0);
  selection.removeAt(5);
  EXPECT_EQ(selection.entries(), std::vector<std::string>{in("63240002.img")});
  EXPECT_TRUE(selection.addFromFolder(kFolder, "63240001.img").added);
  selection.removeAt(1);
  selection.removeAt(0);
  EXPECT_TRUE(selection.empty());
}

}  // namespace
}  // namespace mapsetdesk
