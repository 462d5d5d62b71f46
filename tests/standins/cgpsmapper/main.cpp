// A stand-in for cgpsmapper, the compiler of the overview map, for tests. It
// takes the path of an overview source (Polish format) and writes the
// overview IMG beside it, under the source's name: a container with a TRE
// header of the source's ID and bounds, and RGN and LBL headers. When
// MAPSETDESK_MKGMAP_JAR names mkgmap.jar, mkgmap (through java) compiles the
// source into a real map instead. Like the real compiler it will not run
// without sendg.dll beside it. MAPSETDESK_CGPSMAPPER_FAULT=nothing makes it
// write nothing.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "common/Bytes.h"
#include "common/Faults.h"
#include "common/Tiles.h"
#include "formats/ImgContainer.h"
#include "formats/TdbTiles.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "platform/ToolRunner.h"

namespace mapsetdesk::standin {
namespace {

struct OverviewSource {
  std::uint32_t id = 0;
  std::string name;
  std::optional<MapBounds> bounds;
};

void widen(OverviewSource& source, double latitude, double longitude) {
  const MapBounds point{mapUnits(latitude), mapUnits(longitude), mapUnits(latitude),
                     mapUnits(longitude)};
  source.bounds = source.bounds ? around(*source.bounds, point) : point;
}

// Every "(latitude,longitude)" of a Data line.
void takePoints(OverviewSource& source, const std::string& data) {
  for (std::size_t open = data.find('('); open != std::string::npos;
       open = data.find('(', open + 1)) {
    double latitude = 0, longitude = 0;
    if (std::sscanf(data.c_str() + open, "(%lf,%lf)", &latitude, &longitude) == 2)
      widen(source, latitude, longitude);
  }
}

OverviewSource parseSource(const std::string& text) {
  OverviewSource source;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("ID=", 0) == 0)
      source.id = static_cast<std::uint32_t>(std::strtoul(line.c_str() + 3, nullptr, 10));
    if (line.rfind("Name=", 0) == 0 && source.name.empty()) source.name = line.substr(5);
    if (line.rfind("Data", 0) == 0) takePoints(source, line.substr(line.find('=') + 1));
  }
  return source;
}

// The common header of a subfile: length, "GARMIN XXX", version, lock, date.
std::string subfileHeader(const std::string& type, std::size_t length) {
  ByteSink sink;
  sink.u16(static_cast<std::uint32_t>(length))
      .bytes("GARMIN " + type)
      .u8(1)
      .u8(0)
      .field("", 7, '\0');
  std::string header = sink.take();
  header.resize(length, '\0');
  return header;
}

std::string compile(const OverviewSource& source) {
  const std::string name = tileName(source.id);
  ImgContainer overview{source.name, {}};
  overview.subfiles.push_back({name, "TRE", treHeader(source.id, *source.bounds)});
  overview.subfiles.push_back({name, "RGN", subfileHeader("RGN", 0x1D)});
  overview.subfiles.push_back({name, "LBL", subfileHeader("LBL", 0xAA)});
  return writeImgContainer(overview);
}

bool isFile(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(filePath(path), ignored);
}

std::string quoted(const std::string& text) { return '"' + text + '"'; }

// mkgmap names its map after the ID; it goes into a folder of its own first.
bool compileWithMkgmap(const OverviewSource& source, const std::string& sourcePath,
                       const std::string& target) {
  const char* jar = std::getenv("MAPSETDESK_MKGMAP_JAR");
  if (jar == nullptr || !isFile(jar)) return false;
  const std::string folder = target + ".mkgmap";
  const auto launcher = openSystemProcessLauncher();
  ToolRunner(*launcher).RunAndWait("java -jar " + quoted(jar) + " --output-dir=" + quoted(folder) +
                                       " --mapname=" + std::to_string(source.id) + " " +
                                       quoted(sourcePath),
                                   WindowStyle::Hidden);
  std::error_code error;
  std::filesystem::rename(filePath(joinPath(folder, tileName(source.id) + ".img")),
                          filePath(target), error);
  std::filesystem::remove_all(filePath(folder), error);
  say(isFile(target) ? "compiled by mkgmap" : "mkgmap made no map");
  return isFile(target);
}

bool companionPresent() { return isFile(joinPath(executableFolder(), "sendg.dll")); }

int run(const std::string& sourcePath) {
  say("cGPSmapper stand-in: compiling " + sourcePath);
  if (!companionPresent()) {
    say("sendg.dll is missing");
    return 1;
  }
  const auto text = readWholeFile(sourcePath);
  if (!text) {
    say("cannot read " + sourcePath);
    return 1;
  }
  const OverviewSource source = parseSource(*text);
  if (source.id == 0 || !source.bounds) {
    say("no [IMG ID] with an ID, or no data, in " + sourcePath);
    return 1;
  }
  if (Faults(kCgpsmapperFault).has("nothing")) return 1;
  const std::string target = withoutExtension(sourcePath) + ".img";
  if (compileWithMkgmap(source, sourcePath, target)) return 0;
  if (!writeWholeFile(target, compile(source))) {
    say("cannot write " + target);
    return 1;
  }
  say("written " + target);
  return 0;
}

}  // namespace
}  // namespace mapsetdesk::standin

int main(int argc, char** argv) {
  using namespace mapsetdesk::standin;
  if (argc != 2) {
    say("usage: cgpsmapper SOURCE.mp");
    return 2;
  }
  return run(textArgument(argv[1]));
}
