#pragma once
// What a file offered for installation is, judged by its name alone: a map
// tile (an eight-character numeric stem and ".img" in one of three cases) or
// a device image (a path ending in "gmapsupp.img" in any case).
#include <string_view>

namespace mapsetdesk {

// The last twelve characters of the path: a stem the number parser accepts
// (eight digits always do, letters never) and ".img", ".Img" or ".IMG".
bool isTileFile(std::string_view path);

bool isDeviceImage(std::string_view path);

// The first dot of the path comes before the dot of its extension: some
// folder name holds a dot, which the device-image run cannot take.
bool hasDotInFolders(std::string_view path);

// The stem of a tile file: its eight-character map number.
std::string_view tileStem(std::string_view path);

}  // namespace mapsetdesk
