// The Win32 skin under Wine: a sizable window takes a new size and its
// controls follow the layout, it opens again where it was left, and a list
// scrolls sideways when a row is wider than the list.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "app/Session.h"
#include "platform/win/WideText.h"
#include "support/ProgramHarness.h"
#include "ui/forms/ProgramWindows.h"
#include "ui/forms/controls/ListBox.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/Win32Skin.h"

namespace mapsetdesk::testing {
namespace {

RECT frameOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

// The control's place in its window's client area, in the window's pixels.
RECT placeOf(HWND control) {
  RECT rect = frameOf(control);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT scaledRect(const ui::Rect& rect, UINT dpi) {
  using ui::win32::scaled;
  return {scaled(rect.left, dpi), scaled(rect.top, dpi), scaled(rect.left + rect.width, dpi),
          scaled(rect.top + rect.height, dpi)};
}

void expectRect(const RECT& shown, const RECT& expected) {
  // Scaling each edge on its own may round a pixel either way.
  EXPECT_NEAR(shown.left, expected.left, 1);
  EXPECT_NEAR(shown.top, expected.top, 1);
  EXPECT_NEAR(shown.right, expected.right, 1);
  EXPECT_NEAR(shown.bottom, expected.bottom, 1);
}

HWND windowOf(const ui::Form& form) {
  return FindWindowW(L"MapsetdeskForm", wideText(form.caption).c_str());
}

TEST(WindowSizing, TheMainWindowTakesANewSizeAndItsCatalogueListGrows) {
  ProgramHarness harness;
  harness.storeSetting("Wow64", "falsch");
  auto skin = std::make_unique<ui::win32::Win32Skin>(GetModuleHandleW(nullptr));
  Session session;
  auto windows = std::make_unique<ui::ProgramWindows>(*skin, harness.services, session);
  ui::fMain& main = windows->main;
  main.show();
  const HWND window = windowOf(main);
  ASSERT_NE(window, nullptr);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MAXIMIZEBOX);
  const UINT dpi = ui::win32::dpiOf(window);
  const HWND names = skin->nativeOf(main.ListLoeschen);
  const HWND button = skin->nativeOf(main.CommandKartenentfernen);
  ASSERT_NE(names, nullptr);
  const RECT namesBefore = placeOf(names);
  const RECT buttonBefore = placeOf(button);
  expectRect(namesBefore, scaledRect(main.ListLoeschen.position, dpi));

  const RECT frame = frameOf(window);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + 240,
               frame.bottom - frame.top + 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_NEAR(main.shownWidth(), MulDiv(client.right, 96, static_cast<int>(dpi)), 1);
  EXPECT_NEAR(main.shownHeight(), MulDiv(client.bottom, 96, static_cast<int>(dpi)), 1);
  ASSERT_GT(main.growthX(), 0) << "the screen left no room to grow";
  ASSERT_GT(main.growthY(), 0);
  const RECT namesAfter = placeOf(names);
  EXPECT_GT(namesAfter.right - namesAfter.left, namesBefore.right - namesBefore.left);
  EXPECT_GT(namesAfter.bottom - namesAfter.top, namesBefore.bottom - namesBefore.top);
  expectRect(namesAfter, scaledRect(main.ListLoeschen.placed(), dpi));
  const RECT buttonAfter = placeOf(button);
  EXPECT_EQ(buttonAfter.right - buttonAfter.left, buttonBefore.right - buttonBefore.left);
  EXPECT_EQ(buttonAfter.bottom - buttonAfter.top, buttonBefore.bottom - buttonBefore.top);
  EXPECT_GT(buttonAfter.left, buttonBefore.left);
  const RECT left = frameOf(window);
  EXPECT_EQ(main.placement->frame,
            (ui::Rect{left.left, left.top, left.right - left.left, left.bottom - left.top}));

  // Never smaller than designed.
  SetWindowPos(window, nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  GetClientRect(window, &client);
  EXPECT_GE(client.right, ui::win32::scaled(main.width, dpi) - 1);
  EXPECT_GE(client.bottom, ui::win32::scaled(main.height, dpi) - 1);
  EXPECT_EQ(main.growthX(), 0);
  expectRect(placeOf(names), scaledRect(main.ListLoeschen.position, dpi));

  // Maximized, the frame it is restored to is what is kept.
  const RECT normal = frameOf(window);
  ShowWindow(window, SW_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(window));
  EXPECT_TRUE(main.placement->maximized);
  EXPECT_EQ(main.placement->frame, (ui::Rect{normal.left, normal.top, normal.right - normal.left,
                                             normal.bottom - normal.top}));
  main.unload();
  EXPECT_EQ(harness.setting("WindowPlacement"), ui::placementText(*main.placement));
  windows.reset();
  skin.reset();
}

class Reopening : public ::testing::Test {
 protected:
  void SetUp() override {
    main.caption = "Hauptfenster";
    main.width = 500;
    main.height = 300;
    tool.caption = "Werkzeug";
    tool.width = 300;
    tool.height = 180;
    tool.sizable = true;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    work = info.rcWork;
  }
  void TearDown() override {
    tool.unload();
    main.unload();
    skin.reset();
  }

  std::unique_ptr<ui::win32::Win32Skin> skin =
      std::make_unique<ui::win32::Win32Skin>(GetModuleHandleW(nullptr));
  ui::Form main{*skin, "Haupt"};
  ui::Form tool{*skin, "Werkzeug"};
  RECT work{};
};

TEST_F(Reopening, ASecondaryWindowOpensWhereItWasLeftWhenThatFitsTheScreen) {
  const ui::Rect left{work.left + 10, work.top + 20, 420, 330};
  tool.placement = ui::WindowPlacement{left, false};
  main.show();
  tool.show();
  const RECT frame = frameOf(windowOf(tool));
  EXPECT_EQ((ui::Rect{frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top}),
            left);
  EXPECT_FALSE(IsZoomed(windowOf(tool)));
}

TEST_F(Reopening, AWindowLeftMaximizedOpensMaximized) {
  tool.placement = ui::WindowPlacement{{work.left, work.top, 420, 330}, true};
  main.show();
  tool.show();
  EXPECT_TRUE(IsZoomed(windowOf(tool)));
  ShowWindow(windowOf(tool), SW_RESTORE);
  const RECT frame = frameOf(windowOf(tool));
  EXPECT_EQ(frame.right - frame.left, 420);
  EXPECT_FALSE(tool.placement->maximized);
}

TEST_F(Reopening, AWindowLeftOffTheScreenOpensOverTheMainWindow) {
  tool.placement = ui::WindowPlacement{{work.right + 50, work.top, 420, 330}, false};
  main.show();
  tool.show();
  const RECT over = frameOf(windowOf(main));
  const RECT opened = frameOf(windowOf(tool));
  EXPECT_NEAR((over.left + over.right) / 2, (opened.left + opened.right) / 2, 1);
  EXPECT_NEAR((over.top + over.bottom) / 2, (opened.top + opened.bottom) / 2, 1);
}

TEST(SidewaysScrolling, AListScrollsAsFarAsItsWidestRow) {
  auto skin = std::make_unique<ui::win32::Win32Skin>(GetModuleHandleW(nullptr));
  ui::Form form(*skin, "Liste");
  form.caption = "Liste";
  ui::ListBox list(form, "ListMapsetName");
  list.position = {8, 8, 120, 100};
  list.addItem("Topo");
  form.show();
  const HWND native = skin->nativeOf(list);
  ASSERT_NE(native, nullptr);
  RECT client{};
  GetClientRect(native, &client);
  const auto extent = [native] {
    return static_cast<int>(SendMessageW(native, LB_GETHORIZONTALEXTENT, 0, 0));
  };
  EXPECT_LT(extent(), client.right) << "a short row needs no scrolling";

  list.addItem("Topo_Deutschland_Light_2024 mit einem Namen, der nicht in die Liste passt");
  skin->mirrorAll();
  EXPECT_GT(extent(), client.right);
  const int wide = extent();
  list.removeItem(1);
  skin->mirrorAll();
  EXPECT_LT(extent(), wide) << "the extent follows the rows the list holds now";
  form.unload();
  skin.reset();
}

}  // namespace
}  // namespace mapsetdesk::testing
