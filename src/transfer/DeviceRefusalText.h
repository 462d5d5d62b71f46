#pragma once
// What the user reads when a device image is refused.
#include <string>

#include "app/messages/SendToDeviceTexts.h"
#include "transfer/DeviceImagePlan.h"

namespace mapsetdesk {

std::string refusalText(const SendToDeviceTexts& texts, const DeviceRefusal& refusal);

}  // namespace mapsetdesk
