// The main window under Wine, driven through its native controls as the
// mouse and keyboard drive them; each action leaves lists that show it.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Session.h"
#include "app/messages/CatalogueTexts.h"
#include "app/messages/MessageKeys.h"
#include "platform/FilePath.h"
#include "platform/RegistryOps.h"
#include "platform/win/WideText.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"
#include "ui/forms/ProgramWindows.h"
#include "ui/win32/Win32Skin.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

// What Explorer hands a window when files are dropped on it.
HGLOBAL droppedFiles(const std::vector<std::string>& files) {
  std::wstring names;
  for (const std::string& file : files) names += wideText(file) + L'\0';
  names += L'\0';
  const SIZE_T size = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, size);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(),
              names.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

std::vector<std::string> rowsOf(HWND list) {
  std::vector<std::string> rows;
  const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)) + 1,
                      L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
    rows.push_back(utf8Text(text));
  }
  return rows;
}

class ByClicks : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
    harness.storeSetting("Wow64", "falsch");
    harness.storeSetting("Language", "Eng");
    harness.storeSetting("Dir", pathText(karten()));  // the tile list opens there
    fs::create_directories(karten());
    for (const char* tile : {"63240001.img", "63240002.img"})
      fs::copy_file(mapsets.root() / "mapset" / tile, karten() / tile);
  }
  void TearDown() override {
    windows.reset();
    skin.reset();  // the native windows go before the forms they show
  }

  fs::path karten() const { return harness.folder / "Karten"; }
  HWND native(const ui::Control& control) const { return skin->nativeOf(control); }
  void press(const ui::Control& button) const {
    ASSERT_TRUE(IsWindowEnabled(native(button))) << button.name();
    SendMessageW(native(button), BM_CLICK, 0, 0);
    skin->letEventsRun();
  }
  void typeInto(const ui::Control& field, const std::string& text) const {
    SetFocus(native(field));
    SetWindowTextW(native(field), wideText(text).c_str());
    skin->letEventsRun();
  }
  // The mouse's double-click at the row's middle, or below the last row.
  void doubleClick(const ui::Control& list, int row) const {
    RECT place{};
    SendMessageW(native(list), LB_GETITEMRECT, static_cast<WPARAM>(std::max(row, 0)),
                 reinterpret_cast<LPARAM>(&place));
    const int below = row < 0 ? place.bottom - place.top : 0;
    const LPARAM at = MAKELPARAM((place.left + place.right) / 2,
                                 (place.top + place.bottom) / 2 + below);
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
      PostMessageW(native(list), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    skin->letEventsRun();
  }
  void dropOn(const ui::Control& list, const std::vector<std::string>& files) const {
    SendMessageW(native(list), WM_DROPFILES, reinterpret_cast<WPARAM>(droppedFiles(files)), 0);
    skin->letEventsRun();
  }

  ProgramHarness harness{true};
  RealMapsets mapsets;
  std::unique_ptr<ui::win32::Win32Skin> skin =
      std::make_unique<ui::win32::Win32Skin>(GetModuleHandleW(nullptr));
  Session session;
  std::unique_ptr<ui::ProgramWindows> windows =
      std::make_unique<ui::ProgramWindows>(*skin, harness.services, session);
};

TEST_F(ByClicks, ANewPackageShowsInTheGmapListWithoutAnotherClick) {
  ui::fMain& main = windows->main;
  main.show();
  skin->letEventsRun();
  const HWND gmapList = native(main.ListMapsetGMP);
  ASSERT_NE(gmapList, nullptr);

  press(main.CommandHinzufuegen);
  dropOn(main.List1, {pathText(karten() / "63240001.img"), pathText(karten() / "63240002.img")});
  press(main.Command1);
  typeInto(main.TextBoxMSName, "Harz Nord");
  typeInto(main.TextBoxID, "1234");
  harness.dialogs.answer(Answer::Yes);  // a gmap package
  press(main.CommandButtonPV);

  const Message question = harness.dialogs.take();
  EXPECT_EQ(question.text, englishTexts().messages.at("Satz43"));
  const Message done = harness.dialogs.take();
  const std::string finished =
      englishTexts().messages.at("Satz61") + "2" + englishTexts().messages.at("Satz62");
  EXPECT_EQ(done.text, finished);
  EXPECT_EQ(done.title, "ZORVAN");
  harness.dialogs.expectAllTaken();
  EXPECT_TRUE(IsWindowVisible(gmapList));
  EXPECT_EQ(rowsOf(gmapList), std::vector<std::string>{"gmap; Harz Nord; FID:1234;PID:1"});
  EXPECT_FALSE(IsWindowEnabled(native(main.CommandButtonPV))) << "installed: nothing to repeat";
}

TEST_F(ByClicks, ARenamedMapsetShowsItsNameAndARemovedOneIsGoneAndNoRowAsksNothing) {
  const MapsetFiles topo = mapsets.make(karten(), "Topo", "Topo", 1234, 1);
  registerFamilyProduct(harness.memory, "SOFTWARE", RegistrationRoot::Families, "Topo1234", 1234,
                        "1", topo);
  ui::fMain& main = windows->main;
  main.show();
  skin->letEventsRun();

  press(main.CommandMapnameAendern);
  doubleClick(main.ListMapsetName, 0);
  ASSERT_TRUE(IsWindowVisible(native(main.TextMapsetname))) << "the double-click picked the row";
  EXPECT_EQ(main.ListMapsetName.listIndex(), 0);
  EXPECT_EQ(main.TextMapsetname.text(), "Topo");
  typeInto(main.TextMapsetname, "Topo Neu");
  press(main.CommandNameuebernehmen);
  const TdbTexts& tdb = session.texts.tdb();
  EXPECT_EQ(harness.dialogs.take().text, tdb.backupCreated + topo.tdb + "-BAK");
  EXPECT_EQ(harness.dialogs.take().text, tdb.nameChanged);
  EXPECT_EQ(rowsOf(native(main.ListMapsetName)), std::vector<std::string>{"Topo Neu"});
  EXPECT_TRUE(IsWindowEnabled(native(main.CommandKartenentfernen)));

  press(main.CommandKartenentfernen);
  doubleClick(main.ListLoeschen, -1);
  EXPECT_TRUE(harness.dialogs.messages().empty()) << "a double-click below the rows asks nothing";
  harness.dialogs.answer(Answer::Ok);
  doubleClick(main.ListLoeschen, 0);
  const Message question = harness.dialogs.take();
  EXPECT_EQ(question.text, session.texts.text(key::Satz21));
  EXPECT_EQ(question.title, "ZORVAN - Topo Neu");
  EXPECT_TRUE(rowsOf(native(main.ListLoeschen)).empty());
  EXPECT_FALSE(harness.memory.canOpen(Root::LocalMachine,
                                      "SOFTWARE\\Garmin\\MapSource\\Families\\Topo1234"));
  harness.dialogs.expectAllTaken();
}

}  // namespace
}  // namespace mapsetdesk::testing
