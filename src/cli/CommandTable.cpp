// The commands of mapsetdesk-cli in the order the help lists them. A new
// command is a file with its add function and one line here; its texts go
// into app/messages/CliTexts.cpp.
#include "cli/CommandLine.h"

namespace mapsetdesk::cli {
namespace {

using AddCommand = void (*)(CommandLine&);

constexpr AddCommand kCommands[] = {
    addInstall, addRegister,  addList,       addRename,     addTyp,       addSetFid,
    addDrawPriority, addLatitude, addRemove, addHistory,    addUndo,      addExport,
    addImport,  addConvert,   addDeviceImage, addCheck,
    addFreeFid, addDuplicates, addInfo,      addCache,      addCacheClear, addTools,
    addTool,    addSetWow64,  addPaths,      addReg,        addHelp,
};

}  // namespace

void addCommands(CommandLine& commandLine) {
  for (const AddCommand add : kCommands) add(commandLine);
}

}  // namespace mapsetdesk::cli
