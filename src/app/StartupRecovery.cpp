#include "app/StartupRecovery.h"

#include <ctime>

#include "app/Settings.h"
#include "history/Retention.h"

namespace mapsetdesk {

Recovery recoverAndTrimJournal(Registry& registry, SystemFacts& facts) {
  const Journal journal(Journal::folderFor(facts));
  const Recovery recovery = recoverJournal(journal, registry);
  trimJournal(journal, Settings(registry).history(), std::time(nullptr));
  return recovery;
}

std::vector<std::string> recoveryLines(const HistoryTexts& texts, const Recovery& recovery) {
  std::vector<std::string> lines;
  for (const JournalHeader& header : recovery.rolledBack)
    lines.push_back(texts.recovered + header.action + ' ' + header.mapset);
  for (const JournalHeader& header : recovery.failed)
    lines.push_back(texts.recoveryFailed + header.action + ' ' + header.mapset);
  return lines;
}

std::string recoveryMessage(const HistoryTexts& texts, const Recovery& recovery) {
  std::string message;
  for (const std::string& line : recoveryLines(texts, recovery))
    message += (message.empty() ? "" : "\n") + line;
  return message;
}

}  // namespace mapsetdesk
