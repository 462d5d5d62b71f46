#pragma once
// What a file offered for installation is, judged by its name alone: a map
// tile (eight ASCII digits and ".img" in any case) or a device image (a path
// ending in "gmapsupp.img" in any case).
#include <string_view>

namespace mapsetdesk {

// The file name is exactly eight ASCII digits and ".img" in any case. A
// number parser would let "infinity.img" or "1e000000.img" in, and the last
// twelve characters alone a nine-digit name cut to the wrong tile.
bool isTileFile(std::string_view path);

bool isDeviceImage(std::string_view path);

// The first dot of the path comes before the dot of its extension: some
// folder name holds a dot, which the device-image run cannot take.
bool hasDotInFolders(std::string_view path);

// The stem of a tile file: its eight-character map number.
std::string_view tileStem(std::string_view path);

}  // namespace mapsetdesk
