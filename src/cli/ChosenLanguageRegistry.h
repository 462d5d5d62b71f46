#pragma once
// The registry as the commands see it: the Language setting reads as the
// command line's language, so that every window a command drives speaks it
// too, while the stored setting stays as the user left it.
#include <memory>

#include "cli/Commands.h"
#include "platform/Registry.h"

namespace mapsetdesk::cli {

std::unique_ptr<Registry> openRegistry(const Context& context);

}  // namespace mapsetdesk::cli
