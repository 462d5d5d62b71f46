#include "cli/MapsetChoice.h"

#include <algorithm>
#include <cctype>
#include <ostream>

namespace mapsetdesk::cli {
namespace {

bool allDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) {
    return std::isdigit(c) != 0;
  });
}

// What a choice asks for: a number pair or a name.
struct Wanted {
  std::optional<std::string> fid;
  std::optional<std::string> pid;
  std::string name;
};

std::string withoutLeadingZeros(const std::string& digits) {
  const auto first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

Wanted parseChoice(const std::string& choice) {
  Wanted wanted{{}, {}, choice};
  const auto colon = choice.find(':');
  const std::string fid = choice.substr(0, colon);
  const std::string pid = colon == std::string::npos ? "" : choice.substr(colon + 1);
  if (!allDigits(fid) || (colon != std::string::npos && !allDigits(pid))) return wanted;
  wanted.fid = withoutLeadingZeros(fid);
  if (colon != std::string::npos) wanted.pid = withoutLeadingZeros(pid);
  return wanted;
}

bool numbersMatch(const Wanted& wanted, const std::string& fid, const std::string& pid) {
  return wanted.fid && *wanted.fid == fid && (!wanted.pid || *wanted.pid == pid);
}

std::vector<ChosenMapset> matches(const Catalogues& catalogues, const Wanted& wanted,
                                  MapsetKind kind, bool byNumbers) {
  std::vector<ChosenMapset> found;
  if (kind != MapsetKind::Gmap) {
    for (const CatalogueRow& row : catalogues.registry.rows) {
      const bool hit = byNumbers ? numbersMatch(wanted, row.cells.fid, row.cells.pid)
                                 : row.cells.name == wanted.name ||
                                       (row.state == EntryState::Complete &&
                                        row.entry.mapsetName == wanted.name);
      if (hit) found.push_back({&row, nullptr});
    }
  }
  if (kind != MapsetKind::Registry) {
    for (const GmapRow& row : catalogues.packages.rows) {
      const bool hit = byNumbers ? numbersMatch(wanted, row.fid, row.pid)
                                 : row.display == wanted.name || row.name == wanted.name;
      if (hit) found.push_back({nullptr, &row});
    }
  }
  return found;
}

}  // namespace

std::optional<ChosenMapset> chooseMapset(Context& context, const Catalogues& catalogues,
                                         const std::string& choice, MapsetKind kind) {
  const Wanted wanted = parseChoice(choice);
  std::vector<ChosenMapset> found;
  if (wanted.fid) found = matches(catalogues, wanted, kind, true);
  // A name made of digits alone is still a name when no FID matches it.
  if (found.empty()) found = matches(catalogues, wanted, kind, false);
  if (found.size() == 1) return found.front();
  const CliTexts& texts = context.texts();
  if (found.empty()) {
    context.err << texts.noMatch << "\"" << choice << "\"\n";
    return std::nullopt;
  }
  context.err << texts.severalMatches << "\"" << choice << "\"" << texts.severalMatchesEnd
              << '\n';
  for (const ChosenMapset& mapset : found) {
    if (mapset.registry) printRegistryRow(context.err, *mapset.registry);
    if (mapset.package) printGmapRow(context.err, *mapset.package);
  }
  return std::nullopt;
}

}  // namespace mapsetdesk::cli
