#pragma once
// What the built-in gmt tests share: a report that keeps its lines, the
// facts of a TDB's tile blocks, and files of a folder.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "builtin/ToolReport.h"

namespace mapsetdesk::testing {

class KeptReport : public builtin::ToolReport {
 public:
  void line(const std::string& text) override { lines.push_back(text); }
  void letEventsRun() override { ++eventRuns; }
  bool has(const std::string& text) const;

  std::vector<std::string> lines;
  int eventRuns = 0;
};

struct TdbTileFacts {
  std::uint32_t mapNumber = 0;
  std::uint32_t parent = 0;
  std::string bounds;  // the four coordinates as stored
  std::vector<std::uint32_t> sizes;
  bool operator==(const TdbTileFacts&) const = default;
};

std::vector<TdbTileFacts> tdbTileFacts(const std::string& tdb);
// The overview block's map number.
std::uint32_t tdbOverviewNumber(const std::string& tdb);

// The names of the files directly in a folder, sorted.
std::vector<std::string> fileNames(const std::filesystem::path& folder);

// Every byte XORed with key, as a scrambled container stores it.
std::string scrambled(const std::string& plain, char key);

}  // namespace mapsetdesk::testing
