#include "edit/DrawPriority.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "formats/TdbTiles.h"
#include "platform/Blanks.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/OpenFileBudget.h"

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

using OpenTile = std::vector<OpenDrawPriority>;

// The tiles from first on whose files fill one batch; at least one tile.
// Each batch costs the history one flushed write, so batches are as large as
// the files the system lets the program hold open.
std::size_t batchEnd(const PriorityMapset& mapset, std::size_t first) {
  const std::size_t budget = openFileBudget();
  std::size_t end = first;
  std::size_t files = 0;
  do {
    files += mapset.tiles[end].files.size();
    ++end;
  } while (end < mapset.tiles.size() && files + mapset.tiles[end].files.size() <= budget);
  return end;
}

std::vector<OpenTile> openTiles(const PriorityMapset& mapset, std::size_t first,
                                std::size_t end) {
  std::vector<OpenTile> opened(end - first);
  for (std::size_t tile = first; tile < end; ++tile)
    for (const std::string& file : mapset.tiles[tile].files)
      opened[tile - first].emplace_back(file, mapset.form);
  return opened;
}

bool keepOldBytes(JournalEntry& history, const PriorityMapset& mapset, std::size_t first,
                  const std::vector<OpenTile>& opened) {
  std::vector<PatchBytes> old;
  for (std::size_t tile = 0; tile < opened.size(); ++tile)
    for (std::size_t file = 0; file < opened[tile].size(); ++file)
      if (const auto& hit = opened[tile][file].hit())
        old.push_back({mapset.tiles[first + tile].files[file], hit->offset,
                       std::string(1, static_cast<char>(hit->stored))});
  return old.empty() || history.keepPatchBytes(std::move(old));
}

// False when the run must end.
bool writeOne(OpenDrawPriority& opened, const std::string& file, TreForm form,
              std::uint8_t priority, JournalEntry* history, PriorityWrite& result) {
  const std::optional<TreHit> hit = opened.hit();
  const TreWritten written = opened.write(priority);
  if (written.status == FileStatus::Ok) {
    if (!written.found) {
      result.withoutTreHeader.push_back(file);
      return true;
    }
    ++result.written;
    if (history)
      history->patchedTo({file, hit->offset, std::string(1, static_cast<char>(written.stored))});
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

PriorityWrite writeDrawPriorities(const PriorityMapset& mapset, std::uint8_t priority,
                                  JournalEntry* history, const AfterTile& afterTile) {
  PriorityWrite result;
  for (std::size_t first = 0; first < mapset.tiles.size();) {
    const std::size_t end = batchEnd(mapset, first);
    std::vector<OpenTile> opened = openTiles(mapset, first, end);
    if (history && !keepOldBytes(*history, mapset, first, opened)) {
      result.notKept = true;
      return result;
    }
    for (std::size_t tile = first; tile < end; ++tile) {
      const std::vector<std::string>& files = mapset.tiles[tile].files;
      for (std::size_t file = 0; file < files.size(); ++file)
        if (!writeOne(opened[tile - first][file], files[file], mapset.form, priority, history,
                      result))
          return result;
      if (afterTile && !afterTile(tile + 1)) return result;
    }
    first = end;
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

}  // namespace mapsetdesk
