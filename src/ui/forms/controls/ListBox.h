#pragma once
// A list of text rows, one row chosen or, in a multi-select list, any number.
// Choosing a row from code raises Click just as a person's click does.
#include <string>
#include <vector>

#include "ui/forms/controls/Control.h"

namespace mapsetdesk::ui {

class ListBox : public Control {
 public:
  ListBox(Form& form, std::string name, bool multiSelect = false)
      : Control(form, std::move(name), ControlKind::ListBox), multiSelect_(multiSelect) {}

  bool multiSelect() const { return multiSelect_; }
  const std::vector<std::string>& items() const { return items_; }
  int count() const { return static_cast<int>(items_.size()); }
  // The row's text; empty for a row that does not exist.
  std::string item(int row) const;

  void addItem(std::string text);
  void removeItem(int row);  // a row that does not exist changes nothing
  void clear();
  void setItems(std::vector<std::string> items);

  // The current row, -1 for none. Setting it selects that row alone (in a
  // multi-select list too) and raises Click; -1 clears the selection.
  int listIndex() const { return listIndex_; }
  void setListIndex(int row);
  bool selected(int row) const;
  // Multi-select lists: adds or removes one row, no event.
  void setSelected(int row, bool on);
  std::vector<int> selectedRows() const;

  // The first row in view; rows below it stay where they are.
  int topIndex() const { return topIndex_; }
  void setTopIndex(int row);

  // Where the columns of a row start, pixels from the left; a tab in a row
  // steps to the next of them, and a list that has them scrolls sideways.
  std::vector<int> tabStops;

  // The person scrolled the list; topIndex() is the new first row in view.
  Handler onScroll;

 protected:
  // The folder, file and drive lists are lists with rows of their own making.
  ListBox(Form& form, std::string name, ControlKind kind)
      : Control(form, std::move(name), kind), multiSelect_(false) {}

 private:
  bool validRow(int row) const { return row >= 0 && row < count(); }

  std::vector<std::string> items_;
  std::vector<bool> selected_;
  int listIndex_ = -1;
  int topIndex_ = 0;
  bool multiSelect_;
};

}  // namespace mapsetdesk::ui
