#include "ui/win32/NativeControl.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "platform/win/WideText.h"
#include "ui/forms/controls/Caption.h"
#include "ui/forms/controls/CheckBox.h"
#include "ui/forms/controls/DriveList.h"
#include "ui/forms/controls/ListBox.h"
#include "ui/forms/controls/OptionButton.h"
#include "ui/forms/controls/ProgressBar.h"
#include "ui/forms/controls/TextBox.h"
#include "ui/win32/Dpi.h"

namespace mapsetdesk::ui::win32 {
namespace {

struct NativeKind {
  const wchar_t* windowClass;
  DWORD style;
};

NativeKind nativeKind(const Control& model) {
  // Every list scrolls sideways when a row is wider than the list.
  constexpr DWORD list =
      WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  switch (model.kind()) {
    case ControlKind::Button:
      return {WC_BUTTONW, WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY};
    case ControlKind::Label:
      return {WC_STATICW, SS_LEFT | SS_NOTIFY};
    case ControlKind::TextBox: {
      const auto& box = static_cast<const TextBox&>(model);
      DWORD style = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
      if (box.multiLine()) style = WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL;
      if (box.locked) style |= ES_READONLY;
      return {WC_EDITW, style};
    }
    case ControlKind::ListBox: {
      const auto& rows = static_cast<const ListBox&>(model);
      DWORD style = list;
      if (rows.multiSelect()) style |= LBS_EXTENDEDSEL;
      if (!rows.tabStops.empty()) style |= LBS_USETABSTOPS;
      return {WC_LISTBOXW, style};
    }
    case ControlKind::DirList:
    case ControlKind::FileList:
      return {WC_LISTBOXW, list};
    case ControlKind::DriveList:
      return {WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST};
    case ControlKind::CheckBox:
      return {WC_BUTTONW, WS_TABSTOP | BS_CHECKBOX | BS_NOTIFY};
    case ControlKind::OptionButton:
      return {WC_BUTTONW, WS_TABSTOP | BS_NOTIFY |
                              (static_cast<const OptionButton&>(model).picture != 0
                                   ? static_cast<DWORD>(BS_OWNERDRAW)
                                   : static_cast<DWORD>(BS_RADIOBUTTON))};
    case ControlKind::Frame:
      return {WC_BUTTONW, BS_GROUPBOX};
    case ControlKind::ProgressBar:
      return {PROGRESS_CLASSW, 0};
    case ControlKind::MenuItem:
      break;
  }
  return {nullptr, 0};
}

// What the control shows as its one text: caption or the text box's text.
std::string shownText(const Control& model) {
  if (model.kind() == ControlKind::TextBox) return static_cast<const TextBox&>(model).text();
  return captionOf(model).value_or("");
}

// The list box counts tab stops in quarters of its font's average character
// width; the widest row sets how far it scrolls sideways.
void measureRows(NativeControl& native, const ListBox& list, UINT dpi) {
  HDC context = GetDC(native.hwnd);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(native.hwnd, WM_GETFONT, 0, 0));
  const HGDIOBJ before = SelectObject(context, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(context, &metrics);
  const int quarter = std::max<int>(1, metrics.tmAveCharWidth);
  std::vector<INT> units;
  std::vector<INT> pixels;
  for (int stop : list.tabStops) {
    pixels.push_back(scaled(stop, dpi));
    units.push_back(MulDiv(pixels.back(), 4, quarter));
  }
  if (!units.empty())
    SendMessageW(native.hwnd, LB_SETTABSTOPS, static_cast<WPARAM>(units.size()),
                 reinterpret_cast<LPARAM>(units.data()));
  int widest = 0;
  for (const auto& item : list.items()) {
    const std::wstring text = wideText(item);
    const DWORD extent = GetTabbedTextExtentW(context, text.c_str(), static_cast<int>(text.size()),
                                              static_cast<int>(pixels.size()), pixels.data());
    widest = std::max<int>(widest, LOWORD(extent));
  }
  SendMessageW(native.hwnd, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + quarter), 0);
  SelectObject(context, before);
  ReleaseDC(native.hwnd, context);
}

bool scrollsSideways(const Control& model) {
  return model.kind() == ControlKind::ListBox || model.kind() == ControlKind::DirList ||
         model.kind() == ControlKind::FileList;
}

void mirrorList(NativeControl& native, const ListBox& list, UINT dpi) {
  const bool combo = list.kind() == ControlKind::DriveList;
  if (native.items != list.items()) {
    SendMessageW(native.hwnd, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    for (const auto& item : list.items()) {
      SendMessageW(native.hwnd, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(wideText(item).c_str()));
    }
    native.items = list.items();
    if (!combo) measureRows(native, list, dpi);
    native.selection = {};
    native.top = -1;
  }
  const auto rows = list.selectedRows();
  if (rows != native.selection) {
    if (combo) {
      SendMessageW(native.hwnd, CB_SETCURSEL, rows.empty() ? -1 : rows.front(), 0);
    } else if (list.multiSelect()) {
      SendMessageW(native.hwnd, LB_SETSEL, FALSE, -1);
      for (int row : rows) SendMessageW(native.hwnd, LB_SETSEL, TRUE, row);
    } else {
      SendMessageW(native.hwnd, LB_SETCURSEL, rows.empty() ? -1 : rows.front(), 0);
    }
    native.selection = rows;
  }
  if (!combo && list.topIndex() != native.top) {
    SendMessageW(native.hwnd, LB_SETTOPINDEX, list.topIndex(), 0);
    native.top = list.topIndex();
  }
}

void mirrorValue(NativeControl& native) {
  const Control& model = *native.model;
  int value = native.value;
  if (model.kind() == ControlKind::CheckBox) value = static_cast<const CheckBox&>(model).value();
  if (model.kind() == ControlKind::OptionButton)
    value = static_cast<const OptionButton&>(model).value();
  if (model.kind() == ControlKind::ProgressBar) {
    const auto& bar = static_cast<const ProgressBar&>(model);
    SendMessageW(native.hwnd, PBM_SETRANGE32, bar.minimum, bar.maximum);
    value = bar.value;
  }
  if (value == native.value) return;
  native.value = value;
  if (model.kind() == ControlKind::ProgressBar) {
    SendMessageW(native.hwnd, PBM_SETPOS, value, 0);
  } else {
    SendMessageW(native.hwnd, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    InvalidateRect(native.hwnd, nullptr, TRUE);
  }
}

void mirrorTip(NativeControl& native, HWND tooltip) {
  if (native.tip == native.model->toolTip || tooltip == nullptr) return;
  std::wstring text = wideText(native.model->toolTip);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = GetParent(native.hwnd);
  tool.uId = reinterpret_cast<UINT_PTR>(native.hwnd);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.lpszText = text.data();
  SendMessageW(tooltip, native.tip.empty() ? TTM_ADDTOOLW : TTM_UPDATETIPTEXTW, 0,
               reinterpret_cast<LPARAM>(&tool));
  if (native.model->toolTip.empty()) SendMessageW(tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  native.tip = native.model->toolTip;
}

void mirrorLook(NativeControl& native) {
  const Control& model = *native.model;
  int picture = 0;
  if (model.kind() == ControlKind::OptionButton) picture = static_cast<const OptionButton&>(model).picture;
  if (native.back == model.backColor && native.picture == picture) return;
  native.back = model.backColor;
  native.picture = picture;
  InvalidateRect(native.hwnd, nullptr, TRUE);
}

}  // namespace

HWND createNative(HWND parent, const Control& model, int id) {
  const NativeKind kind = nativeKind(model);
  if (kind.windowClass == nullptr) return nullptr;
  return CreateWindowExW(0, kind.windowClass, L"", WS_CHILD | WS_CLIPSIBLINGS | kind.style,
                         0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                         nullptr);
}

void mirror(NativeControl& native, UINT dpi, HWND tooltip) {
  Control& model = *native.model;
  if (const Rect r = model.placed(); native.rect != r) {
    // A drop-down list's height is that of its open list.
    const int height = model.kind() == ControlKind::DriveList ? r.height * 8 : r.height;
    MoveWindow(native.hwnd, scaled(r.left, dpi), scaled(r.top, dpi), scaled(r.width, dpi),
               scaled(height, dpi), TRUE);
    native.rect = r;
  }
  const bool isList = model.kind() == ControlKind::ListBox || model.kind() == ControlKind::DirList ||
                      model.kind() == ControlKind::FileList || model.kind() == ControlKind::DriveList;
  if (isList) {
    mirrorList(native, static_cast<const ListBox&>(model), dpi);
  } else if (const std::string text = shownText(model); text != native.text) {
    SetWindowTextW(native.hwnd, wideText(text).c_str());
    native.text = text;
  }
  if (model.kind() == ControlKind::TextBox)
    SendMessageW(native.hwnd, EM_SETREADONLY, static_cast<const TextBox&>(model).locked, 0);
  mirrorValue(native);
  mirrorLook(native);
  mirrorTip(native, tooltip);
  if (native.enabled != model.enabled) {
    EnableWindow(native.hwnd, model.enabled);
    native.enabled = model.enabled;
  }
  // A frame hides what it holds: the model keeps each control's own flag.
  const bool visible = model.shown();
  if (native.visible != visible) {
    ShowWindow(native.hwnd, visible ? SW_SHOWNA : SW_HIDE);
    native.visible = visible;
  }
}

void fontChanged(NativeControl& native, UINT dpi) {
  native.rect = {-1, -1, -1, -1};
  if (scrollsSideways(*native.model))
    measureRows(native, static_cast<const ListBox&>(*native.model), dpi);
}

void readListChoice(NativeControl& native) {
  auto& list = static_cast<ListBox&>(*native.model);
  if (list.kind() == ControlKind::DriveList) {
    const auto row = static_cast<int>(SendMessageW(native.hwnd, CB_GETCURSEL, 0, 0));
    native.selection = {row};
    static_cast<DriveList&>(list).setDrive(list.item(row));
    return;
  }
  if (!list.multiSelect()) {
    const auto row = static_cast<int>(SendMessageW(native.hwnd, LB_GETCURSEL, 0, 0));
    native.selection = row < 0 ? std::vector<int>{} : std::vector<int>{row};
    list.setListIndex(row);
    return;
  }
  for (int row = 0; row < list.count(); ++row)
    list.setSelected(row, SendMessageW(native.hwnd, LB_GETSEL, row, 0) > 0);
  native.selection = list.selectedRows();
  fire(list.onClick);
}

}  // namespace mapsetdesk::ui::win32
