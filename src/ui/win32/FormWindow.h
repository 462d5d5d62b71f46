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
  // Brings every native control, the menu and the title in line with the models.
  void mirror();
  void showPointer();
  // Makes owner the window's owner, so that it stays in front of it, and
  // centres it over owner on owner's monitor.
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
  void createControls(HINSTANCE instance);
  void createMenu();
  void mirrorMenu();
  NativeControl* find(HWND hwnd);
  NativeControl* find(int id);

  Win32Skin& skin_;
  Form& form_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  HMENU menu_ = nullptr;
  HFONT font_ = nullptr;
  UINT dpi_ = 96;
  std::wstring title_;
  std::vector<NativeControl> controls_;
};

}  // namespace mapsetdesk::ui::win32
