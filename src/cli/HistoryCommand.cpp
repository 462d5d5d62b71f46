// history: the change journal, newest entry first, one tab-separated line
// each: id, time (ISO 8601, UTC), action, mapset, state; or with --json one
// object each, its state a fixed word for scripts. Clearing a tile cache
// deletes on purpose and is not in it.
#include <memory>
#include <ostream>

#include "app/HistoryWording.h"
#include "app/messages/HistoryTexts.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/JsonOutput.h"
#include "history/Journal.h"

namespace mapsetdesk::cli {
namespace {

const char* stateWord(JournalState state) {
  switch (state) {
    case JournalState::Complete: return "complete";
    case JournalState::Incomplete: return "incomplete";
    case JournalState::RolledBack: return "rolledBack";
    case JournalState::Undone: return "undone";
  }
  return "";
}

int history(Context& context, bool json) {
  const auto facts = openSystemFacts(context.platform);
  const HistoryTexts texts = historyTexts(context.sprache);
  const auto entries = Journal(Journal::folderFor(*facts)).entries();
  nlohmann::json listed = nlohmann::json::array();
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    const JournalHeader& header = entry->manifest.header;
    if (json)
      listed.push_back({{"id", entry->id},
                        {"time", header.time},
                        {"action", header.action},
                        {"mapset", header.mapset},
                        {"state", stateWord(entry->state)}});
    else
      context.out << entry->id << '\t' << header.time << '\t' << header.action << '\t'
                  << header.mapset << '\t' << stateText(texts, entry->state) << '\n';
  }
  if (json) printJson(context.out, listed);
  return 0;
}

}  // namespace

void addHistory(CommandLine& commandLine) {
  auto json = std::make_shared<bool>(false);
  CLI::App& command =
      commandLine.add("history", [json](Context& context) { return history(context, *json); });
  commandLine.json(command, *json);
}

}  // namespace mapsetdesk::cli
