#include "ClickDriver.h"

#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/FilePath.h"
#include "platform/win/WideText.h"

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

std::string lowerCase(std::string text) {
  for (char& letter : text) letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  return text;
}

// Whether the folder is the target or one of the folders above it; Windows
// names ignore case, the drive letter's as well.
bool onTheWay(const std::string& folder, const std::string& target) {
  const std::string above = lowerCase(folder);
  const std::string below = lowerCase(target);
  return below.rfind(above, 0) == 0 &&
         (below.size() == above.size() || above.back() == '\\' || below[above.size()] == '\\');
}

// The deepest folder of the list on the way to the target, other than the
// one it shows: a subfolder on the way down, or a folder above on the way up.
int nextStep(const ui::DirList& folders, const std::string& target) {
  int best = -1;
  for (int row = 0; row < folders.count(); ++row) {
    const std::string folder = folders.folderAt(row);
    if (onTheWay(folder, target) && lowerCase(folder) != lowerCase(folders.path()) &&
        (best < 0 || folder.size() > folders.folderAt(best).size()))
      best = row;
  }
  return best;
}

}  // namespace

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

void ClickDriver::SetUp() {
  ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
  harness.storeSetting("Wow64", "falsch");
  harness.storeSetting("Language", "Eng");
  harness.storeSetting("Dir", pathText(karten()));
  fs::create_directories(karten());
  for (const char* tile : {"63240001.img", "63240002.img"})
    fs::copy_file(mapsets.root() / "mapset" / tile, karten() / tile);
}

void ClickDriver::TearDown() {
  if (timer_) KillTimer(nullptr, timer_);
  EXPECT_TRUE(waiting_.empty()) << "a window the test waited for never showed";
  harness.dialogs.expectAllTaken();
  windows.reset();
  skin.reset();  // the native windows go before the forms they show
}

ui::fMain& ClickDriver::start() {
  windows->main.show();
  skin->letEventsRun();
  return windows->main;
}

void ClickDriver::press(const ui::Control& button) const {
  ASSERT_TRUE(shown(button) && enabled(button)) << button.name();
  SendMessageW(native(button), BM_CLICK, 0, 0);
  skin->letEventsRun();
}

void ClickDriver::typeInto(const ui::Control& field, const std::string& text) const {
  ASSERT_TRUE(shown(field) && enabled(field)) << field.name();
  SetFocus(native(field));
  SetWindowTextW(native(field), wideText(text).c_str());
  skin->letEventsRun();
}

void ClickDriver::mouseOn(const ui::Control& list, int row, bool twice) const {
  ASSERT_TRUE(shown(list) && enabled(list)) << list.name();
  RECT place{};
  SendMessageW(native(list), LB_GETITEMRECT, static_cast<WPARAM>(std::max(row, 0)),
               reinterpret_cast<LPARAM>(&place));
  const int below = row < 0 ? place.bottom - place.top : 0;
  const LPARAM at =
      MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2 + below);
  std::vector<UINT> messages{WM_LBUTTONDOWN, WM_LBUTTONUP};
  if (twice) messages.insert(messages.end(), {WM_LBUTTONDBLCLK, WM_LBUTTONUP});
  for (const UINT message : messages)
    PostMessageW(native(list), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
  skin->letEventsRun();
}

void ClickDriver::click(const ui::Control& list, int row) const { mouseOn(list, row, false); }
void ClickDriver::doubleClick(const ui::Control& list, int row) const { mouseOn(list, row, true); }

void ClickDriver::dropOn(const ui::Control& list, const std::vector<std::string>& files) const {
  SendMessageW(native(list), WM_DROPFILES, reinterpret_cast<WPARAM>(droppedFiles(files)), 0);
  skin->letEventsRun();
}

HWND ClickDriver::windowOf(const ui::Form& form) const {
  for (const ui::Control* control : form.controls())
    if (const HWND hwnd = native(*control)) return GetAncestor(hwnd, GA_ROOT);
  return nullptr;
}

void ClickDriver::choose(const ui::MenuItem& item) const {
  const HWND window = windowOf(item.form());
  const HMENU menu = GetMenu(window);
  for (int position = 0; position < GetMenuItemCount(menu); ++position) {
    wchar_t caption[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), caption, 256, MF_BYPOSITION);
    if (utf8Text(caption) != item.caption) continue;
    ASSERT_FALSE(GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_GRAYED);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetMenuItemID(menu, position), 0), 0);
    skin->letEventsRun();
    return;
  }
  FAIL() << "no menu entry " << item.caption;
}

void ClickDriver::openFolder(const ui::DirList& folders, const fs::path& folder) const {
  const std::string target = pathText(folder);
  for (int step = 0; step < 64 && lowerCase(folders.path()) != lowerCase(target); ++step) {
    const int row = nextStep(folders, target);
    ASSERT_GE(row, 0) << folders.path() << " leads nowhere near " << pathText(folder);
    doubleClick(folders, row);
  }
  ASSERT_EQ(lowerCase(folders.path()), lowerCase(target));
}

void ClickDriver::close(const ui::Form& form) const {
  PostMessageW(windowOf(form), WM_CLOSE, 0, 0);
  skin->letEventsRun();
}

ClickDriver* ClickDriver::running_ = nullptr;

void ClickDriver::whenShown(const ui::Form& form, std::function<void()> steps) {
  waiting_.push_back({&form, std::move(steps)});
  running_ = this;
  if (!timer_) timer_ = SetTimer(nullptr, 0, 20, &ClickDriver::onTimer);
}

// A modal window runs its own message loop: the timer is what reaches the
// test from inside it.
void CALLBACK ClickDriver::onTimer(HWND, UINT, UINT_PTR, DWORD) {
  static bool stepping = false;  // the steps' own clicks let the timer run again
  ClickDriver* test = running_;
  if (stepping || test == nullptr || test->waiting_.empty()) return;
  const HWND window = test->windowOf(*test->waiting_.front().form);
  if (window == nullptr || !IsWindowVisible(window)) return;
  const std::function<void()> steps = std::move(test->waiting_.front().steps);
  test->waiting_.pop_front();
  stepping = true;
  steps();
  stepping = false;
}

void ClickDriver::expectSaid(const std::string& text, const std::string& title) {
  const Message shown = harness.dialogs.take();
  EXPECT_EQ(shown.text, text);
  EXPECT_EQ(shown.title, title);
}

}  // namespace mapsetdesk::testing
