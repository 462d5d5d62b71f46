#include "ui/win32/Win32Dialogs.h"

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "platform/win/WideText.h"

namespace mapsetdesk::ui::win32 {
namespace {

UINT buttonsFlag(Buttons buttons) {
  switch (buttons) {
    case Buttons::OkCancel:
      return MB_OKCANCEL;
    case Buttons::YesNo:
      return MB_YESNO;
    default:
      return MB_OK;
  }
}

UINT iconFlag(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return MB_ICONINFORMATION;
    case Icon::Exclamation:
      return MB_ICONEXCLAMATION;
    case Icon::Critical:
      return MB_ICONERROR;
    case Icon::Question:
      return MB_ICONQUESTION;
    default:
      return 0;
  }
}

int CALLBACK startInFolder(HWND browser, UINT message, LPARAM, LPARAM folder) {
  if (message == BFFM_INITIALIZED && folder != 0)
    SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, folder);
  return 0;
}

}  // namespace

Answer Win32Dialogs::message(const Message& message) {
  const UINT flags = buttonsFlag(message.buttons) | iconFlag(message.icon) | MB_SETFOREGROUND |
                     (message.systemModal ? MB_SYSTEMMODAL : 0);
  const int pressed = MessageBoxW(GetActiveWindow(), wideText(message.text).c_str(),
                                  wideText(message.title).c_str(), flags);
  switch (pressed) {
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    case IDCANCEL:
      return Answer::Cancel;
    default:
      return Answer::Ok;
  }
}

std::optional<std::string> Win32Dialogs::chooseFolder(const std::string& title,
                                                      const std::string& startFolder) {
  const std::wstring caption = wideText(title);
  const std::wstring start = wideText(startFolder);
  BROWSEINFOW browse{};
  browse.hwndOwner = GetActiveWindow();
  browse.lpszTitle = caption.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  browse.lpfn = startInFolder;
  browse.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (chosen == nullptr) return std::nullopt;
  std::wstring path(MAX_PATH, L'\0');
  const bool found = SHGetPathFromIDListW(chosen, path.data()) != FALSE;
  CoTaskMemFree(chosen);
  if (!found) return std::nullopt;
  path.resize(wcslen(path.c_str()));
  return utf8Text(path);
}

std::optional<std::string> Win32Dialogs::chooseFile(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& startFolder) {
  // "Description|*.ext|..." becomes the dialog's pairs of NUL-ended strings.
  std::wstring filters = wideText(filter);
  for (wchar_t& c : filters) {
    if (c == L'|') c = L'\0';
  }
  filters.append(2, L'\0');
  const std::wstring caption = wideText(title);
  const std::wstring start = wideText(startFolder);
  std::vector<wchar_t> file(32768, L'\0');
  OPENFILENAMEW open{};
  open.lStructSize = sizeof open;
  open.hwndOwner = GetActiveWindow();
  open.lpstrFilter = filters.c_str();
  open.lpstrFile = file.data();
  open.nMaxFile = static_cast<DWORD>(file.size());
  open.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
  open.lpstrTitle = caption.c_str();
  open.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&open)) return std::nullopt;
  return utf8Text(file.data());
}

}  // namespace mapsetdesk::ui::win32
