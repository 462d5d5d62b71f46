// The program's secondary windows under Wine, each reached as a user reaches
// it (its menu entry or button) and clicked through: what it changes shows in
// its own lists and in the main window's, and its buttons are enabled only
// where pressing them can do something.
#include "ClickDriver.h"

#include "app/messages/CatalogueTexts.h"
#include "app/messages/CheckTexts.h"
#include "app/messages/EinstellungenTexts.h"
#include "app/messages/ExportImportTexts.h"
#include "app/messages/HistoryTexts.h"
#include "app/messages/MessageKeys.h"
#include "app/messages/SendToDeviceTexts.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "formats/ImgContainer.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

using Rows = std::vector<std::string>;

class WindowsByClicks : public ClickDriver {
 protected:
  void SetUp() override {
    ClickDriver::SetUp();
    topo = mapsets.make(karten(), "Topo", "Topo", 1234, 1);
  }
  void registerTopo(std::uint16_t registryFid = 1234) {
    registerFamilyProduct(harness.memory, "SOFTWARE", RegistrationRoot::Families, "Topo1234",
                          registryFid, "1", topo);
  }
  bool visible(const ui::Form& form) const { return IsWindowVisible(windowOf(form)); }
  void expectAsked(const std::string& text) {
    EXPECT_EQ(harness.dialogs.messages().at(0).buttons, Buttons::YesNo);
    expectSaid(text);
  }

  MapsetFiles topo;
};

TEST_F(WindowsByClicks, TheHistoryListsARenameAndItsUndoPutsTheNameBackInTheMainList) {
  registerTopo();
  ui::fMain& main = start();
  press(main.CommandMapnameAendern);
  doubleClick(main.ListMapsetName, 0);
  typeInto(main.TextMapsetname, "Topo Neu");
  press(main.CommandNameuebernehmen);
  expectSaid(session.texts.tdb().backupCreated + topo.tdb + "-BAK");
  expectSaid(session.texts.tdb().nameChanged);

  const HistoryTexts texts = historyTexts(Sprache::English);
  ui::FormVerlauf& history = windows->verlauf;
  choose(main.MnuVerlauf);
  ASSERT_TRUE(visible(history));
  Rows entries = rows(history.ListVerlauf);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_TRUE(entries[0].ends_with("\trename\tTopo\t" + texts.complete)) << entries[0];
  EXPECT_TRUE(enabled(history.CmdRueckgaengig));

  harness.dialogs.answer(Answer::Yes);
  press(history.CmdRueckgaengig);
  expectAsked(texts.askUndo + "000001 rename Topo");
  expectSaid(texts.undone + "000001 rename Topo");
  EXPECT_EQ(rows(main.ListLoeschen), Rows{"Topo"});
  entries = rows(history.ListVerlauf);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_TRUE(entries[0].ends_with("\tundo\tTopo\t" + texts.complete)) << entries[0];
  EXPECT_TRUE(entries[1].ends_with("\t" + texts.undoneState)) << entries[1];

  press(history.CmdRueckgaengig);
  expectSaid(texts.nothingToUndo);
}

TEST_F(WindowsByClicks, ASettingClickedIsStoredAndShownAndTheLanguageReachesTheOpenWindow) {
  const EinstellungenTexts english = einstellungenTexts(Sprache::English);
  ui::fMain& main = start();
  ui::FormEinstellungen& settings = windows->einstellungen;
  choose(main.Prop);
  ASSERT_TRUE(visible(settings));
  EXPECT_EQ(rows(settings.List1), Rows{"operatingsystem is 32 bit"});
  harness.dialogs.answer(Answer::Yes);
  click(settings.List1, 0);
  expectAsked("is a 64 bit operatingsystem in use ? 'yes' for 64 bit, 'no' for 32 bit");
  EXPECT_EQ(harness.setting("Wow64"), "wahr");
  EXPECT_EQ(rows(settings.List1), Rows{"operatingsystem is 64 bit"});

  EXPECT_EQ(rows(settings.ListTools),
            (Rows{english.toolsAuto, english.toolsExtern, english.toolsIntern}));
  click(settings.ListTools, 2);
  EXPECT_EQ(harness.setting("Tools"), "intern");

  choose(main.Sprachwahl);
  EXPECT_EQ(harness.setting("Language"), "Deu");
  EXPECT_EQ(rows(settings.List1), Rows{"Betriebssystem arbeitet mit 64 bit"});
  EXPECT_EQ(settings.LabelTools.caption, einstellungenTexts(Sprache::Deutsch).toolsLabel);
}

TEST_F(WindowsByClicks, TheCheckListsItsFindingsInColumnsAndItsRepairShowsInTheMainList) {
  registerTopo(1235);  // the TDB says 1234
  const CheckTexts& texts = checkTexts(Sprache::English);
  ui::fMain& main = start();
  ui::FormPruefen& check = windows->pruefen;
  choose(main.MnuPruefen);
  ASSERT_TRUE(visible(check));
  EXPECT_TRUE(GetWindowLongW(native(check.ListBefunde), GWL_STYLE) & LBS_USETABSTOPS);
  const Rows findings = rows(check.ListBefunde);
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_TRUE(findings[0].starts_with(texts.error + "\tTopo\t1234\t1\t")) << findings[0];
  EXPECT_TRUE(enabled(check.CmdReparieren));

  press(check.CmdReparieren);
  for (const std::string& row : rows(check.ListBefunde))
    EXPECT_TRUE(row.starts_with(texts.repaired)) << row;
  EXPECT_FALSE(enabled(check.CmdReparieren)) << "nothing left to repair";
  EXPECT_EQ(rows(main.ListID), Rows{"1234"});
  press(check.CmdPruefen);
  EXPECT_EQ(rows(check.ListBefunde), Rows{texts.nothingFound});
}

TEST_F(WindowsByClicks, TheSendToDeviceWindowListsTheMapsetsAndWritesTheImageIntoAChosenFolder) {
  registerTopo();
  const SendToDeviceTexts texts = sendToDeviceTexts(Sprache::English);
  ui::fMain& main = start();
  ui::FormGeraet& device = windows->geraet;
  device.volumes = [] { return std::vector<std::string>{}; };
  choose(main.MnuGeraet);
  ASSERT_TRUE(visible(device));
  ASSERT_EQ(rows(device.ListKartensaetze).size(), 1u);
  EXPECT_TRUE(rows(device.ListKartensaetze)[0].starts_with("Topo\t1234\t1\t"));
  EXPECT_EQ(rows(device.ListZiel), Rows{texts.chooseFile});

  click(device.ListKartensaetze, 0);
  EXPECT_TRUE(device.LabelGroesse.caption.starts_with(texts.imageSize));
  press(device.CmdSchreiben);
  expectSaid(texts.noTarget);

  const fs::path folder = harness.folder / "Bild";
  fs::create_directories(folder);
  harness.dialogs.folder(pathText(folder));
  click(device.ListZiel, 0);
  const fs::path image = folder / "gmapsupp.img";
  EXPECT_EQ(device.TextZiel.text(), pathText(image));
  press(device.CmdSchreiben);
  expectSaid(texts.done + pathText(image));
  const auto written = readImgContainer(readFile(image));
  ASSERT_TRUE(written);
  EXPECT_FALSE(written->subfiles.empty());
}

TEST_F(WindowsByClicks, ARegistrationAndAPackageGoOutAndComeInAndTheColourLeavesWithTheWindow) {
  registerTopo();
  const ExportImportTexts texts = exportImportTexts(Sprache::English);
  ui::fMain& main = start();
  ui::ExportImport& transfer = windows->exportImport;
  press(main.CmdExpImp);
  ASSERT_TRUE(visible(transfer));
  EXPECT_EQ(main.CmdExpImp.backColor, ui::kActionColour);
  EXPECT_FALSE(enabled(transfer.CommandGmap)) << "no mapset marked yet";
  click(transfer.ListIMG, 0);
  EXPECT_TRUE(enabled(transfer.CommandGmap));
  press(transfer.CommandExport);
  expectSaid(texts.copyHint1 + topo.tiles + texts.copyHint2);
  EXPECT_TRUE(fs::exists(karten() / "log"));

  const fs::path destination = harness.folder / "Ziel";
  fs::create_directories(destination);
  harness.dialogs.folder(pathText(karten()));
  harness.dialogs.folder(pathText(destination));
  harness.dialogs.answer(Answer::No);
  press(transfer.CommandImport);
  expectSaid(texts.navigate);
  expectSaid(texts.copied);
  const std::string copy = pathText(destination / "Karten" / "Topo.tdb");
  expectSaid(catalogueTexts(Sprache::English).messages.at("Satz25") + copy + "-BAK");
  expectSaid(tdbVorhandenTexts(Sprache::English).finished);
  expectAsked(texts.installer);
  EXPECT_EQ(rows(main.ListLoeschen).size(), 2u);
  EXPECT_EQ(rows(transfer.ListIMG).size(), 2u);

  const fs::path package = mapsets.copyPackage(harness.folder / "stick", "Harz");
  harness.dialogs.folder(pathText(package));
  harness.dialogs.answer(Answer::Yes);  // for all users
  harness.dialogs.answer(Answer::No);
  press(transfer.CommandImport);
  expectSaid(texts.navigate);
  expectAsked(texts.allUsers + harness.facts.user);
  expectSaid(session.texts.text(key::Text2));
  expectAsked(texts.installer);
  const Rows packages = rows(main.ListMapsetGMP);
  ASSERT_EQ(packages.size(), 1u);
  EXPECT_NE(packages[0].find("; FID:4711;"), std::string::npos) << packages[0];
  ASSERT_EQ(rows(transfer.Listgmp).size(), 1u);

  click(transfer.Listgmp, 0);
  harness.dialogs.answer(Answer::Yes);
  press(transfer.CommandExport);
  const fs::path imported = harness.folder / "ProgramData" / "GARMIN" / "Maps" / "Harz.gmap";
  expectAsked(main.gmapCatalogue().rows.at(0).name + kExportQuestion);
  expectSaid(texts.copyHint1 + pathText(imported) + texts.copyHint2);

  close(transfer);
  EXPECT_EQ(main.CmdExpImp.backColor, ui::kButtonColour);
}

}  // namespace
}  // namespace mapsetdesk::testing
