// The installation run with the built-in tools: an empty program folder,
// real tiles made by mkgmap, and the result read back as the catalogue and
// the package catalogue read it.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/CatalogueTexts.h"
#include "formats/TdbHeader.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class InstallBuiltin : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
    program.storeSetting("Wow64", "falsch");
    program.storeSetting("Language", "Eng");
    fs::create_directories(karten());
    for (const char* tile : {"63240001.img", "63240002.img"})
      fs::copy_file(mapsets.root() / "mapset" / tile, karten() / tile);
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  fs::path karten() const { return program.folder / "Karten"; }
  static const std::string& text(const char* key) { return englishTexts().messages.at(key); }

  ui::fMain& install(Answer layout) {
    ui::fMain& main = program.start().main;
    EXPECT_TRUE(click(main.CommandHinzufuegen));
    EXPECT_TRUE(choose(main.Dir1, pathText(karten())));
    EXPECT_TRUE(drop(main.List1, {pathText(karten() / "63240001.img"),
                                  pathText(karten() / "63240002.img")}));
    EXPECT_TRUE(click(main.Command1));
    EXPECT_TRUE(type(main.TextBoxMSName, "Harz Nord"));
    EXPECT_TRUE(type(main.TextBoxID, "1234"));
    program.dialogs.answer(layout);
    EXPECT_TRUE(click(main.CommandButtonPV));
    const Message question = program.dialogs.take();
    EXPECT_EQ(question.text, text("Satz43"));
    EXPECT_EQ(question.title, "ZORVAN");
    return main;
  }

  ProgramHarness program{true};
  RealMapsets mapsets;
};

TEST_F(InstallBuiltin, AnEmptyProgramFolderRegistersTheTilesAndTheCatalogueListsThem) {
  ui::fMain& main = install(Answer::No);
  const Message done = program.dialogs.take();
  EXPECT_EQ(done.text, text("Fehler8"));
  EXPECT_EQ(done.title, "ZORVAN");
  EXPECT_TRUE(fs::is_empty(program.folder / "program"));
  ASSERT_EQ(main.ListLoeschen.count(), 1);
  EXPECT_EQ(main.ListLoeschen.item(0), "Harz_Nord");
  EXPECT_EQ(main.ListID.item(0), "1234");
  EXPECT_EQ(main.ListIMG.item(0), pathText(karten() / "Harz_Nor.img"));
  EXPECT_TRUE(fs::exists(karten() / "Harz_Nor.img"));
  const TdbHeaderRead tdb = readTdbHeader(pathText(karten() / "Harz_Nor.tdb"));
  EXPECT_EQ(tdb.header.listedFid(), 1234);
  EXPECT_EQ(tdb.header.pid, 1);
}

TEST_F(InstallBuiltin, AnEmptyProgramFolderMakesAGmapPackageTheCatalogueReads) {
  ui::fMain& main = install(Answer::Yes);
  const Message done = program.dialogs.take();
  EXPECT_EQ(done.text, text("Satz61") + "2" + text("Satz62"));
  EXPECT_EQ(done.title, "ZORVAN");
  EXPECT_EQ(main.TextMeldung.text(), text("Satz61") + "2" + text("Satz62"));
  const fs::path package =
      program.folder / "ProgramData" / "GARMIN" / "Maps" / "Harz Nord.gmap";
  EXPECT_TRUE(fs::exists(package / "Product1" / "63240001" / "63240001.TRE"));
  EXPECT_TRUE(fs::exists(package / "Product1" / "63240002" / "63240002.RGN"));
  EXPECT_FALSE(fs::is_empty(package / "Product1" / "mapset"));
  EXPECT_FALSE(fs::exists(karten() / "Harz_Nor.img"));
  // The gmap list shows the new package without another click.
  EXPECT_TRUE(main.ListMapsetGMP.shown());
  ASSERT_EQ(main.ListMapsetGMP.count(), 1);
  EXPECT_EQ(main.ListMapsetGMP.item(0), "gmap; Harz Nord; FID:1234;PID:1");
  EXPECT_EQ(main.ListGmpTdb.item(0), pathText(package / "Product1" / "Harz_Nor.tdb"));
}

}  // namespace
}  // namespace mapsetdesk::testing
