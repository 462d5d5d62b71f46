#pragma once
// The caption of any control that has one, for code that treats controls by
// name: the language's captions, the skin, the tests.
#include <optional>
#include <string>

#include "ui/forms/controls/Control.h"

namespace mapsetdesk::ui {

// None for a control without a caption (lists, text boxes, progress bars).
std::optional<std::string> captionOf(const Control& control);
// False, changing nothing, for a control without a caption.
bool setCaption(Control& control, std::string caption);

}  // namespace mapsetdesk::ui
