// The main window under Wine, driven through its native controls as the
// mouse and keyboard drive them; each action leaves lists that show it.
#include "ClickDriver.h"

#include "app/messages/CatalogueTexts.h"
#include "app/messages/MessageKeys.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;
using ByClicks = ClickDriver;

TEST_F(ByClicks, ANewPackageShowsInTheGmapListWithoutAnotherClick) {
  ui::fMain& main = start();
  const HWND gmapList = native(main.ListMapsetGMP);
  ASSERT_NE(gmapList, nullptr);

  press(main.CommandHinzufuegen);
  dropOn(main.List1, {pathText(karten() / "63240001.img"), pathText(karten() / "63240002.img")});
  press(main.Command1);
  typeInto(main.TextBoxMSName, "Harz Nord");
  typeInto(main.TextBoxID, "1234");
  harness.dialogs.answer(Answer::Yes);  // a gmap package
  press(main.CommandButtonPV);

  expectSaid(englishTexts().messages.at("Satz43"));
  expectSaid(englishTexts().messages.at("Satz61") + "2" + englishTexts().messages.at("Satz62"));
  EXPECT_TRUE(IsWindowVisible(gmapList));
  EXPECT_EQ(rowsOf(gmapList), std::vector<std::string>{"gmap; Harz Nord; FID:1234;PID:1"});
  EXPECT_FALSE(enabled(main.CommandButtonPV)) << "installed: nothing to repeat";
}

TEST_F(ByClicks, ARenamedMapsetShowsItsNameAndARemovedOneIsGoneAndNoRowAsksNothing) {
  const MapsetFiles topo = mapsets.make(karten(), "Topo", "Topo", 1234, 1);
  registerFamilyProduct(harness.memory, "SOFTWARE", RegistrationRoot::Families, "Topo1234", 1234,
                        "1", topo);
  ui::fMain& main = start();

  press(main.CommandMapnameAendern);
  doubleClick(main.ListMapsetName, 0);
  ASSERT_TRUE(shown(main.TextMapsetname)) << "the double-click picked the row";
  EXPECT_EQ(main.ListMapsetName.listIndex(), 0);
  EXPECT_EQ(main.TextMapsetname.text(), "Topo");
  typeInto(main.TextMapsetname, "Topo Neu");
  press(main.CommandNameuebernehmen);
  const TdbTexts& tdb = session.texts.tdb();
  expectSaid(tdb.backupCreated + topo.tdb + "-BAK");
  expectSaid(tdb.nameChanged);
  EXPECT_EQ(rows(main.ListMapsetName), std::vector<std::string>{"Topo Neu"});
  EXPECT_TRUE(enabled(main.CommandKartenentfernen));

  press(main.CommandKartenentfernen);
  doubleClick(main.ListLoeschen, -1);
  EXPECT_TRUE(harness.dialogs.messages().empty()) << "a double-click below the rows asks nothing";
  harness.dialogs.answer(Answer::Ok);
  doubleClick(main.ListLoeschen, 0);
  expectSaid(session.texts.text(key::Satz21), "ZORVAN - Topo Neu");
  EXPECT_TRUE(rows(main.ListLoeschen).empty());
  EXPECT_FALSE(harness.memory.canOpen(Root::LocalMachine,
                                      "SOFTWARE\\Garmin\\MapSource\\Families\\Topo1234"));
}

TEST_F(ByClicks, ADeviceImageInstalledByClicksIsNotOfferedAgain) {
  const fs::path device = harness.folder / "Geraet";
  fs::create_directories(device);
  fs::copy_file(mapsets.root() / "families" / "gmapsupp.img", device / "gmapsupp.img");
  ui::FormTDBvorhanden& registration = windows->tdbVorhanden;
  for (int family = 0; family < 2; ++family) {
    harness.dialogs.answer(Answer::Yes);  // the family's own FID
    whenShown(registration, [&] {
      EXPECT_FALSE(enabled(registration.Text1)) << "the name comes from the family's TDB";
      press(registration.Commandregistriere);
      close(registration);
    });
  }
  ui::fMain& main = start();
  press(main.CommandHinzufuegen);
  dropOn(main.List1, {pathText(device / "gmapsupp.img")});
  press(main.Command1);

  const MessageCatalogue& texts = session.texts;
  for (const char* family : {"gmapsupp_4711", "gmapsupp_4712"}) {
    expectSaid(texts.text(key::Satz67));
    expectSaid(texts.text(key::Satz25) +
               pathText(device / "SplittMaps" / family / "mapset.tdb") + "-BAK");
    expectSaid(tdbVorhandenTexts(Sprache::English).finished);
  }
  expectSaid(texts.text(key::Text2));
  EXPECT_EQ(rows(main.ListLoeschen).size(), 2u);
  EXPECT_EQ(rows(main.List1), std::vector<std::string>{texts.text(key::Fehler28)});
  for (const ui::Button* done : {&main.CommandButtonPV, &main.Command1})
    EXPECT_FALSE(enabled(*done)) << done->name() << ": the image is installed";
}

}  // namespace
}  // namespace mapsetdesk::testing
