// The main window's menu, the language label and the catalogue lists' shared
// behaviour, driven through the headless driver.
#include <gtest/gtest.h>

#include "app/messages/MessageKeys.h"
#include "app/messages/Website.h"
#include "platform/Platform.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"

namespace mapsetdesk::testing {
namespace {

class Menu : public ::testing::Test {
 protected:
  void SetUp() override { program.storeSetting("Wow64", "falsch"); }
  void TearDown() override { program.dialogs.expectAllTaken(); }
  ProgramHarness program;
};

TEST_F(Menu, GermanWithoutALanguageSetting) {
  auto& main = program.start().main;
  EXPECT_EQ(main.CommandHinzufuegen.caption, "Mapset hinzufuegen");
  EXPECT_EQ(main.CommandKartenentfernen.caption, "Karten anzeigen/entfernen");
  EXPECT_EQ(main.Command1.caption, " Auswahl ist fertig");
  EXPECT_EQ(main.ListLoeschen.toolTip, "'Doppelclick' entfernt Mapset aus 'Mapsouce'");
  EXPECT_EQ(main.Sprachwahl.caption, "Language");
}

TEST_F(Menu, EnglishFromTheSetting) {
  program.storeSetting("Language", "Eng");
  auto& main = program.start().main;
  EXPECT_EQ(main.CommandHinzufuegen.caption, "add mapset");
  EXPECT_EQ(main.CommandAllesLoeschen.caption, "back");
  EXPECT_EQ(main.CmdExpImp.toolTip, "click here,if you want to install maps on another pc.");
}

TEST_F(Menu, TogglingTwiceReturnsToTheFirstLanguageAndValue) {
  program.storeSetting("Language", "Deu");
  auto& main = program.start().main;
  ASSERT_TRUE(click(main.Sprachwahl));
  EXPECT_EQ(program.setting("Language"), "Eng");
  EXPECT_EQ(main.CommandHinzufuegen.caption, "add mapset");
  EXPECT_EQ(main.Sprachwahl.caption, "English");
  ASSERT_TRUE(click(main.Sprachwahl));
  EXPECT_EQ(program.setting("Language"), "Deu");
  EXPECT_EQ(main.CommandHinzufuegen.caption, "Mapset hinzufuegen");
  EXPECT_EQ(main.Sprachwahl.caption, "Deutsch");
}

TEST_F(Menu, UnknownLanguageKeepsTheTextsAndTheToggleStoresEnglish) {
  program.storeSetting("Language", "Fra");
  auto& main = program.start().main;
  EXPECT_EQ(main.CommandHinzufuegen.caption, "Mapset hinzufuegen");
  ASSERT_TRUE(click(main.Sprachwahl));
  EXPECT_EQ(program.setting("Language"), "Eng");
  EXPECT_EQ(main.CommandHinzufuegen.caption, "add mapset");
}

TEST_F(Menu, Label9ResetsToGerman) {
  program.storeSetting("Language", "Eng");
  auto& main = program.start().main;
  ASSERT_TRUE(click(main.Label9));
  EXPECT_EQ(program.setting("Language"), "Deu");
  EXPECT_EQ(main.CommandHinzufuegen.caption, "Mapset hinzufuegen");
  EXPECT_EQ(main.Label4.caption, "ausgewaehlte Files :");
}

TEST_F(Menu, RefusedLanguageStoreIsReported) {
  auto& main = program.start().main;
  program.registry.refuseWrites();
  ASSERT_TRUE(click(main.Sprachwahl));
  const Message shown = program.dialogs.take();
  EXPECT_EQ(shown.text, program.session->texts.text(key::Fehler29));
  EXPECT_EQ(shown.title, "ZORVAN");
}

TEST_F(Menu, HelpOpensTheFaqBesideTheProgram) {
  const std::string faq = joinPath(program.services.programFolder, "FAQ.html");
  writeFile(program.folder / "program" / "FAQ.html", "<html></html>");
  auto& windows = program.start();
  ASSERT_TRUE(click(windows.main.MnHilfe));
  EXPECT_EQ(program.shell.opened, std::vector<std::string>{faq});
  EXPECT_FALSE(windows.urlZorvan.visible());
}

TEST_F(Menu, HelpWithoutFaqOpensTheHelpPage) {
  auto& windows = program.start();
  ASSERT_TRUE(click(windows.main.MnHilfe));
  EXPECT_EQ(program.shell.opened, std::vector<std::string>{std::string(kProductHelpPage)});
  EXPECT_FALSE(windows.urlZorvan.visible());
}

TEST_F(Menu, HelpWithoutABrowserShowsTheAddresses) {
  program.shell.opens = false;
  auto& windows = program.start();
  ASSERT_TRUE(click(windows.main.MnHilfe));
  EXPECT_TRUE(windows.urlZorvan.visible());
  EXPECT_EQ(windows.urlZorvan.CommandHilfeseite.caption, kProductHelpPage);
}

TEST_F(Menu, WebsiteWindowOpensTheSiteAndThePage) {
  auto& windows = program.start();
  ASSERT_TRUE(click(windows.main.mnuWebsite));
  ASSERT_TRUE(windows.urlZorvan.visible());
  ASSERT_TRUE(click(windows.urlZorvan.CommandWebsite));
  ASSERT_TRUE(click(windows.urlZorvan.CommandHilfeseite));
  EXPECT_EQ(program.shell.opened, (std::vector<std::string>{std::string(kProductWebsite),
                                                            std::string(kProductHelpPage)}));
  ASSERT_TRUE(click(windows.urlZorvan.CommandOK));
  EXPECT_FALSE(windows.urlZorvan.visible());
}

TEST_F(Menu, WorkNoticeShowsTheHourglassOnTheMainWindow) {
  auto& windows = program.start();
  windows.arbeite.show();
  EXPECT_EQ(windows.main.mousePointer(), ui::MousePointer::Hourglass);
  windows.arbeite.unload();
  EXPECT_EQ(windows.main.mousePointer(), ui::MousePointer::Default);
  EXPECT_EQ(program.screen.pointers["fMain"],
            (std::vector<ui::MousePointer>{ui::MousePointer::Hourglass,
                                           ui::MousePointer::Default}));
}

class CatalogueLists : public Menu {
 protected:
  ui::fMain& startWithRows(int rows) {
    auto& main = program.start().main;
    for (ui::ListBox* list : {&main.ListLoeschen, &main.ListSubkey, &main.ListID,
                              &main.ListProdFam, &main.ListMapsetName}) {
      for (int row = 0; row < rows; ++row) list->addItem(list->name() + std::to_string(row));
    }
    return main;
  }
};

TEST_F(CatalogueLists, ClickOnARemovalRowNamesItInTheToolTip) {
  auto& main = startWithRows(3);
  ASSERT_TRUE(click(main.ListLoeschen, 1));
  EXPECT_EQ(main.ListLoeschen.toolTip, "ListLoeschen1 Doppelclick zum loeschen");
}

TEST_F(CatalogueLists, ScrollTogether) {
  auto& main = startWithRows(40);
  ASSERT_TRUE(scroll(main.ListLoeschen, 12));
  for (ui::ListBox* list : {&main.ListSubkey, &main.ListID, &main.ListProdFam, &main.ListMapsetName})
    EXPECT_EQ(list->topIndex(), 12) << list->name();
  ASSERT_TRUE(scroll(main.ListID, 30));
  EXPECT_EQ(main.ListMapsetName.topIndex(), 30);
  EXPECT_EQ(main.ListLoeschen.topIndex(), 30);
}

}  // namespace
}  // namespace mapsetdesk::testing
