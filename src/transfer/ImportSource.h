#pragma once
// What an import makes of the folder the user brought: a registered mapset's
// export (it holds the file `log`), a gmap package (its path ends in
// "gmap"), or neither; and where its copy lands.
#include <string>

namespace mapsetdesk {

enum class ImportKind { Registered, Package, Neither };

ImportKind importKind(const std::string& source);

// The folder itself, without a separator at its end.
std::string withoutEndSeparator(const std::string& folder);

// destination joined with the last part of the source's path: where a copy
// of source into destination lies.
std::string copiedFolder(const std::string& source, const std::string& destination);

// The shortcut to a package copied outside the map folders Garmin's programs
// search: mapsFolder + "Link_" + package name + ".lnk".
std::string packageShortcut(const std::string& mapsFolder, const std::string& packageName);

// Whether folder is outer itself or lies below it, links and "." or ".."
// resolved: a copy of outer into such a folder would copy into itself.
bool liesInside(const std::string& folder, const std::string& outer);

// Whether two paths name the same folder (a separator at the end aside).
bool sameFolder(const std::string& first, const std::string& second);

}  // namespace mapsetdesk
