#pragma once
// Rewrites a file whose content changes length without a moment in which it
// is missing: the new content goes to a temporary file beside it, which is
// then renamed over the old one. The data are on the disk before the rename,
// and the new file keeps the old one's attributes. A failure leaves the old
// file whole.
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace mapsetdesk {

// What the temporary file's name adds to the target's; a run that was killed
// leaves such a file behind.
inline constexpr std::string_view kReplacementSuffix = ".mapsetdesk-new";

// False when the temporary file cannot be written or not renamed over path;
// a temporary file this call made is removed again then.
bool replaceFile(const std::string& path, std::string_view content);

// The same for content written piece by piece: write puts it into the
// stream of the temporary file and says whether it could; only a complete
// file is renamed over path.
bool replaceFileWith(const std::string& path, const std::function<bool(std::ostream&)>& write);

}  // namespace mapsetdesk
