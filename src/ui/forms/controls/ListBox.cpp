#include "ui/forms/controls/ListBox.h"

#include <algorithm>

namespace mapsetdesk::ui {

std::string ListBox::item(int row) const { return validRow(row) ? items_[row] : std::string(); }

void ListBox::addItem(std::string text) {
  items_.push_back(std::move(text));
  selected_.push_back(false);
}

void ListBox::removeItem(int row) {
  if (!validRow(row)) return;
  items_.erase(items_.begin() + row);
  selected_.erase(selected_.begin() + row);
  if (listIndex_ == row) {
    listIndex_ = -1;
  } else if (listIndex_ > row) {
    --listIndex_;
  }
  topIndex_ = std::clamp(topIndex_, 0, std::max(0, count() - 1));
}

void ListBox::clear() { setItems({}); }

void ListBox::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  selected_.assign(items_.size(), false);
  listIndex_ = -1;
  topIndex_ = 0;
}

void ListBox::setListIndex(int row) {
  if (!validRow(row)) row = -1;
  std::fill(selected_.begin(), selected_.end(), false);
  if (row >= 0) selected_[row] = true;
  listIndex_ = row;
  if (row >= 0) fire(onClick);
}

bool ListBox::selected(int row) const { return validRow(row) && selected_[row]; }

void ListBox::setSelected(int row, bool on) {
  if (!validRow(row)) return;
  if (!multiSelect_) {
    if (on) {
      std::fill(selected_.begin(), selected_.end(), false);
      listIndex_ = row;
    } else if (listIndex_ == row) {
      listIndex_ = -1;
    }
  }
  selected_[row] = on;
}

std::vector<int> ListBox::selectedRows() const {
  std::vector<int> rows;
  for (int row = 0; row < count(); ++row) {
    if (selected_[row]) rows.push_back(row);
  }
  return rows;
}

void ListBox::setTopIndex(int row) { topIndex_ = std::clamp(row, 0, std::max(0, count() - 1)); }

}  // namespace mapsetdesk::ui
