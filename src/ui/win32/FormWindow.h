#pragma once
// The native window of one form: its controls, menu bar and tool tips, kept
// in line with the models, and the person's actions passed to the handlers.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "ui/forms/controls/Form.h"
#include "ui/win32/NativeControl.h"

namespace mapsetdesk::ui::win32 {

class Win32Skin;

class FormWindow {
 public:
  FormWindow(Win32Skin& skin, Form& form, HINSTANCE instance);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  Form& form() const { return form_; }
  HWND hwnd() const { return hwnd_; }
  HWND nativeOf(const Control& model) const;
  // Brings every native control, the menu and the title in line with the models.
  void mirror();
  void showPointer();
  // Shows the window, maximized the first time when it was left so.
  void show();
  // Makes owner the window's owner, so that it stays in front of it, and
  // centres it over owner on owner's monitor unless it opened where it was
  // left.
  void placeOver(HWND owner);

  static void registerClass(HINSTANCE instance);

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  // True when the message was taken; result then holds the answer.
  bool handleControl(NativeControl& native, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& result);
  void command(NativeControl& native, UINT code);
  bool takeFocus(NativeControl& native);
  void dropFiles(NativeControl& native, HDROP drop);
  void scrolled(NativeControl& native);
  void changeDpi(UINT dpi, const RECT& suggested);
  // The window's outer size for a client area at 96 dots per inch.
  SIZE frameFor(int clientWidth, int clientHeight) const;
  // A sizable window opens where it was left when that fits the screens;
  // either way the form learns where it opens.
  void restorePlacement();
  // Tells the form where its window stands now.
  void keepPlacement();
  // The client area has the new size, in pixels of the window's resolution.
  void sized(int clientWidth, int clientHeight);
  void createControls(HINSTANCE instance);
  void createMenu();
  void mirrorMenu();
  NativeControl* find(HWND hwnd);
  NativeControl* find(int id);

  Win32Skin& skin_;
  Form& form_;
  DWORD style_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  HMENU menu_ = nullptr;
  HFONT font_ = nullptr;
  UINT dpi_ = 96;
  bool restored_ = false;        // opened where a person left it
  bool maximizeOnShow_ = false;  // ... and it was maximized then
  std::wstring title_;
  bool closable_ = true;
  std::vector<NativeControl> controls_;
};

}  // namespace mapsetdesk::ui::win32
