#pragma once
// A finding as one line of text: severity, mapset name, FID and PID, what is
// wrong (with the file or key), and what the repair does; tab-separated.
#include <string>

#include "app/messages/CheckTexts.h"
#include "check/Finding.h"
#include "check/Repairs.h"

namespace mapsetdesk {

std::string findingLine(const Finding& finding, const CheckTexts& texts);
// The result of a repair followed by the finding's line, then where the
// backup went and, for a failed repair, what it stopped at and whether what
// it had changed was put back.
std::string repairLine(const Finding& finding, const RepairOutcome& outcome,
                       const CheckTexts& texts);
// The question before a registration is removed.
std::string removalQuestion(const Finding& finding, const CheckTexts& texts);

}  // namespace mapsetdesk
