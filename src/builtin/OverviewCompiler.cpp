#include "builtin/OverviewCompiler.h"

#include <chrono>

#include "formats/FileBytes.h"
#include "formats/ImgContainer.h"
#include "formats/OverviewEncoder.h"
#include "formats/PolishSource.h"
#include "formats/TdbTiles.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"

namespace mapsetdesk::builtin {
namespace {

MapTimestamp now() {
  using namespace std::chrono;
  const auto moment = system_clock::now();
  const auto day = floor<days>(moment);
  const year_month_day date{day};
  const hh_mm_ss time{floor<seconds>(moment - day)};
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(time.hours().count()),
          static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count())};
}

void reportNotes(const std::vector<MapNote>& notes, ToolReport& report) {
  for (const MapNote& note : notes)
    report.line(note.line > 0 ? "line " + std::to_string(note.line) + ": " + note.text : note.text);
}

std::string imgBeside(const std::string& sourcePath) {
  std::filesystem::path target = filePath(sourcePath);
  target.replace_extension(".img");
  return pathText(target);
}

ImgContainer containerOf(const OverviewMap& map, OverviewSubfiles subfiles) {
  const std::string name = tileName(map.mapNumber);
  ImgContainer container;
  container.description = map.name;
  container.subfiles.push_back({name, "TRE", std::move(subfiles.tre)});
  container.subfiles.push_back({name, "RGN", std::move(subfiles.rgn)});
  container.subfiles.push_back({name, "LBL", std::move(subfiles.lbl)});
  return container;
}

}  // namespace

bool compileOverview(const std::string& sourcePath, ToolReport& report) {
  const FileContent source = readFileBytes(sourcePath);
  if (source.status != FileStatus::Ok) {
    report.line("cannot read " + sourcePath + ": " + describe(source.status));
    return false;
  }
  report.line("compiling " + sourcePath);
  const PolishParse parse = parsePolishSource(source.bytes);
  reportNotes(parse.notes, report);
  if (parse.refused()) {
    report.line("no overview map written");
    return false;
  }
  OverviewEncoding encoding = encodeOverview(parse.map, now());
  reportNotes(encoding.problems, report);
  if (!encoding.subfiles) {
    report.line("no overview map written");
    return false;
  }
  const std::string target = imgBeside(sourcePath);
  if (!replaceFile(target, writeImgContainer(containerOf(parse.map, std::move(*encoding.subfiles))))) {
    report.line("cannot write " + target);
    return false;
  }
  report.line("wrote " + target + ": " + std::to_string(parse.map.shapes.size()) + " shapes on " +
              std::to_string(parse.map.levelBits.size()) + " levels");
  return true;
}

}  // namespace mapsetdesk::builtin
