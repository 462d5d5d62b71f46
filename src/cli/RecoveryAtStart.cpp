// Before any command: what an interrupted run left unfinished is rolled back,
// and each such action is named once on the error stream.
#include <ostream>

#include "app/StartupRecovery.h"
#include "cli/Commands.h"
#include "platform/FilePath.h"

namespace mapsetdesk::cli {

int recoverAtStart(Context& context) {
  // A first run finds no journal, and must make nothing for looking.
  const std::string root = dataRootFor(context.platform);
  if (!root.empty() && !isFolder(root)) return 0;
  const auto registry = openSystemRegistry(context.platform);
  const auto facts = openSystemFacts(context.platform);
  const Recovery recovery = recoverAndTrimJournal(*registry, *facts);
  if (recovery.rolledBack.empty() && recovery.failed.empty()) return 0;
  const HistoryTexts texts = historyTexts(context.sprache);
  for (const std::string& line : recoveryLines(texts, recovery)) context.err << line << '\n';
  return 0;
}

}  // namespace mapsetdesk::cli
