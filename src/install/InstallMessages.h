#pragma once
// The titles the installation's messages carry, and its few texts that are
// not catalogue messages.
#include <string>
#include <string_view>

namespace mapsetdesk {

// Refusals of the tile selection and the name check carry this title.
inline constexpr std::string_view kSelectionTitle = "QUIRANEL";
// The missing compiler.
inline constexpr std::string_view kVersionTitle = "ZORVAN Version80-33-1";
// The folder browser of the tile selection and of the TYP picker.
inline constexpr std::string_view kChooseFolderTitle = "Ordner auswaehlen";

// The overview could not be unpacked into the package: its IMG and source
// stay in the tile folder.
std::string overviewKeptText(bool german, const std::string& overview);

}  // namespace mapsetdesk
