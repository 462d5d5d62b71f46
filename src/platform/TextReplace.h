#pragma once
// Replacing every occurrence of a text inside bytes or text, left to right,
// never inside what a replacement put in.
#include <string>
#include <string_view>

namespace mapsetdesk {

// An empty `from` changes nothing.
inline std::string replacedEverywhere(std::string_view text, std::string_view from,
                                      std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t found = text.find(from); found != std::string_view::npos;
       found = text.find(from, start)) {
    result.append(text.substr(start, found - start)).append(to);
    start = found + from.size();
  }
  return result.append(text.substr(start));
}

}  // namespace mapsetdesk
