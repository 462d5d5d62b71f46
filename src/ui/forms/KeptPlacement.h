#pragma once
// A sizable window opens where a person left it in the last run: its
// placement lives in a setting of its own between runs.
#include <string_view>

#include "platform/Registry.h"
#include "ui/forms/controls/Form.h"

namespace mapsetdesk::ui {

// value: the window's placement value of the settings. A damaged value
// leaves the window where the skin would open it anyway.
void readPlacement(Form& form, Registry& registry, std::string_view value);
// Nothing is stored while the window has no placement.
void storePlacement(const Form& form, Registry& registry, std::string_view value);

}  // namespace mapsetdesk::ui
