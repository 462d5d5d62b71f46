#pragma once
// The texts of the captured run. They exist in English only, whatever the
// language: the failure messages, the progress texts of the device-image run,
// and the line gmt.exe 0.6.1.2994 prints first, which the tool window drops.
#include <string_view>

namespace mapsetdesk {

inline constexpr std::string_view kCreatePipeFailed = "CreatePipe failed Error!";
inline constexpr std::string_view kProcessNotStarted = "Error while starting process!";
inline constexpr std::string_view kReadFileFailed = "ReadFile failed!";

// Shown while gmt.exe searches a device image for families (-G) and while it
// splits it (-S).
inline constexpr std::string_view kGmtFamilySearchText =
    "search for included FID's in gmapsupp.img, it may take a few minutes..";
inline constexpr std::string_view kGmtSplittingText =
    "found some FID..splitting gmapsupp.img, it may take a few minutes. bee patient...";
inline constexpr std::string_view kGmtFamilySearch = "gmt.exe -G";
inline constexpr std::string_view kGmtSplitting = "gmt.exe -S";

// gmt.exe's name, version and author line.
inline constexpr std::string_view kGmtBanner = "GMT 0.6.1.2994 - map tool for Garmin IMG files";

}  // namespace mapsetdesk
