#pragma once
// The short-lived files the outside programs read: list.txt for gmt.exe,
// list.args and filelist.txt for mkgmap. Windows-1252, CR LF after every
// line. They go into the program folder, or into the user's temporary folder
// when the program folder cannot be written (a standard user below
// "Program Files"); the command line names them where they were written.
#include <string>
#include <vector>

namespace mapsetdesk {

inline constexpr char kTileListName[] = "list.txt";
inline constexpr char kMkgmapOptionsName[] = "list.args";
inline constexpr char kMkgmapInputsName[] = "filelist.txt";

// One line per tile: its short path.
std::string tileListText(const std::vector<std::string>& tiles);
// mkgmap's options, one a line, in the order it has always been given them.
std::string mkgmapOptionsText(const std::string& fidText, const std::string& mapname,
                              const std::string& outputFolder);
// "input-file=" and the tile's full path, one line per tile.
std::string mkgmapInputsText(const std::vector<std::string>& tiles);

// The path written to; empty when neither folder took the file.
std::string writeHelperFile(const std::string& programFolder, const std::string& name,
                            const std::string& content);

}  // namespace mapsetdesk
