#include "ui/win32/Win32Skin.h"

namespace mapsetdesk::ui::win32 {

Win32Skin::Win32Skin(HINSTANCE instance) : instance_(instance) {
  FormWindow::registerClass(instance);
}

Win32Skin::~Win32Skin() = default;

int Win32Skin::run(Form& main) {
  main.show();
  while (main.loaded() && !ending_ && pump(true)) {
  }
  // The windows go before the forms they show.
  windows_.clear();
  retired_.clear();
  return 0;
}

void Win32Skin::formShown(Form& form, Modality modality) {
  // The first window shown is the main window.
  if (!main_) main_ = &form;
  const bool opening = windows_.find(&form) == windows_.end();
  FormWindow& window = windowOf(form);
  // A secondary window opens over the main window, never over its title bar
  // at the corner of the screen, and stays in front of it.
  if (opening && main_ && &form != main_) {
    if (const auto owner = windows_.find(main_); owner != windows_.end())
      window.placeOver(owner->second->hwnd());
  }
  mirrorAll();
  window.show();
  SetForegroundWindow(window.hwnd());
  if (modality == Modality::Modeless) return;
  // The other windows wait until the modal one is done.
  std::vector<HWND> waiting;
  for (auto& [other, otherWindow] : windows_) {
    if (other != &form && IsWindowEnabled(otherWindow->hwnd())) {
      EnableWindow(otherWindow->hwnd(), FALSE);
      waiting.push_back(otherWindow->hwnd());
    }
  }
  while (form.visible() && !ending_ && pump(true)) {
  }
  for (HWND other : waiting) EnableWindow(other, TRUE);
}

void Win32Skin::formHidden(Form& form) {
  if (const auto found = windows_.find(&form); found != windows_.end())
    ShowWindow(found->second->hwnd(), SW_HIDE);
}

void Win32Skin::formUnloaded(Form& form) {
  const auto found = windows_.find(&form);
  if (found == windows_.end()) return;
  // The window may be the one whose message is being handled: it goes when
  // the loop next takes a message.
  ShowWindow(found->second->hwnd(), SW_HIDE);
  retired_.push_back(std::move(found->second));
  windows_.erase(found);
}

void Win32Skin::pointerChanged(Form& form) {
  if (const auto found = windows_.find(&form); found != windows_.end())
    found->second->showPointer();
}

void Win32Skin::letEventsRun() {
  mirrorAll();
  while (!ending_ && pump(false)) {
  }
}

void Win32Skin::endProgram() {
  ending_ = true;
  PostQuitMessage(0);
}

void Win32Skin::mirrorAll() {
  mirroring_ = true;
  for (auto& [form, window] : windows_) window->mirror();
  mirroring_ = false;
}

void Win32Skin::mirror(FormWindow& window) {
  const bool before = mirroring_;
  mirroring_ = true;
  window.mirror();
  mirroring_ = before;
}

HWND Win32Skin::nativeOf(const Control& control) const {
  const auto found = windows_.find(&control.form());
  return found == windows_.end() ? nullptr : found->second->nativeOf(control);
}

FormWindow& Win32Skin::windowOf(Form& form) {
  auto& window = windows_[&form];
  if (!window) window = std::make_unique<FormWindow>(*this, form, instance_);
  return *window;
}

bool Win32Skin::pump(bool wait) {
  dropRetired();
  MSG message;
  if (wait) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
      ending_ = true;
      return false;
    }
  } else if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    return false;
  } else if (message.message == WM_QUIT) {
    ending_ = true;
    return false;
  }
  const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root == nullptr || !IsDialogMessageW(root, &message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

void Win32Skin::dropRetired() {
  if (handlers_ == 0) retired_.clear();
}

}  // namespace mapsetdesk::ui::win32
