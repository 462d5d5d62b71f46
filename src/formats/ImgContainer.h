#pragma once
// An IMG container held in memory: a small file system of subfiles (TRE,
// RGN, LBL, TYP, MPS, ...) named in 8.3 form. For files of tile size; big
// images go through formats/ImgFile.h.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mapsetdesk {

struct ImgSubfile {
  std::string name;  // up to eight characters, e.g. "63240001"
  std::string type;  // three characters, e.g. "TRE"
  std::string bytes;

  std::string fileName() const;
};

struct ImgContainer {
  std::string description;           // the map description of the header
  std::vector<ImgSubfile> subfiles;  // in directory order
};

// nullopt when the bytes are no IMG container or its directory points past
// their end. A scrambled container (XOR byte not 0) is read unscrambled.
std::optional<ImgContainer> readImgContainer(std::string_view file);

// A plain (not scrambled) container, with the smallest block size that lets
// the directory number every block.
std::string writeImgContainer(const ImgContainer& container);

}  // namespace mapsetdesk
