#pragma once
// One function per mapsetdesk-cli command. Each returns the exit code:
// 0 success, 1 failure, 2 usage error.
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace mapsetdesk::cli {

struct Context {
  PlatformOptions platform;
  std::vector<std::string> args;  // after the command name
  std::ostream& out;
  std::ostream& err;
};

int usageError(Context& context, const std::string& usage);

}  // namespace mapsetdesk::cli
