// The device-image run never empties a SplittMaps folder that is a symbolic
// link to another place (on Windows a junction; made here as a POSIX link).
#include <gtest/gtest.h>

#include <filesystem>

#include "app/ProductTitle.h"
#include "app/messages/CatalogueTexts.h"
#include "app/messages/DeviceImageTexts.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"
#include "support/Standins.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

TEST(DeviceImageLink, SplitFolderThatIsALinkIsNeverEmptied) {
  RealMapsets mapsets;
  ASSERT_TRUE(mapsets.available()) << "run through ctest, which makes the mkgmap files";
  ProgramHarness program;
  program.storeSetting("Wow64", "falsch");
  installStandins(program.folder / "program");
  const fs::path device = program.folder / "Geraet";
  fs::create_directories(device);
  fs::copy_file(mapsets.root() / "mapset" / "63240001.img", device / "gmapsupp.img");
  fs::create_directories(program.folder / "woanders");
  writeFile(program.folder / "woanders" / "fremd.img", "fremd");
  fs::create_directory_symlink(program.folder / "woanders", device / "SplittMaps");
  program.dialogs.answer(Answer::Yes);

  const auto result = program.start().main.gmapsuppsplitten(pathOf(device / "gmapsupp.img"));
  const Message question = program.dialogs.take();
  EXPECT_EQ(question.text, catalogueTexts(Sprache::Deutsch).messages.find("Satz66")->second);
  EXPECT_EQ(question.buttons, Buttons::YesNo);
  const Message refusal = program.dialogs.take();
  EXPECT_EQ(refusal.text, splitFolderIsLink(Sprache::Deutsch));
  EXPECT_EQ(refusal.title, kMessageTitle);
  EXPECT_EQ(result.outcome, DeviceImageOutcome::SplitRefused);
  EXPECT_EQ(readFile(program.folder / "woanders" / "fremd.img"), "fremd");
  program.dialogs.expectAllTaken();
}

}  // namespace
}  // namespace mapsetdesk::testing
