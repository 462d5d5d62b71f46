#pragma once
// The main window with the stand-ins of the outside programs in its program
// folder and copies of mkgmap's two tiles in a folder "Karten", for the
// tests of the tile selection and the installation run.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/messages/CatalogueTexts.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"
#include "support/Standins.h"

namespace mapsetdesk::testing {

inline constexpr char kJavaKey[] = "SOFTWARE\\JavaSoft\\Java Runtime Environment";

class TileInstallFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
    program.storeSetting("Wow64", "falsch");
    program.storeSetting("Language", "Eng");
    installStandins(program.folder / "program");
    std::filesystem::create_directories(karten());
    for (const char* tile : {"63240001.img", "63240002.img"})
      std::filesystem::copy_file(mapsets.root() / "mapset" / tile, karten() / tile);
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  bool exists(const std::string& path) { return std::filesystem::exists(filePath(path)); }
  void install(ui::fMain& main) { ASSERT_TRUE(click(main.CommandButtonPV)); }
  void expectLayoutQuestion() { expectMessage(text("Satz43"), "ZORVAN", Buttons::YesNo); }

  std::filesystem::path karten() const { return program.folder / "Karten"; }
  std::string tile(const std::string& name) const { return pathText(karten() / name); }
  std::string kartenFile(const std::string& name) const { return pathText(karten() / name); }
  std::filesystem::path allUsersMaps() const {
    return program.folder / "ProgramData" / "GARMIN" / "Maps";
  }
  static const std::string& text(const std::string& key) {
    return englishTexts().messages.at(key);
  }

  // The main window in its tile selection, showing the folder Karten.
  ui::fMain& startSelection() {
    ui::fMain& main = program.start().main;
    EXPECT_TRUE(click(main.CommandHinzufuegen));
    EXPECT_TRUE(choose(main.Dir1, pathText(karten())));
    return main;
  }
  int fileRow(ui::fMain& main, const std::string& name) {
    const auto& items = main.File1.items();
    const auto found = std::find(items.begin(), items.end(), name);
    EXPECT_NE(found, items.end()) << name << " is not offered";
    return static_cast<int>(found - items.begin());
  }
  bool pick(ui::fMain& main, const std::string& name) {
    return dblClick(main.File1, fileRow(main, name));
  }
  // Both tiles chosen, the selection finished, the name typed.
  ui::fMain& readyToInstall(const std::string& name = "Topo Harz") {
    ui::fMain& main = startSelection();
    EXPECT_TRUE(drop(main.List1, {tile("63240001.img"), tile("63240002.img")}));
    EXPECT_TRUE(click(main.Command1));
    EXPECT_TRUE(type(main.TextBoxMSName, name));
    EXPECT_TRUE(leave(main.TextBoxMSName));
    return main;
  }
  void expectMessage(const std::string& text, const std::string& title,
                     Buttons buttons = Buttons::Ok) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, title);
    EXPECT_EQ(shown.buttons, buttons);
  }

  ProgramHarness program;
  RealMapsets mapsets;
};

}  // namespace mapsetdesk::testing
