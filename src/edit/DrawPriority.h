#pragma once
// The draw priority of every tile of one installed mapset: the tiles as the
// TDB lists them, each tile's files (a tile file of a registered mapset, the
// TRE and GMP subfiles of a package's tile folder), and the reading and
// writing of the one byte in each.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/TdbLayout.h"
#include "formats/TreDrawPriority.h"
#include "history/JournalEntry.h"

namespace mapsetdesk {

struct PriorityTile {
  std::string name;          // the tile name, eight digits
  std::string description;   // UTF-8
  std::vector<std::string> files;  // where its draw priority lies
};

struct PriorityMapset {
  TreForm form = TreForm::TileFile;  // TileFile: registered; Subfile: package
  std::string folder;  // the tile folder, or the folder of the package's TDB
  std::vector<PriorityTile> tiles;   // in the order of the TDB's tile blocks
  TdbDamage damage = TdbDamage::None;  // the TDB walk stopped early
};

// tdb: the whole TDB file. A registered mapset's tiles are tile files in its
// tile folder, listed whether or not they exist.
PriorityMapset registeredTiles(std::string_view tdb, const std::string& tileFolder);
// A package's tiles are folders beside its TDB; the files of each whose
// names end in "tre" or "gmp", whatever the case, in name order.
PriorityMapset packageTiles(std::string_view tdb, const std::string& tdbFolder);

enum class TileState { Read, Missing, Unreadable, NoTreHeader };

struct TileReading {
  std::string file;
  TileState state = TileState::Missing;
  std::uint8_t priority = 0;  // when Read
};

// One reading per file of the tile; a registered mapset's missing tile file
// reads as Missing.
std::vector<TileReading> readTilePriorities(const PriorityTile& tile, TreForm form);

struct PriorityWrite {
  int written = 0;  // files whose byte now holds the value
  // A package subfile that cannot be opened for writing (MapSource holds
  // it): the run stopped there.
  std::optional<std::string> held;
  // Files left untouched because no TRE header was found in them.
  std::vector<std::string> withoutTreHeader;
  // The change history could not keep the old bytes: the run stopped
  // before writing them.
  bool notKept = false;
};

// Called after each tile with the number of tiles done; false stops the run.
using AfterTile = std::function<bool(std::size_t tilesDone)>;

// Writes the value into every file of every tile. A registered mapset's tile
// that cannot be opened or read is passed over; in a package, a held file
// stops the run and any other failure ends it. With a history entry, the
// files are opened a batch at a time, the batch's old bytes kept in the
// entry in one step and then written through the same openings, so the
// history costs no second opening of a file.
PriorityWrite writeDrawPriorities(const PriorityMapset& mapset, std::uint8_t priority,
                                  JournalEntry* history = nullptr,
                                  const AfterTile& afterTile = {});

// The entry field of the window: a number above 31 becomes "30".
std::string limitDrawPriorityEntry(const std::string& text);
// The value a change writes: none when the field reads as 0, is empty or is
// no number (a number is read from the field's leading digits).
std::optional<std::uint8_t> drawPriorityToWrite(std::string_view text);

}  // namespace mapsetdesk
