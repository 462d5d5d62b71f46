#pragma once
// The program's windows under Wine, driven through their native controls as
// the mouse and keyboard drive them: buttons clicked, rows clicked and
// double-clicked, text typed, files dropped, menu entries chosen. The
// scripted dialogs of the harness answer every message and chooser.
#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Session.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"
#include "ui/forms/ProgramWindows.h"
#include "ui/win32/Win32Skin.h"

namespace mapsetdesk::testing {

// The rows a native list shows.
std::vector<std::string> rowsOf(HWND list);

class ClickDriver : public ::testing::Test {
 protected:
  // English texts, the tile list opening on a folder "Karten" that holds
  // mkgmap's two tiles.
  void SetUp() override;
  void TearDown() override;

  std::filesystem::path karten() const { return harness.folder / "Karten"; }
  HWND native(const ui::Control& control) const { return skin->nativeOf(control); }
  std::vector<std::string> rows(const ui::Control& list) const { return rowsOf(native(list)); }
  bool enabled(const ui::Control& control) const { return IsWindowEnabled(native(control)); }
  bool shown(const ui::Control& control) const { return IsWindowVisible(native(control)); }
  // Shows the main window, which runs the start-up.
  ui::fMain& start();

  void press(const ui::Control& button) const;
  void typeInto(const ui::Control& field, const std::string& text) const;
  // The mouse's click or double-click at the row's middle; a negative row
  // is below the last row.
  void click(const ui::Control& list, int row) const;
  void doubleClick(const ui::Control& list, int row) const;
  void dropOn(const ui::Control& list, const std::vector<std::string>& files) const;
  // The entry of the form's menu bar with the item's caption.
  void choose(const ui::MenuItem& item) const;
  // Opens folder after folder of the list until it shows the folder given.
  void openFolder(const ui::DirList& folders, const std::filesystem::path& folder) const;
  // The native window of the form; nullptr while it is closed.
  HWND windowOf(const ui::Form& form) const;
  // The window's close box.
  void close(const ui::Form& form) const;
  // Steps taken in the form's window the next time it shows, also when it
  // is modal and the test's own code waits below it.
  void whenShown(const ui::Form& form, std::function<void()> steps);
  // The message shown next, with its text and the program's title.
  void expectSaid(const std::string& text, const std::string& title = "ZORVAN");

  ProgramHarness harness{true};
  RealMapsets mapsets;
  std::unique_ptr<ui::win32::Win32Skin> skin =
      std::make_unique<ui::win32::Win32Skin>(GetModuleHandleW(nullptr));
  Session session;
  std::unique_ptr<ui::ProgramWindows> windows =
      std::make_unique<ui::ProgramWindows>(*skin, harness.services, session);

 private:
  void mouseOn(const ui::Control& list, int row, bool twice) const;
  static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);

  struct Waiting {
    const ui::Form* form;
    std::function<void()> steps;
  };
  static ClickDriver* running_;
  std::deque<Waiting> waiting_;
  UINT_PTR timer_ = 0;
};

}  // namespace mapsetdesk::testing
