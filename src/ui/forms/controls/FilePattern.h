#pragma once
// File name patterns as a file list takes them: several patterns separated by
// ";" (blanks around each ignored), "?" standing for exactly one character
// and "*" for any run of characters. Letters match without regard to case,
// as file names do on Windows.
#include <string_view>

namespace mapsetdesk::ui {

bool matchesPattern(std::string_view fileName, std::string_view patterns);

// Orders names as a file list shows them: without regard to case.
bool lessWithoutCase(std::string_view left, std::string_view right);

}  // namespace mapsetdesk::ui
