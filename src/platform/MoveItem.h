#pragma once
// Moving a file or a folder with everything in it: a rename where the system
// can, a copy followed by the deletion of the original only across volumes.
#include <filesystem>
#include <system_error>

namespace mapsetdesk {

// Whether a file, folder or link is at the path; a link is not followed.
bool somethingAt(const std::filesystem::path& path);

// The original stays whole until the copy is; a failed copy is taken away.
std::error_code moveItem(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace mapsetdesk
