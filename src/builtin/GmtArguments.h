#pragma once
// The command lines gmt.exe is given, parsed:
//   -S -f FID,PID -m NAME -n MAPNAME -o DIR -c CODEPAGE -@ LIST   JoinTiles
//   -g -o DIR FILE                                                Unpack
//   -G -o DIR FILE                                                SplitFamilies
//   -S -o DIR FILE                                                SplitFamilyImage
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mapsetdesk::builtin {

enum class GmtOperation { JoinTiles, Unpack, SplitFamilies, SplitFamilyImage };

struct GmtCommand {
  GmtOperation operation = GmtOperation::Unpack;
  std::uint16_t fid = 0;
  std::uint16_t pid = 1;
  std::string name;     // the mapset name, UTF-8
  std::string mapname;  // base name of the TDB and the overview source
  std::string folder;   // paths in the program's UTF-8
  std::uint16_t codePage = 1252;
  std::string list;
  std::string image;
};

// nullopt when the arguments are none of the command lines above.
std::optional<GmtCommand> parseGmtArguments(const std::vector<std::string>& arguments);

// What the report says to arguments it cannot use.
inline constexpr const char* kGmtUsage =
    "usage: gmt -S -f FID,PID -m NAME -n MAPNAME -o DIR -c CODEPAGE -@ LIST"
    " | gmt -g|-G|-S -o DIR FILE";

}  // namespace mapsetdesk::builtin
