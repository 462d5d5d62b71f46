#pragma once
// The main window over mkgmap's two tiles, registered as family "Topo1234" in
// a folder "Karten", and mkgmap's gmap package in the all-users map folder,
// for the tests of the tile listing and the draw-priority window.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/messages/DrawPriorityTexts.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"

namespace mapsetdesk::testing {

class DrawPriorityWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
    program.storeSetting("Wow64", "falsch");
    topo = mapsets.make(program.folder / "Karten", "Topo", "Topo", 1234, 1);
    for (const char* tile : {"63240001.img", "63240002.img"})
      std::filesystem::copy_file(mapsets.root() / "mapset" / tile, program.folder / "Karten" / tile);
    registerFamilyProduct(program.memory, "SOFTWARE", RegistrationRoot::Families, "Topo1234",
                          1234, "1", topo);
    package = mapsets.copyPackage(program.folder / "ProgramData" / "GARMIN" / "Maps",
                                  "Harz Familie");
  }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  ui::FormMaptilename& listTiles(ui::ListBox& (*list)(ui::fMain&)) {
    auto& windows = program.start();
    EXPECT_TRUE(click(windows.main.CommandFilename));
    EXPECT_TRUE(dblClick(list(windows.main), 0));
    EXPECT_TRUE(windows.maptilename.visible());
    return windows.maptilename;
  }
  static ui::ListBox& registered(ui::fMain& main) { return main.ListMapsetName; }
  static ui::ListBox& packaged(ui::fMain& main) { return main.ListMapsetGMP; }
  std::string tile(const char* name) { return readFile(program.folder / "Karten" / name); }
  void expectSaid(const std::string& text, Icon icon = Icon::None) {
    const Message shown = program.dialogs.take();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, "ZORVAN");
    EXPECT_EQ(shown.buttons, Buttons::Ok);
    EXPECT_EQ(shown.icon, icon);
  }

  ProgramHarness program;
  RealMapsets mapsets;
  MapsetFiles topo;
  std::filesystem::path package;
  DrawPriorityTexts texts = drawPriorityTexts(Sprache::Deutsch);
};

}  // namespace mapsetdesk::testing
