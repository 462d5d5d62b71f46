#include "edit/DrawPriority.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "formats/TdbTiles.h"
#include "platform/Blanks.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

constexpr long kHighestEnteredPriority = 31;
constexpr const char* kLimitedPriority = "30";

bool endsWithCaseless(const std::string& path, std::string_view ending) {
  if (path.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), path.end() - ending.size(),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) ==
                             std::tolower(static_cast<unsigned char>(b));
                    });
}

std::vector<std::string> subfilesOf(const std::string& tileFolder) {
  std::vector<std::string> files;
  std::error_code error;
  for (const auto& item : std::filesystem::directory_iterator(filePath(tileFolder), error)) {
    const std::string path = pathText(item.path());
    if (item.is_regular_file(error) && (endsWithCaseless(path, "tre") || endsWithCaseless(path, "gmp")))
      files.push_back(path);
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string joined(const std::string& folder, const std::string& name) {
  return pathText(filePath(folder) / filePath(name));
}

template <typename FilesOf>
PriorityMapset tilesOf(std::string_view tdb, TreForm form, const std::string& folder,
                       FilesOf filesOf) {
  const TdbTiles listed = readTdbTiles(tdb);
  PriorityMapset mapset{form, folder, {}, listed.damage};
  for (const TdbTile& tile : listed.tiles) {
    const std::string name = tileName(tile.mapNumber);
    mapset.tiles.push_back({name, fromAnsi(tile.description), filesOf(name)});
  }
  return mapset;
}

TileReading readingOf(const std::string& file, TreForm form) {
  const TreRead read = readDrawPriority(file, form);
  if (read.status == FileStatus::Missing) return {file, TileState::Missing};
  if (read.status != FileStatus::Ok) return {file, TileState::Unreadable};
  if (!read.priority) return {file, TileState::NoTreHeader};
  return {file, TileState::Read, *read.priority};
}

// False when the run must end.
bool writeOne(const std::string& file, TreForm form, std::uint8_t priority,
              PriorityWrite& result) {
  const TreWritten written = writeDrawPriority(file, form, priority);
  if (written.status == FileStatus::Ok) {
    if (written.found) ++result.written;
    else result.withoutTreHeader.push_back(file);
    return true;
  }
  if (form == TreForm::TileFile) return true;
  if (written.status == FileStatus::CannotOpen) result.held = file;
  return false;
}

}  // namespace

PriorityMapset registeredTiles(std::string_view tdb, const std::string& tileFolder) {
  return tilesOf(tdb, TreForm::TileFile, tileFolder, [&](const std::string& name) {
    return std::vector<std::string>{joined(tileFolder, name + ".img")};
  });
}

PriorityMapset packageTiles(std::string_view tdb, const std::string& tdbFolder) {
  return tilesOf(tdb, TreForm::Subfile, tdbFolder, [&](const std::string& name) {
    return subfilesOf(joined(tdbFolder, name));
  });
}

std::vector<TileReading> readTilePriorities(const PriorityTile& tile, TreForm form) {
  std::vector<TileReading> readings;
  for (const std::string& file : tile.files) readings.push_back(readingOf(file, form));
  return readings;
}

bool writeTilePriority(const PriorityTile& tile, TreForm form, std::uint8_t priority,
                       PriorityWrite& result) {
  for (const std::string& file : tile.files) {
    if (!writeOne(file, form, priority, result)) return false;
  }
  return true;
}

PriorityWrite writeDrawPriorities(const PriorityMapset& mapset, std::uint8_t priority) {
  PriorityWrite result;
  for (const PriorityTile& tile : mapset.tiles) {
    if (!writeTilePriority(tile, mapset.form, priority, result)) break;
  }
  return result;
}

std::string limitDrawPriorityEntry(const std::string& text) {
  const auto value = drawPriorityToWrite(text);
  return value && *value > kHighestEnteredPriority ? kLimitedPriority : text;
}

std::optional<std::uint8_t> drawPriorityToWrite(std::string_view text) {
  long value = 0;
  for (const char c : trimBlanks(text)) {
    if (c < '0' || c > '9') break;
    value = std::min(value * 10 + (c - '0'), 255L);
  }
  if (value == 0) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

std::vector<PatchRange> drawPriorityBytes(const PriorityMapset& mapset) {
  std::vector<PatchRange> ranges;
  for (const PriorityTile& tile : mapset.tiles)
    for (const std::string& file : tile.files) {
      const TreLocated located = locateDrawPriority(file, mapset.form);
      if (located.status == FileStatus::Ok && located.offset)
        ranges.push_back({file, *located.offset, 1});
    }
  return ranges;
}

}  // namespace mapsetdesk
