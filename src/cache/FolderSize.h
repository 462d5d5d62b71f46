#pragma once
// How much a folder holds, in bytes and in the megabytes the program has
// always shown for its tile caches.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace mapsetdesk {

// The program's megabyte: 1048476 bytes, not 1048576.
inline constexpr std::uint64_t kCacheMegabyte = 1048476;

// Bytes in the files of a folder and every folder below it; none when the
// folder does not exist or a part of it cannot be read. Links to folders
// below it are not entered.
std::optional<std::uint64_t> folderBytes(const std::string& folder);

// What reads a folder's size: folderBytes, or in a test one that fails.
using MeasureFolder = std::function<std::optional<std::uint64_t>(const std::string& folder)>;

// Whole megabytes, rounded to the nearest and half to even, in 64 bits so
// that caches beyond 32767 MB show in full.
std::uint64_t cacheMegabytes(std::uint64_t bytes);

}  // namespace mapsetdesk
