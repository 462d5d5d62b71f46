#pragma once
// The command lines of the outside programs an installation runs. Program
// paths are quoted, so a program folder with blanks ("Program Files") works;
// the paths the programs read come as short paths where the program wants
// them so.
#include <string>

namespace mapsetdesk {

// programFolder\gmt.exe, programFolder\Version97c\cgpsmapper.exe and its
// companion sendg.dll, programFolder\mkgmap.jar.
std::string gmtPath(const std::string& programFolder);
std::string cgpsmapperPath(const std::string& programFolder);
std::string sendgPath(const std::string& programFolder);
std::string mkgmapJarPath(const std::string& programFolder);

std::string quoted(const std::string& text);

// gmt.exe writes the TDB and the overview source of the tiles listed in
// listFile into outputFolder: -S -f FID,1 -m NAME -n MAPNAME -o "OUT"
// -c 1252 -@ "LIST". Blanks of the name become "_".
std::string gmtTilesCommandLine(const std::string& programFolder, const std::string& fidText,
                                const std::string& mapsetName, const std::string& mapname,
                                const std::string& outputFolder, const std::string& listFile);

// cgpsmapper compiles the overview source.
std::string cgpsmapperCommandLine(const std::string& programFolder, const std::string& source);

// mkgmap through java with its options file and its input list.
std::string mkgmapCommandLine(const std::string& programFolder, const std::string& argsFile,
                              const std::string& listFile);

// gmt.exe unpacks every subfile of image into folder; a path that holds a
// blank even in its short form is quoted.
std::string gmtUnpackCommandLine(const std::string& programFolder, const std::string& folder,
                                 const std::string& image);

}  // namespace mapsetdesk
