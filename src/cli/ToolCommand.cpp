#include <memory>
#include <ostream>

#include "builtin/BuiltinGmt.h"
#include "builtin/OverviewCompiler.h"
#include "cli/CommandLine.h"

namespace mapsetdesk::cli {
namespace {

class PrintingReport : public builtin::ToolReport {
 public:
  explicit PrintingReport(std::ostream& out) : out_(out) {}
  void line(const std::string& text) override { out_ << text << '\n'; }

 private:
  std::ostream& out_;
};

int gmt(Context& context) {
  PrintingReport report(context.out);
  if (context.args.empty())
    return usageError(context, "tool gmt", context.texts().missingArgument + "ARGUMENTS");
  return builtin::runGmt(context.args, report) ? 0 : 1;
}

}  // namespace

// The gmt arguments are the outside program's own (-g, -o DIR ...), so they
// are taken as they stand.
void addTool(CommandLine& commandLine) {
  CLI::App& tool = commandLine.add("tool", {});
  tool.require_subcommand(1);
  commandLine.takeAsTheyStand(commandLine.addBelow(tool, "gmt", gmt));
  auto file = std::make_shared<std::string>();
  CLI::App& compile = commandLine.addBelow(tool, "compile", [file](Context& context) {
    PrintingReport report(context.out);
    return builtin::compileOverview(*file, report) ? 0 : 1;
  });
  commandLine.argument(compile, "FILE", *file)->required();
}

}  // namespace mapsetdesk::cli
