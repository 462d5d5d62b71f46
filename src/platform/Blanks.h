#pragma once
// Blanks around a text: what the registry's blank-filled read buffer leaves,
// and what a person types around a number or a file pattern.
#include <string_view>

namespace mapsetdesk {

// The text without the blanks (spaces only) at its start and end.
inline std::string_view trimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace mapsetdesk
