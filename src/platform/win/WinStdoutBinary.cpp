#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "platform/StdoutBinary.h"

namespace mapsetdesk {

void setStdoutBinary() {
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
}

}  // namespace mapsetdesk
