#pragma once
// Writes an IMG container subfile by subfile: the head first, from the sizes
// alone, then each subfile's bytes as its writer delivers them, so that a big
// container never has to be held whole.
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace mapsetdesk {

struct ImgPiece {
  std::string name;  // up to eight characters
  std::string type;  // three characters
  std::uint32_t size = 0;
  // Writes exactly size bytes; false when it cannot.
  std::function<bool(std::ostream&)> write;
};

// A plain (not scrambled) container; false when a piece fails or delivers
// another number of bytes than its size, or out fails.
bool writeImg(std::ostream& out, std::string_view description, const std::vector<ImgPiece>& pieces);

}  // namespace mapsetdesk
