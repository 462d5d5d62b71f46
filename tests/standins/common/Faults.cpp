#include "common/Faults.h"

#include <cstdio>
#include <cstdlib>

namespace mapsetdesk::standin {

Faults::Faults(const char* variable) {
  if (const char* value = std::getenv(variable)) fault_ = value;
}

void say(const std::string& line) { std::printf("%s\n", line.c_str()); }

}  // namespace mapsetdesk::standin
