#include "platform/StdoutBinary.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

namespace mapsetdesk {

void setStdoutBinary() {
#ifdef _WIN32
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
}

}  // namespace mapsetdesk
