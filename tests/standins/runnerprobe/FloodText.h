#pragma once
// The runner probe's flood, which the tests rebuild to compare: numbered
// lines of 16 bytes ("000000000000042\n"), the last one cut to the length.
#include <cstdio>
#include <string>

namespace mapsetdesk {

inline std::string floodText(std::size_t bytes) {
  std::string text;
  text.reserve(bytes + 16);
  char line[32];
  for (unsigned long number = 0; text.size() < bytes; ++number) {
    std::snprintf(line, sizeof line, "%015lu\n", number);
    text += line;
  }
  text.resize(bytes);
  return text;
}

}  // namespace mapsetdesk
