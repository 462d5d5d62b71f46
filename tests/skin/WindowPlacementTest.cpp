// The Win32 skin itself, under Wine: where a secondary window opens and
// which window it stays in front of.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <memory>

#include "ui/forms/controls/Form.h"
#include "ui/win32/Win32Skin.h"

namespace mapsetdesk::testing {
namespace {

POINT centreOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

TEST(WindowPlacement, ASecondaryWindowOpensCentredOverTheMainWindowAndStaysInFrontOfIt) {
  auto skin = std::make_unique<ui::win32::Win32Skin>(GetModuleHandleW(nullptr));
  ui::Form main(*skin, "Haupt");
  main.caption = "Hauptfenster";
  main.width = 700;
  main.height = 450;
  ui::Form second(*skin, "Zweit");
  second.caption = "Zweites Fenster";
  second.width = 300;
  second.height = 180;

  main.show();
  const HWND mainWindow = FindWindowW(L"MapsetdeskForm", L"Hauptfenster");
  ASSERT_NE(mainWindow, nullptr);
  SetWindowPos(mainWindow, nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  second.show();
  const HWND secondWindow = FindWindowW(L"MapsetdeskForm", L"Zweites Fenster");
  ASSERT_NE(secondWindow, nullptr);

  const POINT over = centreOf(mainWindow);
  const POINT opened = centreOf(secondWindow);
  EXPECT_LE(std::abs(over.x - opened.x), 1);
  EXPECT_LE(std::abs(over.y - opened.y), 1);
  EXPECT_EQ(GetWindow(secondWindow, GW_OWNER), mainWindow);

  second.unload();
  main.unload();
  skin.reset();  // the native windows go before the forms they show
}

}  // namespace
}  // namespace mapsetdesk::testing
