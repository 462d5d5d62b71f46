#pragma once
// The command lines gmt.exe is given:
//   gmt.exe -S -f FID,PID -m NAME -n MAPNAME -o FOLDER -c CODEPAGE -@ LIST
//   gmt.exe -S -o FOLDER IMAGE      (tiles and mapset files of an image)
//   gmt.exe -G -o FOLDER IMAGE      (one image per family)
//   gmt.exe -g -o FOLDER IMAGE      (every subfile of an image)
#include <cstdint>
#include <optional>
#include <string>

namespace mapsetdesk::standin {

struct GmtOptions {
  char mode = 0;  // 'S', 'G' or 'g'
  std::uint16_t fid = 0;
  std::uint16_t pid = 1;
  std::string name;  // Windows-1252
  std::string mapname;
  std::string folder;  // paths in the program's UTF-8
  std::uint16_t codePage = 1252;
  std::string list;
  std::string image;
};

// nullopt when the arguments are none of the command lines above.
std::optional<GmtOptions> parseGmtOptions(int argc, char** argv);

}  // namespace mapsetdesk::standin
