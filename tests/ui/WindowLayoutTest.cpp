// The windows a person may size: where their controls go in a larger window
// (the lists and text areas take the room, the buttons keep their size and
// their place in their group), and where the windows open again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ProgramHarness.h"
#include "ui/forms/controls/WindowPlacement.h"

namespace mapsetdesk::testing {
namespace {

using ui::Control;
using ui::ControlKind;
using ui::Rect;

int right(const Rect& rect) { return rect.left + rect.width; }
int bottom(const Rect& rect) { return rect.top + rect.height; }
bool empty(const Rect& rect) { return rect.width <= 0 || rect.height <= 0; }
bool apart(const Rect& a, const Rect& b) {
  return right(a) <= b.left || right(b) <= a.left || bottom(a) <= b.top || bottom(b) <= a.top;
}
bool inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && right(inner) <= right(outer) &&
         bottom(inner) <= bottom(outer);
}

std::vector<Control*> placedControls(const ui::Form& form) {
  std::vector<Control*> placed;
  for (Control* control : form.controls()) {
    if (!empty(control->position)) placed.push_back(control);
  }
  return placed;
}

// What a larger window must keep of the design: every control inside the
// window, controls that were apart still apart, a control inside another
// (a group, a frame) still inside it, and every button its size.
void expectDesignKept(const ui::Form& form) {
  const Rect window{0, 0, form.shownWidth(), form.shownHeight()};
  const auto controls = placedControls(form);
  for (const Control* control : controls) {
    const Rect placed = control->placed();
    EXPECT_TRUE(inside(placed, window)) << control->name();
    if (control->kind() == ControlKind::Button) {
      EXPECT_EQ(placed.width, control->position.width) << control->name();
      EXPECT_EQ(placed.height, control->position.height) << control->name();
    }
    for (const Control* other : controls) {
      if (other == control) continue;
      if (apart(control->position, other->position)) {
        EXPECT_TRUE(apart(placed, other->placed())) << control->name() << " / " << other->name();
      }
      if (inside(control->position, other->position)) {
        EXPECT_TRUE(inside(placed, other->placed())) << control->name() << " in " << other->name();
      }
    }
  }
}

void expectAsDesigned(const ui::Form& form) {
  EXPECT_EQ(form.shownWidth(), form.width);
  EXPECT_EQ(form.shownHeight(), form.height);
  for (const Control* control : form.controls())
    EXPECT_EQ(control->placed(), control->position) << control->name();
}

// How much wider and taller a control is than designed.
std::pair<int, int> grown(const Control& control) {
  return {control.placed().width - control.position.width,
          control.placed().height - control.position.height};
}

class WindowLayout : public ::testing::Test {
 protected:
  void SetUp() override { program.storeSetting("Wow64", "falsch"); }
  void TearDown() override { program.dialogs.expectAllTaken(); }

  ProgramHarness program;
};

TEST_F(WindowLayout, TheMainWindowGivesItsRoomToTheListsAndTheReport) {
  ui::fMain& main = program.start().main;
  ASSERT_TRUE(main.sizable);
  main.resize(main.width + 500, main.height + 300);
  EXPECT_EQ(main.shownWidth(), main.width + 500);
  EXPECT_EQ(main.shownHeight(), main.height + 300);
  expectDesignKept(main);

  // The names and keys of the catalogue take the most of the new width.
  for (const ui::ListBox* list : {&main.ListLoeschen, &main.ListMapsetName, &main.ListSubkey,
                                  &main.ListMapsetGMP}) {
    EXPECT_GE(grown(*list).first, 100) << list->name();
    EXPECT_GT(grown(*list).second, 0) << list->name();
  }
  EXPECT_EQ(main.ListMapsetName.placed(), main.ListLoeschen.placed());
  EXPECT_GT(grown(main.ListLoeschen).first, grown(main.Dir1).first);
  // The narrow columns beside the names keep their width and stay beside them.
  for (const ui::ListBox* column : {&main.ListID, &main.ListProdFam}) {
    EXPECT_EQ(grown(*column).first, 0) << column->name();
    EXPECT_EQ(column->placed().top, main.ListLoeschen.placed().top);
    EXPECT_EQ(column->placed().height, main.ListLoeschen.placed().height);
  }
  EXPECT_EQ(right(main.ListProdFam.placed()) + 8, right(main.GroupCatalogue.placed()));
  for (const Control* list : {static_cast<Control*>(&main.Dir1), static_cast<Control*>(&main.File1),
                              static_cast<Control*>(&main.List1),
                              static_cast<Control*>(&main.DirTypefile),
                              static_cast<Control*>(&main.FileTypefile),
                              static_cast<Control*>(&main.TextMeldung)}) {
    EXPECT_GT(grown(*list).first, 0) << list->name();
    EXPECT_GT(grown(*list).second, 0) << list->name();
  }
  EXPECT_EQ(main.TextMeldung.placed().width, main.shownWidth() - 16);
}

TEST_F(WindowLayout, ButtonsKeepTheirPlaceTowardsTheEdgeOfTheirGroup) {
  ui::fMain& main = program.start().main;
  main.resize(main.width + 400, main.height + 250);
  const auto fromTopLeft = [](const Control& control, const Control& group) {
    return std::pair{control.placed().left - group.placed().left,
                     control.placed().top - group.placed().top};
  };
  const auto fromBottomLeft = [](const Control& control, const Control& group) {
    return std::pair{control.placed().left - group.placed().left,
                     bottom(group.placed()) - control.placed().top};
  };
  const auto designedFromBottom = [](const Control& control, const Control& group) {
    return std::pair{control.position.left - group.position.left,
                     bottom(group.position) - control.position.top};
  };
  for (const Control* button : {static_cast<Control*>(&main.CommandHinzufuegen),
                                static_cast<Control*>(&main.CommandFolder)}) {
    EXPECT_EQ(fromTopLeft(*button, main.GroupTiles),
              std::pair(button->position.left - 8, button->position.top - 4));
  }
  for (const Control* button : {static_cast<Control*>(&main.Command1),
                                static_cast<Control*>(&main.CommandAllesLoeschen),
                                static_cast<Control*>(&main.Command2)})
    EXPECT_EQ(fromBottomLeft(*button, main.GroupTiles), designedFromBottom(*button, main.GroupTiles))
        << button->name();
  EXPECT_EQ(fromBottomLeft(main.CommandDoIt, main.GroupTypFile),
            designedFromBottom(main.CommandDoIt, main.GroupTypFile));
  EXPECT_EQ(fromTopLeft(main.CommandKartenentfernen, main.GroupCatalogue), std::pair(8, 18));
  for (const Control* button : {static_cast<Control*>(&main.CommandMapnameAendern),
                                static_cast<Control*>(&main.CommandNameuebernehmen)})
    EXPECT_EQ(fromBottomLeft(*button, main.GroupCatalogue),
              designedFromBottom(*button, main.GroupCatalogue))
        << button->name();
  for (const Control* button : {static_cast<Control*>(&main.CommandFID),
                                static_cast<Control*>(&main.CmdExpImp),
                                static_cast<Control*>(&main.CommandKompa),
                                static_cast<Control*>(&main.CommandFilename)})
    EXPECT_EQ(fromTopLeft(*button, main.GroupActions),
              std::pair(button->position.left - 664, button->position.top - 414))
        << button->name();
}

TEST_F(WindowLayout, NoWindowIsSmallerThanDesignedAndTheDesignComesBack) {
  ui::fMain& main = program.start().main;
  main.resize(main.width - 300, main.height - 1);
  expectAsDesigned(main);

  // Growth in one direction only moves nothing the other way.
  main.resize(main.width, main.height + 120);
  EXPECT_EQ(main.ListLoeschen.placed().width, main.ListLoeschen.position.width);
  EXPECT_EQ(main.ListLoeschen.placed().height, main.ListLoeschen.position.height + 120 * 48 / 100);
  expectDesignKept(main);

  for (int step : {1, 3, 7, 333, 1001}) {
    main.resize(main.width + step, main.height + step);
    expectDesignKept(main);
  }
  main.resize(main.width, main.height);
  expectAsDesigned(main);

  main.resize(main.width + 200, main.height + 200);
  main.unload();
  EXPECT_EQ(main.shownWidth(), main.width) << "a window loaded afresh opens at the designed size";
}

TEST_F(WindowLayout, TheToolWindowGivesItsRoomToTheOutput) {
  ui::FormPipe& pipe = program.start().pipe;
  ASSERT_TRUE(pipe.sizable);
  pipe.resize(pipe.width + 380, pipe.height + 260);
  expectDesignKept(pipe);
  EXPECT_EQ(grown(pipe.Text1), std::pair(380, 260));
  EXPECT_EQ(bottom(pipe.Text1.placed()) + 8, pipe.Command1.placed().top);
  EXPECT_EQ(pipe.Command1.placed().left, pipe.Command1.position.left);
}

TEST_F(WindowLayout, TheExistingTdbWindowWidensItsPathsAndKeepsTheChoosersAtTheirEnd) {
  auto& windows = program.start();
  windows.main.openTdbVorhanden();
  ui::FormTDBvorhanden& window = windows.tdbVorhanden;
  ASSERT_TRUE(window.sizable);
  window.resize(window.width + 440, window.height + 100);
  expectDesignKept(window);
  const std::vector<std::pair<ui::TextBox*, ui::Button*>> rows{
      {&window.TextPfadLoc, &window.CommandPfadLoc},
      {&window.TextPfadTDB, &window.CommandPfadTDB},
      {&window.TextPfadPreview, &window.CommandPfadPreview},
      {&window.TextPfadTyp, &window.CommandPfadTyp},
      {&window.TextIndexFile, &window.CommandIndexFile},
      {&window.TextMdr, &window.CommandMdr},
      {&window.TextPfadTrf, &window.CommandPfadTrf}};
  for (const auto& [field, chooser] : rows) {
    EXPECT_EQ(grown(*field), std::pair(440, 0)) << field->name();
    EXPECT_EQ(right(chooser->placed()) + 28, window.shownWidth()) << chooser->name();
  }
  EXPECT_EQ(right(window.TextPID.placed()) + 28, window.shownWidth());
  EXPECT_EQ(window.Commandregistriere.placed(), window.Commandregistriere.position);
  EXPECT_EQ(window.Commandgmapsatz.placed(), window.Commandgmapsatz.position);
}

class KeptPlacement : public WindowLayout {};

TEST_F(KeptPlacement, EachSizableWindowOpensWhereItWasLeftInTheLastRun) {
  program.storeSetting("WindowPlacement", "120,80,1300,900,1");
  program.storeSetting("WindowPlacementFormPipe", "-1500,20,700,400,0");
  program.storeSetting("WindowPlacementFormTDBvorhanden", "200,100,800,560,0");
  auto& windows = program.start();
  windows.pipe.load();
  windows.main.openTdbVorhanden();
  EXPECT_EQ(windows.main.placement, (ui::WindowPlacement{{120, 80, 1300, 900}, true}));
  EXPECT_EQ(windows.pipe.placement, (ui::WindowPlacement{{-1500, 20, 700, 400}, false}));
  EXPECT_EQ(windows.tdbVorhanden.placement, (ui::WindowPlacement{{200, 100, 800, 560}, false}));

  // The person moves and sizes them; the program ends.
  windows.main.placement = ui::WindowPlacement{{10, 20, 1111, 777}, false};
  windows.pipe.placement = ui::WindowPlacement{{30, 40, 640, 480}, true};
  windows.tdbVorhanden.placement = ui::WindowPlacement{{50, 60, 900, 600}, false};
  windows.main.unload();
  EXPECT_EQ(program.setting("WindowPlacement"), "10,20,1111,777,0");
  EXPECT_EQ(program.setting("WindowPlacementFormPipe"), "30,40,640,480,1");
  EXPECT_EQ(program.setting("WindowPlacementFormTDBvorhanden"), "50,60,900,600,0");

  // The next run finds them there.
  auto& again = program.start();
  EXPECT_EQ(again.main.placement, (ui::WindowPlacement{{10, 20, 1111, 777}, false}));
}

TEST_F(KeptPlacement, ADamagedSettingOpensTheWindowAsAtTheFirstRun) {
  for (const char* damaged :
       {"", "1,2,3,4", "1,2,3,4,0,5", "a,b,c,d,0", "1,2,0,400,0", "1,2,400,-3,0", "1,2,400,300,2",
        "1,2,99999,300,0", "1, 2,400,300,0", ",,,,", "1;2;400;300;0"}) {
    program.storeSetting("WindowPlacement", damaged);
    ui::fMain& main = program.start().main;
    EXPECT_FALSE(main.placement.has_value()) << damaged;
    main.unload();
    EXPECT_EQ(program.setting("WindowPlacement"), damaged) << "nothing to keep, nothing written";
  }
}

TEST(WindowPlacementText, ReadsBackWhatItWrites) {
  for (const ui::WindowPlacement& placement :
       {ui::WindowPlacement{{0, 0, 1, 1}, false}, ui::WindowPlacement{{-1920, -40, 1000, 668}, true},
        ui::WindowPlacement{{32767, 32767, 32767, 32767}, false}}) {
    EXPECT_EQ(ui::placementFrom(ui::placementText(placement)), placement);
  }
  EXPECT_EQ(ui::placementText({{-5, 7, 640, 480}, true}), "-5,7,640,480,1");
  EXPECT_FALSE(ui::placementFrom("0,0,32768,100,0"));
  EXPECT_FALSE(ui::placementFrom("-32768,0,100,100,0"));
}

TEST(WindowPlacementFit, AWindowOpensWhereItWasLeftOnlyWhollyOnOneScreen) {
  const std::vector<Rect> screens{{0, 0, 1920, 1040}, {-1280, 0, 1280, 984}};
  const auto frame = [&screens](Rect left, int minWidth = 500, int minHeight = 300) {
    return ui::restoredFrame({left, false}, minWidth, minHeight, screens);
  };
  EXPECT_EQ(frame({100, 50, 1200, 800}), (Rect{100, 50, 1200, 800}));
  EXPECT_EQ(frame({0, 0, 1920, 1040}), (Rect{0, 0, 1920, 1040}));
  EXPECT_EQ(frame({-1200, 10, 800, 600}), (Rect{-1200, 10, 800, 600}));
  EXPECT_FALSE(frame({1, 0, 1920, 1040})) << "one pixel off the screen";
  EXPECT_FALSE(frame({-400, 10, 800, 600})) << "across two screens";
  EXPECT_FALSE(frame({3000, 10, 800, 600})) << "on a screen that is gone";
  EXPECT_FALSE(frame({100, 50, 2000, 800})) << "larger than any screen";
  // Smaller than designed: it opens at the designed size where that fits.
  EXPECT_EQ(frame({100, 50, 200, 100}), (Rect{100, 50, 500, 300}));
  EXPECT_FALSE(frame({1600, 50, 200, 100})) << "the designed size reaches off the screen";
  EXPECT_FALSE(ui::restoredFrame({{0, 0, 100, 100}, false}, 50, 50, {})) << "no screen at all";
}

}  // namespace
}  // namespace mapsetdesk::testing
