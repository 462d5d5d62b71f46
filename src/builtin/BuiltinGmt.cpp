#include "builtin/BuiltinGmt.h"

#include "builtin/GmtArguments.h"
#include "builtin/JoinTiles.h"
#include "builtin/SplitFamilies.h"
#include "builtin/SplitFamilyImage.h"
#include "builtin/UnpackImage.h"

namespace mapsetdesk::builtin {

bool runGmt(const std::vector<std::string>& arguments, ToolReport& report) {
  const auto command = parseGmtArguments(arguments);
  if (!command) {
    report.line(kGmtUsage);
    return false;
  }
  switch (command->operation) {
    case GmtOperation::JoinTiles: return joinTiles(*command, report);
    case GmtOperation::Unpack: return unpackImage(*command, report);
    case GmtOperation::SplitFamilies: return splitFamilies(*command, report);
    case GmtOperation::SplitFamilyImage: return splitFamilyImage(*command, report);
  }
  return false;
}

}  // namespace mapsetdesk::builtin
