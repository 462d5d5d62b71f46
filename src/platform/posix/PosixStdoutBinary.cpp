#include "platform/StdoutBinary.h"

namespace mapsetdesk {

// POSIX writes standard output as it is given.
void setStdoutBinary() {}

}  // namespace mapsetdesk
