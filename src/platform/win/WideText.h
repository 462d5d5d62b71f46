#pragma once
// The wide-character Windows calls take UTF-16; the program's text is UTF-8.
// Text crosses between the two here and nowhere else.
#include <string>
#include <string_view>

namespace mapsetdesk {

std::wstring wideText(std::string_view utf8);
std::string utf8Text(std::wstring_view wide);

}  // namespace mapsetdesk
