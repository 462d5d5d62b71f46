// The tool window and the captured run, driven through the headless driver
// with real child processes (the runner probe), and with a scripted program
// for the failures a real one cannot be made to cause.
#include <gtest/gtest.h>

#include "app/messages/ToolRunnerTexts.h"
#include "platform/FilePath.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"
#include "support/ScriptedLauncher.h"
#include "support/Standins.h"

namespace mapsetdesk::testing {
namespace {

using Ms = std::chrono::milliseconds;

std::string quoted(const std::filesystem::path& path) {
  return '"' + pathText(std::filesystem::path(path).make_preferred()) + '"';
}

std::string probe(const std::string& steps) {
  return quoted(standin("runnerprobe.exe")) + " " + steps;
}

class FormPipeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program.storeSetting("Wow64", "falsch");
    program.storeSetting("Language", "Eng");
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  ui::FormPipe& started() {
    ui::FormPipe& pipe = program.start().pipe;
    pipe.Text1.onChange = [this, &pipe] { shown.push_back(pipe.Text1.text()); };
    return pipe;
  }

  void expectMessage(const std::string& text) {
    const Message message = program.dialogs.take();
    EXPECT_EQ(message.text, text);
    EXPECT_EQ(message.title, "ZORVAN");
    EXPECT_EQ(message.buttons, Buttons::Ok);
  }

  ProgramHarness program;
  std::vector<std::string> shown;  // every text Text1 showed, in order
};

TEST_F(FormPipeTest, WaitForApplicationShowsTheReportTheCommandAndThenTheOutput) {
  ui::FormPipe& pipe = started();
  const int eventsBefore = program.screen.eventRuns;
  const std::string line = probe("say one say two");
  pipe.WaitForApplication(line);

  EXPECT_TRUE(program.main().TextMeldung.visible);
  EXPECT_EQ(program.main().TextMeldung.text(), "integration is started. wait...");
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.front(), line);
  EXPECT_EQ(pipe.Text1.text(), "one\ntwo\n");
  EXPECT_EQ(pipe.text(), "one\ntwo\n");
  EXPECT_TRUE(pipe.visible());
  EXPECT_EQ(pipe.Command1.caption, "Start");
  EXPECT_FALSE(pipe.Command1.enabled);
  EXPECT_TRUE(pipe.Text1.enabled);
  EXPECT_EQ(program.screen.pointers["FormPipe"],
            (std::vector{ui::MousePointer::Hourglass, ui::MousePointer::Default}));
  EXPECT_GE(program.screen.eventRuns - eventsBefore, 3);
}

TEST_F(FormPipeTest, TheReportSpeaksTheCurrentLanguage) {
  program.storeSetting("Language", "Deu");
  started().WaitForApplication(probe(""));
  EXPECT_EQ(program.main().TextMeldung.text(), "Einbindung gestartet. bitte warten...");
}

TEST_F(FormPipeTest, TheFamilySearchOfADeviceImageShowsItsProgressText) {
  ui::FormPipe& pipe = started();
  program.session->Command = "C:\\Z\\gmt.exe -G -o \"C:\\M\\SplittMaps\" \"C:\\M\\GMAPSUPP.IMG\"";
  const std::string line = probe("say done");
  pipe.WaitForApplication(line);
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[0], line);
  EXPECT_EQ(shown[1], "search for included FID's in gmapsupp.img, it may take a few minutes..");
  EXPECT_EQ(pipe.Text1.text(), "done\n");
}

TEST_F(FormPipeTest, TheSplitOfADeviceImageShowsItsProgressText) {
  ui::FormPipe& pipe = started();
  program.session->Command = "C:\\Z\\gmt.exe -S -o \"C:\\M\\SplittMaps\" \"C:\\M\\GMAPSUPP.IMG\"";
  pipe.WaitForApplication(probe(""));
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[1],
            "found some FID..splitting gmapsupp.img, it may take a few minutes. bee patient...");
}

TEST_F(FormPipeTest, OtherRunsShowNoProgressText) {
  started().WaitForApplication(probe("say x"));
  for (const std::string& text : shown) {
    EXPECT_NE(text, std::string(kGmtFamilySearchText));
    EXPECT_NE(text, std::string(kGmtSplittingText));
  }
}

TEST_F(FormPipeTest, QuietTimeAddsDotsToTheShownText) {
  ui::FormPipe& pipe = started();
  const std::string line = probe("pause 200");
  pipe.WaitForApplication(line);
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[1], line + ".");
  for (std::size_t i = 2; i + 1 < shown.size(); ++i) EXPECT_EQ(shown[i], shown[i - 1] + ".");
  EXPECT_EQ(pipe.Text1.text(), "");
}

TEST_F(FormPipeTest, EveryGmtBannerIsRemovedAndOtherLinesStay) {
  ui::FormPipe& pipe = started();
  pipe.WaitForApplication(probe("banner say keep1 banner say keep2 banner"));
  EXPECT_EQ(pipe.Text1.text(), "keep1\nkeep2\n");
}

TEST_F(FormPipeTest, ExecCmdReturnsTheOutputAsItCame) {
  ui::FormPipe& pipe = started();
  pipe.load();
  const std::string output = pipe.ExecCmd(probe("banner say kept"));
  EXPECT_EQ(output, std::string(kGmtBanner) + "\nkept\n");
  EXPECT_TRUE(pipe.Command1.enabled);
}

TEST_F(FormPipeTest, AMissingProgramGivesExactlyOneMessageAndEmptyOutput) {
  ui::FormPipe& pipe = started();
  pipe.WaitForApplication(quoted(program.folder / "program" / "gmt.exe") + " -S -o x y");
  expectMessage("Error while starting process!");
  EXPECT_EQ(pipe.Text1.text(), "");
  EXPECT_EQ(program.screen.pointers["FormPipe"].back(), ui::MousePointer::Default);
}

TEST_F(FormPipeTest, APersonStartsTheCommandTheyTyped) {
  ui::FormPipe& pipe = started();
  pipe.show();
  ASSERT_TRUE(type(pipe.Text1, probe("say typed")));
  ASSERT_TRUE(click(pipe.Command1));
  EXPECT_EQ(pipe.Text1.text(), "typed\n");
  EXPECT_FALSE(pipe.Command1.usable());
}

TEST_F(FormPipeTest, TheWindowIsReusedAndTheNextRunReplacesTheOutput) {
  ui::FormPipe& pipe = started();
  pipe.WaitForApplication(probe("say first"));
  pipe.WaitForApplication(probe("say second"));
  EXPECT_EQ(pipe.Text1.text(), "second\n");
  for (const std::string& entry : program.screen.log) EXPECT_NE(entry, "unloaded FormPipe");
}

TEST_F(FormPipeTest, TheWindowCanBeClosedOnlyWhenNoProgramRunsInIt) {
  ui::FormPipe& pipe = started();
  std::vector<bool> closableWhileShown;
  pipe.Text1.onChange = [&] { closableWhileShown.push_back(pipe.closable); };
  pipe.WaitForApplication(probe("pause 100 say done"));
  ASSERT_GE(closableWhileShown.size(), 3u);
  EXPECT_TRUE(closableWhileShown.front()) << "the command line shows before the run";
  EXPECT_FALSE(closableWhileShown[1]) << "the program runs";
  EXPECT_TRUE(pipe.closable);
}

TEST_F(FormPipeTest, TheStartActionAloneLeavesTheReportAlone) {
  ui::FormPipe& pipe = started();
  program.main().TextMeldung.setText("earlier report");
  pipe.start(probe("say tiles"));
  EXPECT_EQ(program.main().TextMeldung.text(), "earlier report");
  EXPECT_EQ(pipe.text(), "tiles\n");
  EXPECT_EQ(pipe.Command1.caption, "Start");
}

// The failures that need a scripted program.
class FormPipeScripted : public FormPipeTest {
 protected:
  ui::FormPipe& scriptedWindow() {
    started();
    window = std::make_unique<ui::FormPipe>(program.screen, services, *program.session,
                                            program.main().TextMeldung);
    window->Text1.onChange = [this] { shown.push_back(window->Text1.text()); };
    return *window;
  }

  ScriptedLauncher script;
  ToolRunner runner{script, script.clock()};
  Services services{
      program.registry, program.facts, program.dialogs,  program.sound,
      program.shell,    runner,        *program.folders, program.services.programFolder};
  std::unique_ptr<ui::FormPipe> window;
};

TEST_F(FormPipeScripted, NoPipeShowsItsMessageAndStartsNothing) {
  script.failure = CaptureFailure::PipeNotCreated;
  ui::FormPipe& pipe = scriptedWindow();
  program.session->Command = "C:\\Z\\gmt.exe -G -o a b";
  pipe.WaitForApplication("C:\\Z\\gmt.exe -G -o a b");
  expectMessage("CreatePipe failed Error!");
  EXPECT_TRUE(script.started.empty());
  EXPECT_EQ(pipe.Text1.text(), "");
  for (const std::string& text : shown) EXPECT_NE(text, std::string(kGmtFamilySearchText));
}

TEST_F(FormPipeScripted, AFailedReadShowsItsMessageAndTheRunGoesOn) {
  script.output = {{Ms{0}, "whole output"}};
  script.endsAt = Ms{10};
  script.failingReads = 1;
  ui::FormPipe& pipe = scriptedWindow();
  pipe.WaitForApplication("tool.exe");
  expectMessage("ReadFile failed!");
  EXPECT_EQ(pipe.Text1.text(), "text:whole output");
}

}  // namespace
}  // namespace mapsetdesk::testing
