#pragma once
// A person's hands on a form without a screen. Each action first checks that
// a person could take it (the window shows, the control shows and is
// enabled); when not, the test fails and nothing happens. Focus moves as on
// the screen: the control that loses it validates first and may keep it.
#include <string>
#include <vector>

#include "ui/forms/controls/Control.h"
#include "ui/forms/controls/DirList.h"
#include "ui/forms/controls/DriveList.h"
#include "ui/forms/controls/ListBox.h"
#include "ui/forms/controls/TextBox.h"

namespace mapsetdesk::testing {

// Buttons, labels, check boxes (which toggle), option buttons, menu entries.
bool click(ui::Control& control);
// Chooses the row; a folder list only highlights it.
bool click(ui::ListBox& list, int row);
// Chooses the row, then double-clicks it; a folder list opens the folder.
bool dblClick(ui::ListBox& list, int row);
// A double-click on the list where it shows no row (an empty list): no row
// is chosen when its handler runs.
bool dblClickNoRow(ui::ListBox& list);
// Gives the field the focus and replaces its text, which raises Change.
bool type(ui::TextBox& field, const std::string& text);
bool focus(ui::Control& control);
// Takes the focus away from the control: Validate, then LostFocus. False when
// the control refused and kept the focus.
bool leave(ui::Control& control);
bool keyEnter(ui::Control& control);
// One move of the pointer over the control; the first after the pointer came
// from elsewhere enters it (MouseEnter), every one moves (MouseMove).
bool mouseMove(ui::Control& control);
// The pointer leaves the control; the next move over it enters it again.
void mouseLeave(ui::Control& control);
bool drop(ui::Control& control, const std::vector<std::string>& files);
// Goes to a folder as the person would by opening folder after folder.
bool choose(ui::DirList& folders, const std::string& folder);
bool choose(ui::DriveList& drives, const std::string& drive);
bool scroll(ui::ListBox& list, int topRow);

}  // namespace mapsetdesk::testing
