#include "ui/win32/FormWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <exception>
#include <string>

#include "app/messages/UnexpectedError.h"
#include "platform/win/WideText.h"
#include "ui/forms/controls/CheckBox.h"
#include "ui/forms/controls/DirList.h"
#include "ui/forms/controls/MenuItem.h"
#include "ui/forms/controls/OptionButton.h"
#include "ui/forms/controls/TextBox.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/OwnerDraw.h"
#include "ui/win32/Win32Skin.h"

namespace mapsetdesk::ui::win32 {
namespace {

constexpr const wchar_t* kWindowClass = L"MapsetdeskForm";
constexpr DWORD kFixedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kSizableStyle = kFixedStyle | WS_THICKFRAME | WS_MAXIMIZEBOX;
constexpr UINT kRestoreFocus = WM_APP + 1;
constexpr int kFirstId = 1000;

bool isList(const Control& model) {
  return model.kind() == ControlKind::ListBox || model.kind() == ControlKind::DirList ||
         model.kind() == ControlKind::FileList;
}

bool hasMenu(const Form& form) {
  for (const Control* control : form.controls()) {
    if (control->kind() == ControlKind::MenuItem) return true;
  }
  return false;
}

Rect rectOf(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

BOOL CALLBACK addWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info))
    reinterpret_cast<std::vector<Rect>*>(areas)->push_back(rectOf(info.rcWork));
  return TRUE;
}

// The part of each screen that windows may cover, without the task bar.
std::vector<Rect> workAreas() {
  std::vector<Rect> areas;
  EnumDisplayMonitors(nullptr, nullptr, addWorkArea, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

void showUnexpected(const std::string& what) {
  MessageBoxW(nullptr, wideText(unexpectedErrorText(what)).c_str(),
              wideText(kUnexpectedErrorTitle).c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

// No error of a handler may end the program: it stops the one action, which
// has put back what it changed, and is shown.
template <typename Action>
void guarded(Action&& action) {
  try {
    action();
  } catch (const std::exception& error) {
    showUnexpected(error.what());
  } catch (...) {
    showUnexpected("unknown error");
  }
}

// Runs one model event, then shows what the handlers changed. The window may
// be unloaded by its own handler: nothing of it is touched afterwards.
template <typename Event>
void runEvent(Win32Skin& skin, Event&& event) {
  skin.handlerStarts();
  guarded(event);
  skin.handlerEnds();
  skin.mirrorAll();
}

// Whether a double-click at this point of a list box falls on one of its
// rows; one below the last row keeps whatever row was chosen before.
bool hitsRow(HWND list, LPARAM clientPoint) {
  return HIWORD(SendMessageW(list, LB_ITEMFROMPOINT, 0, clientPoint)) == 0;
}

}  // namespace

void FormWindow::registerClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
}

FormWindow::FormWindow(Win32Skin& skin, Form& form, HINSTANCE instance)
    : skin_(skin), form_(form), style_(form.sizable ? kSizableStyle : kFixedStyle) {
  dpi_ = dpiOf(nullptr);
  SIZE size = frameFor(form.width, form.height);
  title_ = wideText(form.caption);
  hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, title_.c_str(), style_,
                          CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr,
                          instance, this);
  // On a monitor of another resolution the window starts scaled for it.
  if (const UINT shown = dpiOf(hwnd_); shown != dpi_) {
    dpi_ = shown;
    size = frameFor(form.width, form.height);
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  font_ = messageFont(dpi_);
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance, nullptr);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, scaled(420, dpi_));
  createMenu();
  createControls(instance);
  restorePlacement();
}

FormWindow::~FormWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (menu_) DestroyMenu(menu_);
  if (font_) DeleteObject(font_);
}

SIZE FormWindow::frameFor(int clientWidth, int clientHeight) const {
  RECT frame{0, 0, scaled(clientWidth, dpi_), scaled(clientHeight, dpi_)};
  AdjustWindowRectEx(&frame, style_, hasMenu(form_), WS_EX_CONTROLPARENT);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void FormWindow::restorePlacement() {
  if (!form_.sizable) return;
  const SIZE smallest = frameFor(form_.width, form_.height);
  const auto frame = form_.placement ? restoredFrame(*form_.placement, smallest.cx, smallest.cy,
                                                     workAreas())
                                     : std::nullopt;
  if (frame) {
    // Moving the window tells the form where it stands: take the state first.
    const bool maximized = form_.placement->maximized;
    SetWindowPos(hwnd_, nullptr, frame->left, frame->top, frame->width, frame->height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    restored_ = true;
    maximizeOnShow_ = maximized;
  }
  keepPlacement();
}

void FormWindow::keepPlacement() {
  if (!form_.sizable || IsIconic(hwnd_)) return;
  WindowPlacement placement = form_.placement.value_or(WindowPlacement{});
  placement.maximized = IsZoomed(hwnd_) || maximizeOnShow_;
  if (!placement.maximized) {
    RECT frame{};
    GetWindowRect(hwnd_, &frame);
    placement.frame = rectOf(frame);
  }
  form_.placement = placement;
}

void FormWindow::show() {
  ShowWindow(hwnd_, maximizeOnShow_ ? SW_SHOWMAXIMIZED : SW_SHOW);
  maximizeOnShow_ = false;
}

void FormWindow::sized(int clientWidth, int clientHeight) {
  form_.resize(MulDiv(clientWidth, 96, static_cast<int>(dpi_)),
               MulDiv(clientHeight, 96, static_cast<int>(dpi_)));
  skin_.mirror(*this);
}

void FormWindow::placeOver(HWND owner) {
  SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  // A window that opens where it was left stays there.
  if (restored_) return;
  RECT over{};
  RECT own{};
  GetWindowRect(owner, &over);
  GetWindowRect(hwnd_, &own);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  const int centredLeft = over.left + (over.right - over.left - width) / 2;
  const int centredTop = over.top + (over.bottom - over.top - height) / 2;
  const int left =
      std::clamp<int>(centredLeft, work.left, std::max<int>(work.left, work.right - width));
  const int top =
      std::clamp<int>(centredTop, work.top, std::max<int>(work.top, work.bottom - height));
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::createControls(HINSTANCE) {
  const auto& models = form_.controls();
  controls_.reserve(models.size());
  for (std::size_t index = 0; index < models.size(); ++index) {
    NativeControl native;
    native.model = models[index];
    native.id = kFirstId + static_cast<int>(index);
    native.hwnd = createNative(hwnd_, *native.model, native.id);
    if (native.hwnd) {
      SendMessageW(native.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
      SetWindowSubclass(native.hwnd, controlProc, static_cast<UINT_PTR>(native.id),
                        reinterpret_cast<DWORD_PTR>(this));
      if (native.model->onDrop) DragAcceptFiles(native.hwnd, TRUE);
    }
    controls_.push_back(std::move(native));
  }
  // Frames go behind everything, a frame declared earlier (an outer one)
  // behind those declared later.
  for (auto native = controls_.rbegin(); native != controls_.rend(); ++native) {
    if (native->hwnd && native->model->kind() == ControlKind::Frame)
      SetWindowPos(native->hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void FormWindow::createMenu() {
  if (!hasMenu(form_)) return;
  menu_ = CreateMenu();
  for (std::size_t index = 0; index < form_.controls().size(); ++index) {
    const Control* control = form_.controls()[index];
    if (control->kind() != ControlKind::MenuItem) continue;
    AppendMenuW(menu_, MF_STRING, static_cast<UINT_PTR>(kFirstId + static_cast<int>(index)), L"");
  }
  SetMenu(hwnd_, menu_);
}

void FormWindow::mirror() {
  if (const std::wstring title = wideText(form_.caption); title != title_) {
    SetWindowTextW(hwnd_, title.c_str());
    title_ = title;
  }
  if (form_.closable != closable_) {
    EnableMenuItem(GetSystemMenu(hwnd_, FALSE), SC_CLOSE,
                   MF_BYCOMMAND | (form_.closable ? MF_ENABLED : MF_GRAYED));
    closable_ = form_.closable;
  }
  for (NativeControl& native : controls_) {
    if (native.hwnd) win32::mirror(native, dpi_, tooltip_);
  }
  mirrorMenu();
}

void FormWindow::mirrorMenu() {
  bool changed = false;
  for (NativeControl& native : controls_) {
    if (native.model->kind() != ControlKind::MenuItem) continue;
    const auto& item = static_cast<const MenuItem&>(*native.model);
    if (item.caption != native.text) {
      ModifyMenuW(menu_, static_cast<UINT>(native.id), MF_BYCOMMAND | MF_STRING,
                  static_cast<UINT_PTR>(native.id), wideText(item.caption).c_str());
      native.text = item.caption;
      changed = true;
    }
    const bool usable = item.enabled && item.visible;
    if (usable != native.enabled) {
      EnableMenuItem(menu_, static_cast<UINT>(native.id), MF_BYCOMMAND | (usable ? MF_ENABLED : MF_GRAYED));
      native.enabled = usable;
      changed = true;
    }
  }
  if (changed) DrawMenuBar(hwnd_);
}

void FormWindow::showPointer() {
  POINT at;
  GetCursorPos(&at);
  if (WindowFromPoint(at) == nullptr || GetAncestor(WindowFromPoint(at), GA_ROOT) != hwnd_) return;
  SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(
                                     form_.mousePointer() == MousePointer::Hourglass ? IDC_WAIT
                                                                                     : IDC_ARROW)));
}

LRESULT CALLBACK FormWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* window = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr || window->hwnd_ == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  guarded([&] { result = window->handle(message, wParam, lParam); });
  return result;
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      NativeControl* native = lParam == 0 ? find(LOWORD(wParam))
                                          : find(reinterpret_cast<HWND>(lParam));
      if (native == nullptr || skin_.mirroring()) break;
      if (native->model->kind() == ControlKind::MenuItem) {
        if (HIWORD(wParam) == 0) runEvent(skin_, [&] { fire(native->model->onClick); });
        return 0;
      }
      command(*native, HIWORD(wParam));
      return 0;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (NativeControl* native = find(static_cast<int>(item->CtlID))) {
        drawControl(*native->model, *item, dpi_);
        return TRUE;
      }
      break;
    }
    case WM_SETCURSOR:
      if (form_.mousePointer() == MousePointer::Hourglass) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
        return TRUE;
      }
      break;
    case kRestoreFocus:
      SetFocus(reinterpret_cast<HWND>(wParam));
      return 0;
    case WM_CLOSE: {
      if (!form_.closable) return 0;
      Form& form = form_;
      runEvent(skin_, [&] { form.unload(); });
      return 0;
    }
    case WM_DPICHANGED:
      changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_GETMINMAXINFO:
      if (form_.sizable) {
        const SIZE smallest = frameFor(form_.width, form_.height);
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {smallest.cx, smallest.cy};
        return 0;
      }
      break;
    case WM_SIZE:
      if (form_.sizable && wParam != SIZE_MINIMIZED) sized(LOWORD(lParam), HIWORD(lParam));
      keepPlacement();
      break;
    case WM_MOVE:
      keepPlacement();
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void FormWindow::command(NativeControl& native, UINT code) {
  Control& model = *native.model;
  Win32Skin& skin = skin_;
  const bool focusing = code == BN_SETFOCUS || code == EN_SETFOCUS || code == LBN_SETFOCUS ||
                        (model.kind() == ControlKind::DriveList && code == CBN_SETFOCUS);
  if (focusing) {
    runEvent(skin, [&] { takeFocus(native); });
    return;
  }
  switch (model.kind()) {
    case ControlKind::Button:
      if (code == BN_CLICKED) runEvent(skin, [&] { if (takeFocus(native)) fire(model.onClick); });
      break;
    case ControlKind::Label:
      if (code == STN_CLICKED) runEvent(skin, [&] { fire(model.onClick); });
      break;
    case ControlKind::CheckBox:
      if (code == BN_CLICKED) {
        auto& box = static_cast<CheckBox&>(model);
        runEvent(skin, [&] { if (takeFocus(native)) box.setValue(!box.value()); });
      }
      break;
    case ControlKind::OptionButton:
      if (code == BN_CLICKED) {
        auto& option = static_cast<OptionButton&>(model);
        runEvent(skin, [&] { if (takeFocus(native)) option.setValue(true); });
      }
      break;
    case ControlKind::TextBox:
      if (code == EN_CHANGE) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(native.hwnd)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(native.hwnd, text.data(), static_cast<int>(text.size()))));
        native.text = utf8Text(text);
        runEvent(skin, [&] { static_cast<TextBox&>(model).setText(native.text); });
      }
      break;
    case ControlKind::DriveList:
      if (code == CBN_SELCHANGE) runEvent(skin, [&] { readListChoice(native); });
      break;
    case ControlKind::ListBox:
    case ControlKind::DirList:
    case ControlKind::FileList:
      if (code == LBN_SELCHANGE) runEvent(skin, [&] { readListChoice(native); });
      if (code == LBN_DBLCLK && native.doubleClickOnRow) {
        runEvent(skin, [&] {
          if (model.kind() == ControlKind::DirList) {
            auto& folders = static_cast<DirList&>(model);
            folders.open(folders.listIndex());
          }
          fire(model.onDblClick);
        });
      }
      break;
    default:
      break;
  }
}

bool FormWindow::takeFocus(NativeControl& native) {
  if (form_.focused() == native.model || !native.model->takesFocus()) return true;
  if (form_.moveFocus(native.model)) return true;
  // The control that had the focus refused to let it go: it gets it back.
  for (const NativeControl& other : controls_) {
    if (other.model == form_.focused())
      PostMessageW(hwnd_, kRestoreFocus, reinterpret_cast<WPARAM>(other.hwnd), 0);
  }
  return false;
}

LRESULT CALLBACK FormWindow::controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self) {
  auto* window = reinterpret_cast<FormWindow*>(self);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, controlProc, id);
  if (NativeControl* native = window->find(static_cast<int>(id))) {
    LRESULT result = 0;
    bool handled = false;
    guarded([&] { handled = window->handleControl(*native, message, wParam, lParam, result); });
    if (handled) return result;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

bool FormWindow::handleControl(NativeControl& native, UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT& result) {
  Control& model = *native.model;
  switch (message) {
    case WM_DROPFILES:
      dropFiles(native, reinterpret_cast<HDROP>(wParam));
      result = 0;
      return true;
    case WM_MOUSEMOVE:
      if (model.onMouseEnter || model.onMouseMove) {
        TRACKMOUSEEVENT leave{sizeof(TRACKMOUSEEVENT), TME_LEAVE, native.hwnd, 0};
        TrackMouseEvent(&leave);
        runEvent(skin_, [&] { form_.pointerMoved(model); });
      }
      return false;
    case WM_LBUTTONDBLCLK:
      // The list reports the double-click without its point: it is taken
      // here, from the click itself.
      if (native.model->kind() == ControlKind::ListBox ||
          native.model->kind() == ControlKind::DirList ||
          native.model->kind() == ControlKind::FileList)
        native.doubleClickOnRow = hitsRow(native.hwnd, lParam);
      return false;
    case WM_MOUSELEAVE:
      form_.pointerLeft(model);
      return false;
    case WM_GETDLGCODE:
      if (model.onKeyEnter && wParam == VK_RETURN) {
        result = DefSubclassProc(native.hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
        return true;
      }
      return false;
    case WM_CHAR:
      // Enter is the key event's; the character would only beep.
      return model.onKeyEnter && wParam == L'\r';
    case WM_KEYDOWN:
      if (model.onKeyEnter && wParam == VK_RETURN) {
        runEvent(skin_, [&] { fire(model.onKeyEnter); });
        result = 0;
        return true;
      }
      break;
    default:
      break;
  }
  if (isList(model) && (message == WM_VSCROLL || message == WM_MOUSEWHEEL ||
                        message == WM_KEYDOWN || message == WM_LBUTTONUP)) {
    result = DefSubclassProc(native.hwnd, message, wParam, lParam);
    scrolled(native);
    return true;
  }
  return false;
}

void FormWindow::dropFiles(NativeControl& native, HDROP drop) {
  std::vector<std::string> files;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT index = 0; index < count; ++index) {
    std::wstring file(DragQueryFileW(drop, index, nullptr, 0) + 1, L'\0');
    file.resize(DragQueryFileW(drop, index, file.data(), static_cast<UINT>(file.size())));
    files.push_back(utf8Text(file));
  }
  DragFinish(drop);
  Control& model = *native.model;
  if (model.onDrop && model.usable()) runEvent(skin_, [&] { model.onDrop(files); });
}

void FormWindow::scrolled(NativeControl& native) {
  auto& list = static_cast<ListBox&>(*native.model);
  const auto top = static_cast<int>(SendMessageW(native.hwnd, LB_GETTOPINDEX, 0, 0));
  if (top == list.topIndex()) return;
  native.top = top;
  runEvent(skin_, [&] {
    list.setTopIndex(top);
    fire(list.onScroll);
  });
}

void FormWindow::changeDpi(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  HFONT old = font_;
  font_ = messageFont(dpi_);
  for (NativeControl& native : controls_) {
    if (native.hwnd == nullptr) continue;
    SendMessageW(native.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    fontChanged(native, dpi_);
  }
  DeleteObject(old);
  skin_.mirrorAll();
}

HWND FormWindow::nativeOf(const Control& model) const {
  for (const NativeControl& native : controls_) {
    if (native.model == &model) return native.hwnd;
  }
  return nullptr;
}

NativeControl* FormWindow::find(HWND hwnd) {
  for (NativeControl& native : controls_) {
    if (native.hwnd == hwnd) return &native;
  }
  return nullptr;
}

NativeControl* FormWindow::find(int id) {
  const int index = id - kFirstId;
  if (index < 0 || index >= static_cast<int>(controls_.size())) return nullptr;
  return &controls_[static_cast<std::size_t>(index)];
}

}  // namespace mapsetdesk::ui::win32
