// The main window's editing modes under Wine, clicked through as a user
// clicks them: TYP, FID and draw priority; after each step the native lists
// show what changed and only the buttons that can do something are enabled.
#include "ClickDriver.h"

#include "app/messages/DrawPriorityTexts.h"
#include "app/messages/MessageKeys.h"
#include "formats/TdbHeader.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

using Rows = std::vector<std::string>;
const std::string kFamilies = "SOFTWARE\\Garmin\\MapSource\\Families\\";

class EditsByClicks : public ClickDriver {
 protected:
  void SetUp() override {
    ClickDriver::SetUp();
    topo = mapsets.make(karten(), "Topo", "Topo", 1234, 1);
    registerFamilyProduct(harness.memory, "SOFTWARE", RegistrationRoot::Families, "Topo1234",
                          1234, "1", topo);
    package = mapsets.copyPackage(harness.folder / "ProgramData" / "GARMIN" / "Maps", "Harz");
  }
  std::string text(std::string_view key) const { return session.texts.text(key); }

  MapsetFiles topo;
  fs::path package;
};

TEST_F(EditsByClicks, ATypIsUsedForARegistrationAndAPackageAndOneThatWouldBeLeftOutIsAskedAbout) {
  const fs::path styles = harness.folder / "Stile";
  fs::create_directories(styles);
  fs::copy_file(mapsets.root() / "typ" / "harz-typ.typ", styles / "harz-typ.typ");
  ui::fMain& main = start();

  press(main.CommandTypeaendern);
  for (const ui::Button* waiting : {&main.CommandFID, &main.CommandMapnameAendern,
                                    &main.CommandFilename, &main.CommandDoIt})
    EXPECT_FALSE(enabled(*waiting)) << waiting->name();
  doubleClick(main.ListMapsetName, 0);
  openFolder(main.DirTypefile, styles);
  EXPECT_EQ(rows(main.FileTypefile), Rows{"harz-typ.typ"});
  EXPECT_EQ(main.LabelTypefile.caption, session.texts.caption("LabelTypefile") + " harz-typ.typ");
  press(main.CommandDoIt);
  expectSaid(text(key::Satz22));
  const std::string copy = pathText(karten() / "2104.TYP");
  EXPECT_EQ(fRegAbfrageWert(harness.memory, Root::LocalMachine, kFamilies + "Topo1234", "TYP"),
            copy);
  EXPECT_EQ(rows(main.ListTypefile), Rows{copy});
  EXPECT_FALSE(shown(main.CommandDoIt));
  for (const ui::Button* free : {&main.CommandFID, &main.CommandMapnameAendern,
                                 &main.CommandFilename, &main.CommandTypeaendern})
    EXPECT_TRUE(enabled(*free)) << free->name();

  press(main.CommandTypeaendern);
  doubleClick(main.ListMapsetGMP, 0);
  openFolder(main.DirTypefile, styles);
  press(main.CommandDoIt);
  expectSaid(text(key::Satz22));
  EXPECT_NE(readFile(package / "Info.xml").find("<TYP>4711.Typ</TYP>"), std::string::npos);
  EXPECT_EQ(main.gmapCatalogue().rows.at(0).typ, "4711.Typ") << "the catalogue was read anew";

  // A TYP picked for new tiles that the mapset would not get is asked about.
  press(main.CommandHinzufuegen);
  dropOn(main.List1, {pathText(karten() / "63240001.img")});
  press(main.Command1);
  press(main.CheckTypfile);
  EXPECT_EQ(rows(main.FileTypefile), Rows{"harz-typ.typ"});
  EXPECT_EQ(main.LabelTypefile.caption, session.texts.caption("LabelTypefile") + " harz-typ.typ");
  typeInto(main.TextBoxMSName, "Harz Nord");
  harness.dialogs.answer(Answer::No);
  press(main.CommandButtonPV);
  expectSaid(text(key::Fehler61) + joinPath(main.FileTypefile.path(), "harz-typ.typ"));
  EXPECT_EQ(rows(main.ListMapsetGMP), Rows{main.gmapCatalogue().rows.at(0).display});
  EXPECT_TRUE(enabled(main.CommandButtonPV)) << "nothing installed: the user may go on";
}

TEST_F(EditsByClicks, AFreeFidGoesToTheMapsetPickedInTheMainWindowAndItsListsShowIt) {
  ui::fMain& main = start();
  ui::formFID& fid = windows->fid;
  press(main.CommandFID);
  ASSERT_TRUE(IsWindowVisible(windowOf(fid)));
  for (const ui::Button* waiting : {&main.CommandTypeaendern, &main.CommandMapnameAendern,
                                    &main.CommandFilename, &main.CommandKartenentfernen})
    EXPECT_FALSE(enabled(*waiting)) << waiting->name();
  EXPECT_EQ(fid.Label4.caption, main.modeHint());
  EXPECT_FALSE(enabled(fid.Command1));

  press(fid.Command2);
  EXPECT_EQ(fid.Text1.text(), "10");
  EXPECT_FALSE(enabled(fid.Command1)) << "no mapset picked yet";
  doubleClick(main.ListMapsetName, 0);
  EXPECT_EQ(fid.TextMapname.text(), "Topo");
  press(fid.Command1);
  EXPECT_EQ(readTdbHeader(topo.tdb).header.fid, 10);
  EXPECT_EQ(rows(main.ListID), Rows{"10"});
  EXPECT_FALSE(enabled(fid.Command1)) << "the window waits for the next mapset";

  doubleClick(main.ListMapsetGMP, 0);
  typeInto(fid.Text1, "2345");
  press(fid.Command1);
  EXPECT_NE(readFile(package / "Info.xml").find("<ID>2345</ID>"), std::string::npos);
  EXPECT_NE(rows(main.ListMapsetGMP).at(0).find("; FID:2345;"), std::string::npos);

  press(fid.CommandExit);
  EXPECT_FALSE(IsWindowVisible(windowOf(fid)));
  for (const ui::Button* free : {&main.CommandTypeaendern, &main.CommandMapnameAendern,
                                 &main.CommandFilename, &main.CommandKartenentfernen})
    EXPECT_TRUE(enabled(*free)) << free->name();
  EXPECT_EQ(main.CommandFID.backColor, ui::kButtonColour);
}

TEST_F(EditsByClicks, ANewDrawPriorityIsWrittenToEveryTileAndListedAnew) {
  ui::fMain& main = start();
  ui::FormMaptilename& tiles = windows->maptilename;
  press(main.CommandFilename);
  EXPECT_EQ(main.LabelHinweis.caption, main.modeHint());
  doubleClick(main.ListMapsetName, 0);
  ASSERT_TRUE(IsWindowVisible(windowOf(tiles)));
  EXPECT_EQ(rows(tiles.Listmaptilename),
            (Rows{"63240001.img  =  Nordteil (63240001)  ; Drawpriority = 27",
                  "63240002.img  =  Sudteil (63240002)  ; Drawpriority = 22"}));

  typeInto(tiles.TextDP, "31");
  press(tiles.CommandDPAendern);
  expectSaid(drawPriorityChanged(drawPriorityTexts(Sprache::English), 2));
  EXPECT_EQ(rows(tiles.Listmaptilename),
            (Rows{"63240001.img  =  Nordteil (63240001)  ; Drawpriority = 31",
                  "63240002.img  =  Sudteil (63240002)  ; Drawpriority = 31"}));
  EXPECT_TRUE(enabled(tiles.CommandDPAendern));
  EXPECT_TRUE(enabled(main.ListMapsetName));

  close(tiles);
  EXPECT_EQ(windowOf(tiles), nullptr);
  for (const ui::Button* free : {&main.CommandHinzufuegen, &main.CommandKartenentfernen,
                                 &main.CommandFilename, &main.CommandFID})
    EXPECT_TRUE(enabled(*free)) << free->name();
  EXPECT_EQ(main.CommandFilename.backColor, ui::kButtonColour);
  EXPECT_EQ(main.modeHint(), "");
}

}  // namespace
}  // namespace mapsetdesk::testing
