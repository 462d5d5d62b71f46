#pragma once
// The commands of mapsetdesk-cli. Each add function declares one command's
// options on the command line (CommandLine.h); the command returns the exit
// code: 0 success, 1 refused or failed, 2 usage error.
#include <iosfwd>
#include <string>
#include <vector>

#include "app/messages/CliTexts.h"
#include "platform/Platform.h"

namespace mapsetdesk::cli {

struct Context {
  PlatformOptions platform;
  // Where the outside programs lie: the executable's folder unless
  // --program-folder names another.
  std::string programFolder;
  std::vector<std::string> args;  // after the name of a command that parses none
  std::ostream& out;  // data
  std::ostream& err;  // messages
  Sprache sprache = Sprache::English;

  const CliTexts& texts() const { return cliTexts(sprache); }
};

class CommandLine;

// A usage error found by the command itself: the problem, then where the
// help is. Returns 2.
int usageError(Context& context, const std::string& command, const std::string& problem);

// Each adds one command to the command line; CommandTable.cpp lists them.
// The help of each, in both languages, is in app/messages/CliTexts.cpp.
void addPaths(CommandLine& commandLine);
void addReg(CommandLine& commandLine);
void addInfo(CommandLine& commandLine);
void addList(CommandLine& commandLine);
void addFreeFid(CommandLine& commandLine);
void addDuplicates(CommandLine& commandLine);
void addCheck(CommandLine& commandLine);
void addSetWow64(CommandLine& commandLine);
void addTools(CommandLine& commandLine);
void addTool(CommandLine& commandLine);
void addCache(CommandLine& commandLine);
void addCacheClear(CommandLine& commandLine);
void addInstall(CommandLine& commandLine);
void addRegister(CommandLine& commandLine);
void addLatitude(CommandLine& commandLine);
void addRename(CommandLine& commandLine);
void addTyp(CommandLine& commandLine);
void addSetFid(CommandLine& commandLine);
void addDrawPriority(CommandLine& commandLine);
void addExport(CommandLine& commandLine);
void addImport(CommandLine& commandLine);
void addConvert(CommandLine& commandLine);
void addHelp(CommandLine& commandLine);
void addHistory(CommandLine& commandLine);
void addUndo(CommandLine& commandLine);
void addRemove(CommandLine& commandLine);
void addDeviceImage(CommandLine& commandLine);

// Rolls back what an interrupted run left unfinished and says so on the
// error stream; run before every command.
int recoverAtStart(Context& context);

}  // namespace mapsetdesk::cli
