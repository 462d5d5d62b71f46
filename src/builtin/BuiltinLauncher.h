#pragma once
// The seam between the flows and the outside programs. The flows build the
// outside programs' command lines and run them through the runner as ever;
// this launcher, put under the runner where the program is wired together,
// decides per command line whether the outside program runs or the built-in
// does its work with the arguments parsed from that same line. A built-in's
// report arrives as the program's output would, and it leaves the same files.
#include <functional>
#include <string>

#include "builtin/BuiltinOperations.h"
#include "builtin/ToolSelection.h"
#include "platform/CommandLine.h"
#include "platform/ProcessLauncher.h"

namespace mapsetdesk::builtin {

class BuiltinLauncher : public ProcessLauncher {
 public:
  BuiltinLauncher(ProcessLauncher& outside, ToolSelection selection, BuiltinOperations operations,
                  std::function<void()> letEventsRun = [] {});

  CapturedStart startCaptured(const std::string& commandLine,
                              const std::function<void()>& pipeReady) override;
  bool runAndWait(const std::string& commandLine, WindowStyle style) override;
  bool startDetached(const std::string& commandLine, WindowStyle style) override;
  std::string outputText(std::string_view bytes) override;
  bool hasProgram(const std::string& path) override { return selection_.canWork(path); }

  // Runs the built-in for the command line when the selection says so:
  // nullopt when the outside program is to run; else the report.
  std::optional<std::string> runBuiltin(const std::string& commandLine);

 private:
  // The program and arguments when the built-in does the line's work.
  std::optional<ProgramCall> builtinCall(const std::string& commandLine);
  // The fall-back compile finds Java and mkgmap.jar where they are, unless
  // only the outside programs may run.
  std::string forOutside(const std::string& commandLine) const;
  std::string runTool(OutsideTool tool, const std::vector<std::string>& arguments);

  ProcessLauncher& outside_;
  ToolSelection selection_;
  BuiltinOperations operations_;
  std::function<void()> letEventsRun_;
  bool lastRunBuiltin_ = false;
};

}  // namespace mapsetdesk::builtin
