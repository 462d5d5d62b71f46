// The main window's start-up and shutdown, driven as a person meets them.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/MessageKeys.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"

namespace mapsetdesk::testing {
namespace {

constexpr const char* kSatz70German =
    "Wird dieser PC mit 64 bit Betriebssystem betrieben ? 'ja' für 64 bit, 'nein' für 32 bit";
constexpr const char* kSatz28German =
    "Sie verfügen nicht über Administratorenrechte. Das kann dazu führen, daß die erforderlichen "
    "Registryeinträge nicht erzeugt werden können und die Einbindung von Karten in 'Mapsource' "
    "scheitert. Sie sollten das Programm neu starten mit Admin-Rechten. Bei Antwort 'nein' wird "
    "die Programmausführung ohne Adminrechte fortgesetzt. Bei Antwort 'ja' das Programm beendet.";

void expectQuestion(ScriptedDialogs& dialogs, const std::string& text) {
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, text);
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(shown.buttons, Buttons::YesNo);
}

// Refuses the first writes it is given, then stores as usual.
class RefusingFirstWrites : public RefusingRegistry {
 public:
  RefusingFirstWrites(Registry& inner, int refusals) : RefusingRegistry(inner), left_(refusals) {}
  bool setValue(Root root, const std::string& path, const RegValue& value) override {
    if (left_ > 0) {
      --left_;
      return false;
    }
    return RefusingRegistry::setValue(root, path, value);
  }

 private:
  int left_;
};

class Startup : public ::testing::Test {
 protected:
  void TearDown() override { program.dialogs.expectAllTaken(); }
  ProgramHarness program;
};

TEST_F(Startup, FirstStartAsksForTheSystemAndNoStoresA32BitBase) {
  program.dialogs.answer(Answer::No);
  program.start();
  expectQuestion(program.dialogs, kSatz70German);
  EXPECT_EQ(program.setting("Wow64"), "falsch");
  EXPECT_EQ(program.session->vReg6432, "SOFTWARE");
  EXPECT_FALSE(program.session->wwoww);
  EXPECT_TRUE(program.main().visible());
}

TEST_F(Startup, YesToTheSystemQuestionStoresA64BitBase) {
  program.dialogs.answer(Answer::Yes);
  program.start();
  expectQuestion(program.dialogs, kSatz70German);
  EXPECT_EQ(program.setting("Wow64"), "wahr");
  EXPECT_EQ(program.session->vReg6432, "SOFTWARE\\Wow6432Node");
  EXPECT_TRUE(program.session->wwoww);
}

TEST_F(Startup, ARefusedAnswerHoldsForThisRunAndSaysWhy) {
  ProgramHarness& p = program;
  RefusingFirstWrites registry(p.memory, 1);
  Services refusing{registry, p.facts, p.dialogs, p.sound, p.shell, p.runner, *p.folders,
                    p.services.programFolder};
  Session session;
  p.dialogs.answer(Answer::Yes);
  ui::ProgramWindows windows(p.screen, refusing, session);
  windows.main.show();
  expectQuestion(p.dialogs, kSatz70German);
  const Message refused = p.dialogs.take();
  EXPECT_EQ(refused.text, session.texts.text(key::Fehler29));
  EXPECT_EQ(refused.title, "ZORVAN");
  EXPECT_EQ(p.setting("Wow64"), "");
  EXPECT_EQ(session.vReg6432, "SOFTWARE\\Wow6432Node");
  EXPECT_TRUE(session.wwoww);
}

TEST_F(Startup, StoredSystemSettingIsNotAskedFor) {
  program.storeSetting("Wow64", "wahr");
  program.start();
  EXPECT_EQ(program.session->vReg6432, "SOFTWARE\\Wow6432Node");
  EXPECT_TRUE(program.dialogs.messages().empty());
}

TEST_F(Startup, AnyOtherSystemSettingIsAskedAboutAgain) {
  program.storeSetting("Wow64", "ja");
  program.dialogs.answer(Answer::Yes);
  program.start();
  expectQuestion(program.dialogs, kSatz70German);
  EXPECT_EQ(program.setting("Wow64"), "wahr");
}

class AdminQuestion : public Startup, public ::testing::WithParamInterface<const char*> {};

TEST_P(AdminQuestion, NoGoesOnWithoutAdministratorRights) {
  program.facts.version = GetParam();
  program.facts.admin = false;
  program.storeSetting("Wow64", "falsch");
  program.dialogs.answer(Answer::No);
  program.start();
  expectQuestion(program.dialogs, kSatz28German);
  EXPECT_FALSE(program.screen.ended);
  EXPECT_TRUE(program.main().visible());
  EXPECT_EQ(program.main().caption, "ZORVAN Build 80-33-1");
}

TEST_P(AdminQuestion, YesEndsTheProgramBeforeAnyFurtherStep) {
  program.facts.version = GetParam();
  program.facts.admin = false;
  program.storeSetting("Dir", program.folder.str());
  program.dialogs.answer(Answer::Yes);
  program.start();
  expectQuestion(program.dialogs, kSatz28German);
  EXPECT_TRUE(program.screen.ended);
  EXPECT_FALSE(program.main().visible());
  // Neither the Wow64 question, nor the intro, nor a shutdown that would
  // store a folder never restored.
  EXPECT_TRUE(program.sound.played.empty());
  EXPECT_EQ(program.setting("Wow64"), "");
  EXPECT_EQ(program.setting("Dir"), program.folder.str());
}

TEST_P(AdminQuestion, AnAdministratorIsNotAsked) {
  program.facts.version = GetParam();
  program.facts.admin = true;
  program.storeSetting("Wow64", "falsch");
  program.start();
  EXPECT_TRUE(program.dialogs.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(NamedVersions, AdminQuestion,
                         ::testing::Values("Windows NT 4.0", "Windows XP", "Windows Vista",
                                           "Windows 7"));

TEST_F(Startup, OtherSystemsDoNotAskAboutAdministratorRights) {
  program.facts.admin = false;
  program.storeSetting("Wow64", "falsch");
  for (const char* version : {"", "Windows 2000", "Windows 8", "Windows 10"}) {
    program.facts.version = version;
    program.start();
  }
  EXPECT_TRUE(program.dialogs.messages().empty());
}

TEST_F(Startup, PreparesTheWindow) {
  program.storeSetting("Wow64", "falsch");
  program.storeSetting("Version", "  7.3 ");
  program.facts.user = "Karla";
  auto& main = program.start().main;
  EXPECT_EQ(main.caption, "ZORVAN Build 80-33-1");
  EXPECT_FALSE(main.Label11.visible);
  EXPECT_FALSE(main.TextLevel.visible) << "no field without its label";
  EXPECT_FALSE(main.TextZoom.visible);
  EXPECT_FALSE(main.Label12.visible);
  EXPECT_TRUE(main.Optiontdbno.value());
  EXPECT_FALSE(main.Optiontdbja.value());
  EXPECT_EQ(main.Optiontdbno.picture, ui::kPictureTdbNoChosen);
  EXPECT_EQ(main.Optiontdbja.picture, ui::kPictureTdbYes);
  for (ui::Control* control : main.controls()) {
    if (control->kind() == ui::ControlKind::Button) {
      EXPECT_EQ(control->backColor, ui::kButtonColour) << control->name();
    }
  }
  EXPECT_EQ(program.session->cgps, "7.3");
  EXPECT_EQ(program.session->userName, "Karla");
  EXPECT_EQ(main.CmdExpImp.toolTip,
            "clicken sie 'export-import' um Kartenset's auf einen weiteren PC zu installieren.");
  ASSERT_EQ(program.sound.played.size(), 1u);
  EXPECT_EQ(program.sound.played[0], joinPath(program.services.programFolder, "Intro.wav"));
}

TEST_F(Startup, ChoosingAnOptionSwapsBothPictures) {
  program.storeSetting("Wow64", "falsch");
  auto& main = program.start().main;
  ASSERT_TRUE(click(main.Optiontdbja));
  EXPECT_EQ(main.Optiontdbja.picture, ui::kPictureTdbYesChosen);
  EXPECT_EQ(main.Optiontdbno.picture, ui::kPictureTdbNo);
  EXPECT_FALSE(main.Optiontdbno.value());
  ASSERT_TRUE(click(main.Optiontdbno));
  EXPECT_EQ(main.Optiontdbja.picture, ui::kPictureTdbYes);
  EXPECT_EQ(main.Optiontdbno.picture, ui::kPictureTdbNoChosen);
}

TEST_F(Startup, MissingIntroSoundIsSilent) {
  program.storeSetting("Wow64", "falsch");
  program.sound.plays = false;
  program.start();
  EXPECT_TRUE(program.main().visible());
  EXPECT_TRUE(program.dialogs.messages().empty());
}

TEST_F(Startup, MeasuresTheBaseCampTileCacheWithTheProgramsOwnMegabyte) {
  program.storeSetting("Wow64", "falsch");
  const auto cache = program.folder / "Local" / "Garmin" / "BaseCamp" / "TileCache";
  // 10.5 of the program's MB and 10 bytes: 11 MB, where a true MiB gives 10.
  writeFile(cache / "a.bin", "");
  writeFile(cache / "deeper" / "b.bin", "");
  std::filesystem::resize_file(cache / "a.bin", 11008998 - 1048476);
  std::filesystem::resize_file(cache / "deeper" / "b.bin", 1048476 + 10);
  program.start();
  EXPECT_EQ(program.session->vMB, 11);
  EXPECT_EQ(program.session->vstringMB, "11 MB");
}

TEST_F(Startup, NoBaseCampTileCacheLeavesTheSizeEmpty) {
  program.storeSetting("Wow64", "falsch");
  program.start();
  EXPECT_EQ(program.session->vMB, 0);
  EXPECT_EQ(program.session->vstringMB, "");
}

class TileFolder : public Startup {
 protected:
  void SetUp() override { program.storeSetting("Wow64", "falsch"); }
};

TEST_F(TileFolder, IsStoredOnCloseAndOpenedAtTheNextStart) {
  const std::string maps = pathText(program.folder / "Karten");
  std::filesystem::create_directories(program.folder / "Karten" / "Harz");
  auto& first = program.start().main;
  const std::string before = first.Dir1.path();
  first.Dir1.setPath(maps);
  first.unload();
  EXPECT_EQ(program.setting("Dir"), maps);
  auto& second = program.start().main;
  EXPECT_EQ(second.Dir1.path(), maps);
  EXPECT_NE(second.Dir1.path(), before);
  EXPECT_EQ(second.Dir1.items().back(), std::string(2 * second.Dir1.listIndex() + 2, ' ') + "Harz");
}

TEST_F(TileFolder, DeletedSinceTheLastRunIsIgnored) {
  const auto gone = program.folder / "weg";
  std::filesystem::create_directories(gone);
  program.storeSetting("Dir", pathText(gone));
  std::filesystem::remove(gone);
  auto& main = program.start().main;
  EXPECT_EQ(main.Dir1.path(), pathText(std::filesystem::current_path()));
  EXPECT_TRUE(program.dialogs.messages().empty());
}

TEST_F(TileFolder, FirstRunStartsAtTheUsersDocuments) {
  const auto documents = program.folder / "Dokumente";
  std::filesystem::create_directories(documents);
  program.facts.folders[kFolderPersonal] = pathText(documents);
  EXPECT_EQ(program.start().main.Dir1.path(), pathText(documents));
}

TEST_F(TileFolder, RefusedStoreAtCloseIsReported) {
  auto& main = program.start().main;
  program.registry.refuseWrites();
  main.unload();
  const Message shown = program.dialogs.take();
  EXPECT_EQ(shown.text, program.session->texts.text(key::Fehler29));
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(shown.buttons, Buttons::Ok);
}

TEST_F(TileFolder, CloseUnloadsEveryWindow) {
  auto& windows = program.start();
  ASSERT_TRUE(click(windows.main.Prop));
  ASSERT_TRUE(click(windows.main.mnuWebsite));
  windows.arbeite.show();
  windows.main.unload();
  for (ui::Form* form : windows.all()) EXPECT_FALSE(form->loaded()) << form->name();
  EXPECT_EQ(windows.main.mousePointer(), ui::MousePointer::Default);
}

}  // namespace
}  // namespace mapsetdesk::testing
