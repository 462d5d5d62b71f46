#pragma once
// The product's own web addresses: the menu "Website", the help page that
// "Hilfe ?" opens when FAQ.html is missing, the support address, and the texts
// that point there.
#include <string_view>

namespace mapsetdesk {

inline constexpr std::string_view kProductWebsite = "https://www.mapsetdesk.org";
inline constexpr std::string_view kProductHelpPage = "https://www.mapsetdesk.org/help.html";
// Where an unknown TDB format is to be sent.
inline constexpr std::string_view kSupportAddress = "support@mapsetdesk.org";

}  // namespace mapsetdesk
