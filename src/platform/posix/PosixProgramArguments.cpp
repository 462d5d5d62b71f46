#include "platform/ProgramArguments.h"

namespace mapsetdesk {

std::vector<std::string> programArguments(int argc, char** argv) {
  return argc < 1 ? std::vector<std::string>{} : std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace mapsetdesk
