#pragma once
// What every FID and PID entry says about an ID it cannot take: the same
// fault gets the same words wherever the ID is typed.
#include <string>

#include "app/messages/CatalogueTexts.h"
#include "catalogue/IdNumber.h"

namespace mapsetdesk {

enum class IdKind { Fid, Pid };

// The text for a fault other than IdFault::None; a FID that is no number
// gets the catalogue's Fehler19.
std::string idFaultText(Sprache sprache, IdKind kind, IdFault fault);

}  // namespace mapsetdesk
