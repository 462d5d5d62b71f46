#pragma once
// The names the program shows for itself: the title of its message boxes and
// the main window's title, which carries the build.
#include <string_view>

namespace mapsetdesk {

inline constexpr std::string_view kMessageTitle = "ZORVAN";
inline constexpr std::string_view kTitleWithBuild = "ZORVAN Build 80-33-1";
// The title of the device-image run's failure messages.
inline constexpr std::string_view kTitleWithVersion = "ZORVAN Version 80-33-1";

}  // namespace mapsetdesk
