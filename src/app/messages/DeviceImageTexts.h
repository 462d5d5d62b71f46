#pragma once
// Texts of the device-image run beside the main window's catalogue.
#include <string>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

// German only: a family file whose name ends with "0000.img" has no FID.
inline constexpr char kNoFidNotice[] = "gmapsupp enthält keine FID !!";
// German only: the wait window's text while the run turns into a tile selection.
inline constexpr char kRestartNotice[] = "ZORVAN wird neu gestartet, einen Moment bitte..";

// The split folder is a link to another place; nothing was deleted.
std::string splitFolderIsLink(Sprache sprache);

}  // namespace mapsetdesk
