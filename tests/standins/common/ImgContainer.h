#pragma once
// The IMG container: a small file system of subfiles (TRE, RGN, LBL, TYP,
// MPS, ...) named in 8.3 form. A 512-byte header, a directory of 512-byte
// entries that list each subfile's blocks, then the blocks. Every byte may be
// XORed with the first one.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mapsetdesk::standin {

struct Subfile {
  std::string name;  // up to eight characters, e.g. "63240001"
  std::string type;  // three characters, e.g. "TRE"
  std::string bytes;

  std::string fileName() const { return name + "." + type; }
};

struct ImgContainer {
  std::string description;        // the map description of the header
  std::vector<Subfile> subfiles;  // in directory order
};

// nullopt when the bytes are no IMG container or its directory points
// outside the file.
std::optional<ImgContainer> readImgContainer(std::string_view file);

// A plain (not XORed) container with 512-byte blocks, larger ones when a
// subfile would need more than one directory entry.
std::string writeImgContainer(const ImgContainer& container);

}  // namespace mapsetdesk::standin
