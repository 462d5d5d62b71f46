#include "ui/forms/controls/FilePattern.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/Blanks.h"

namespace mapsetdesk::ui {
namespace {

// Characters as code points, so that "?" takes a whole UTF-8 sequence; a
// malformed byte counts as one character of its own.
std::vector<char32_t> characters(std::string_view text) {
  std::vector<char32_t> result;
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xF0) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = 3;
    } else if (lead >= 0xC0) {
      length = 2;
    }
    if (at + length > text.size()) length = 1;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t next = 1; next < length; ++next)
      code = (code << 6) | (static_cast<unsigned char>(text[at + next]) & 0x3F);
    result.push_back(code < 128 && code >= 'A' && code <= 'Z' ? code + ('a' - 'A') : code);
    at += length;
  }
  return result;
}

bool matchesOne(const std::vector<char32_t>& name, const std::vector<char32_t>& pattern) {
  std::size_t n = 0, p = 0;
  std::size_t starAt = std::string_view::npos, resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == U'*') {
      starAt = p++;
      resumeAt = n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == U'*') ++p;
  return p == pattern.size();
}

}  // namespace

bool matchesPattern(std::string_view fileName, std::string_view patterns) {
  const auto name = characters(fileName);
  while (true) {
    const auto separator = patterns.find(';');
    const auto pattern = trimBlanks(patterns.substr(0, separator));
    if (!pattern.empty() && matchesOne(name, characters(pattern))) return true;
    if (separator == std::string_view::npos) return false;
    patterns.remove_prefix(separator + 1);
  }
}

bool lessWithoutCase(std::string_view left, std::string_view right) {
  const auto a = characters(left);
  const auto b = characters(right);
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
}

}  // namespace mapsetdesk::ui
