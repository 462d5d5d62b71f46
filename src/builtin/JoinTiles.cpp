#include "builtin/JoinTiles.h"

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "builtin/ImageContents.h"
#include "builtin/OpenImage.h"
#include "builtin/OutputFiles.h"
#include "builtin/ReportLines.h"
#include "formats/FileBytes.h"
#include "formats/OverviewSource.h"
#include "formats/TdbWriter.h"
#include "platform/Codec.h"

namespace mapsetdesk::builtin {
namespace {

// The list file holds one path a line, in the ANSI code page (or UTF-8).
std::optional<std::vector<std::string>> listedFiles(const std::string& list, ToolReport& report) {
  const FileContent content = readFileBytes(list);
  if (content.status != FileStatus::Ok) {
    report.line(cannotReadLine(list, describe(content.status)));
    return std::nullopt;
  }
  report.line(readLine(list));
  std::vector<std::string> files;
  std::istringstream lines(decodeUtf8OrAnsi(content.bytes));
  for (std::string line; std::getline(lines, line);) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (!line.empty()) files.push_back(line);
  }
  return files;
}

// The tiles of one tile file; nullopt (and reported) when it cannot be read
// or holds none.
std::optional<std::vector<MapTile>> tilesOf(const std::string& path, ToolReport& report) {
  ImgFile image = openImage(path, report);
  if (image.problem() != ImgFileProblem::None) return std::nullopt;
  std::vector<MapTile> tiles;
  for (ImageTile& found : readImageTiles(image, &report)) tiles.push_back(std::move(found.tile));
  if (tiles.empty()) {
    report.line(cannotReadLine(path, kNoTile));
    return std::nullopt;
  }
  return tiles;
}

Mapset mapsetOf(const GmtCommand& command) {
  Mapset mapset;
  mapset.fid = command.fid;
  mapset.pid = command.pid;
  mapset.name = toAnsi(command.name);
  mapset.familyName = mapset.name;
  mapset.codePage = command.codePage;
  return mapset;
}

}  // namespace

bool joinTiles(const GmtCommand& command, ToolReport& report) {
  const auto files = listedFiles(command.list, report);
  if (!files) return false;
  Mapset mapset = mapsetOf(command);
  bool complete = !files->empty();
  for (const std::string& file : *files) {
    const auto tiles = tilesOf(file, report);
    if (tiles) mapset.tiles.insert(mapset.tiles.end(), tiles->begin(), tiles->end());
    complete = complete && tiles.has_value();
    report.letEventsRun();
  }
  OutputFiles output(command.folder, report);
  if (!complete || !output.prepareFolder()) {
    report.line(kNothingWritten);
    return false;
  }
  const auto tdb = writeTdb(mapset);
  if (!tdb) {
    output.refuse(command.mapname + ".tdb", kTdbTooLarge);
    return false;
  }
  output.write(command.mapname + ".tdb", *tdb);
  output.write(command.mapname + ".mp", writeOverviewSource(mapset));
  return output.complete();
}

}  // namespace mapsetdesk::builtin
