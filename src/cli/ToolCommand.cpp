#include <ostream>

#include "builtin/BuiltinGmt.h"
#include "builtin/OverviewCompiler.h"
#include "cli/Commands.h"

namespace mapsetdesk::cli {
namespace {

class PrintingReport : public builtin::ToolReport {
 public:
  explicit PrintingReport(std::ostream& out) : out_(out) {}
  void line(const std::string& text) override { out_ << text << '\n'; }

 private:
  std::ostream& out_;
};

}  // namespace

int tool(Context& context) {
  constexpr const char* kUsage = "tool gmt ARGUMENTS... | tool compile FILE.mp";
  if (context.args.empty()) return usageError(context, kUsage);
  const std::string& which = context.args[0];
  const std::vector<std::string> arguments(context.args.begin() + 1, context.args.end());
  PrintingReport report(context.out);
  if (which == "gmt" && !arguments.empty()) return builtin::runGmt(arguments, report) ? 0 : 1;
  if (which == "compile" && arguments.size() == 1)
    return builtin::compileOverview(arguments[0], report) ? 0 : 1;
  return usageError(context, kUsage);
}

}  // namespace mapsetdesk::cli
