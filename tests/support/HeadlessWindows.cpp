#include "support/HeadlessWindows.h"

#include <gtest/gtest.h>

namespace mapsetdesk::testing {

void HeadlessWindows::whenModal(const std::string& formName,
                                std::function<void(ui::Form&)> step) {
  modalSteps_[formName].push_back(std::move(step));
}

void HeadlessWindows::formShown(ui::Form& form, ui::Modality modality) {
  if (modality == ui::Modality::Modeless) {
    log.push_back("shown " + form.name());
    return;
  }
  log.push_back("modal " + form.name());
  auto& steps = modalSteps_[form.name()];
  if (steps.empty()) {
    ADD_FAILURE() << "unexpected modal window " << form.name();
  } else {
    const auto step = std::move(steps.front());
    steps.pop_front();
    step(form);
    if (form.visible()) ADD_FAILURE() << "modal window " << form.name() << " still open after its step";
  }
  form.hide();
}

void HeadlessWindows::formHidden(ui::Form& form) { log.push_back("hidden " + form.name()); }

void HeadlessWindows::formUnloaded(ui::Form& form) { log.push_back("unloaded " + form.name()); }

void HeadlessWindows::pointerChanged(ui::Form& form) {
  pointers[form.name()].push_back(form.mousePointer());
}

}  // namespace mapsetdesk::testing
