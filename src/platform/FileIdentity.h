#pragma once
// Which file a path leads to, as the file system knows it (device and file
// number): two paths with the same identity are one file, whatever links,
// case or spelling lie between. Lets a check of many paths find the ones that
// meet by sorting instead of comparing every pair.
#include <cstdint>
#include <optional>
#include <string>

namespace mapsetdesk {

struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t number = 0;
  auto operator<=>(const FileIdentity&) const = default;
};

// nullopt when nothing can be opened there.
std::optional<FileIdentity> fileIdentity(const std::string& utf8Path);

}  // namespace mapsetdesk
