#include "builtin/BuiltinLauncher.h"

#include <algorithm>

#include "builtin/JavaRuntime.h"
#include "builtin/SetAclArguments.h"
#include "platform/CommandLine.h"
#include "platform/FilePath.h"

namespace mapsetdesk::builtin {
namespace {

// The report as an outside program's output: Windows line ends, as the
// tool window shows them.
class CollectingReport : public ToolReport {
 public:
  explicit CollectingReport(const std::function<void()>& letEventsRun)
      : letEventsRun_(letEventsRun) {}
  void line(const std::string& text) override { output += text + "\r\n"; }
  void letEventsRun() override { letEventsRun_(); }

  std::string output;

 private:
  const std::function<void()>& letEventsRun_;
};

// A built-in has already ended when its run is handed over: the whole report
// waits in the pipe.
class FinishedChild : public CapturedChild {
 public:
  explicit FinishedChild(std::string output) : output_(std::move(output)) {}
  std::size_t bytesWaiting() override { return output_.size() - taken_; }
  std::optional<std::string> read(std::size_t count) override {
    const std::size_t n = std::min(count, bytesWaiting());
    std::string chunk = output_.substr(taken_, n);
    taken_ += n;
    return chunk;
  }
  bool ended() override { return true; }
  void waitQuiet(std::chrono::milliseconds) override {}

 private:
  std::string output_;
  std::size_t taken_ = 0;
};

bool grantRights(const BuiltinOperations& operations, const std::vector<std::string>& arguments,
                 ToolReport& report) {
  const auto request = parseSetAclArguments(arguments);
  if (!request) {
    report.line("cannot read the rights to set from the command line");
    return false;
  }
  const std::string key = "HKLM\\" + request->keyPath;
  if (!operations.registryRights(request->keyPath, request->user)) {
    report.line("cannot give " + request->user + " the rights on " + key);
    return false;
  }
  report.line(request->user + " owns " + key + " with full control");
  return true;
}

}  // namespace

BuiltinLauncher::BuiltinLauncher(ProcessLauncher& outside, ToolSelection selection,
                                 BuiltinOperations operations, std::function<void()> letEventsRun)
    : outside_(outside),
      selection_(std::move(selection)),
      operations_(std::move(operations)),
      letEventsRun_(std::move(letEventsRun)) {}

std::optional<ProgramCall> BuiltinLauncher::builtinCall(const std::string& commandLine) {
  // A built-in program is not on disk, so an unquoted program path with
  // blanks is found by its name, as process creation finds a real one.
  ProgramCall call = parseProgramCall(commandLine, [this](const std::string& path) {
    return isFile(path) || selection_.builtinRuns(path);
  });
  lastRunBuiltin_ = selection_.builtinRuns(call.program);
  if (!lastRunBuiltin_) return std::nullopt;
  return call;
}

std::optional<std::string> BuiltinLauncher::runBuiltin(const std::string& commandLine) {
  const auto call = builtinCall(commandLine);
  if (!call) return std::nullopt;
  return runTool(outsideToolNamed(call->program), call->arguments);
}

std::string BuiltinLauncher::runTool(OutsideTool tool, const std::vector<std::string>& arguments) {
  CollectingReport report(letEventsRun_);
  switch (tool) {
    case OutsideTool::Gmt:
      operations_.gmt(arguments, report);
      break;
    case OutsideTool::Cgpsmapper:
      if (arguments.size() == 1)
        operations_.compile(arguments.front(), report);
      else
        report.line("one overview source expected, " + std::to_string(arguments.size()) +
                    " given");
      break;
    case OutsideTool::SetAcl:
      grantRights(operations_, arguments, report);
      break;
    case OutsideTool::Sendg:
    case OutsideTool::Java:
    case OutsideTool::Mkgmap:
    case OutsideTool::None:
      report.line("nothing to run");
      break;
  }
  return report.output;
}

CapturedStart BuiltinLauncher::startCaptured(const std::string& commandLine,
                                             const std::function<void()>& pipeReady) {
  const auto call = builtinCall(commandLine);
  if (!call) return outside_.startCaptured(forOutside(commandLine), pipeReady);
  pipeReady();
  return {CaptureFailure::None, std::make_unique<FinishedChild>(
                                    runTool(outsideToolNamed(call->program), call->arguments))};
}

bool BuiltinLauncher::runAndWait(const std::string& commandLine, WindowStyle style) {
  return runBuiltin(commandLine) || outside_.runAndWait(forOutside(commandLine), style);
}

bool BuiltinLauncher::startDetached(const std::string& commandLine, WindowStyle style) {
  return runBuiltin(commandLine) || outside_.startDetached(commandLine, style);
}

std::string BuiltinLauncher::forOutside(const std::string& commandLine) const {
  return selection_.outsideOnly() ? commandLine : withJavaAndMkgmapFound(commandLine);
}

std::string BuiltinLauncher::outputText(std::string_view bytes) {
  // A built-in reports in the program's own text already.
  return lastRunBuiltin_ ? std::string(bytes) : outside_.outputText(bytes);
}

}  // namespace mapsetdesk::builtin
