#pragma once
// The launcher the program runs its outside programs through: the system's,
// with the built-in tools in front of it as the user's "Tools" setting says.
#include <functional>
#include <memory>

#include "builtin/BuiltinLauncher.h"
#include "platform/Registry.h"

namespace mapsetdesk {

std::unique_ptr<builtin::BuiltinLauncher> openToolLauncher(ProcessLauncher& system,
                                                           Registry& registry,
                                                           std::function<void()> letEventsRun);

}  // namespace mapsetdesk
