#include "builtin/BuiltinOperations.h"

#include "builtin/BuiltinGmt.h"
#include "builtin/OverviewCompiler.h"
#include "platform/Permissions.h"

namespace mapsetdesk::builtin {

BuiltinOperations BuiltinOperations::standard() {
  return {runGmt, compileOverview, takeRegistryKeyRights};
}

}  // namespace mapsetdesk::builtin
