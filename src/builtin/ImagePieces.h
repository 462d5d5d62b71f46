#pragma once
// The subfiles of a new IMG file: copied from another image as it is
// written, or made in memory.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "formats/ImgFile.h"
#include "formats/ImgWriter.h"

namespace mapsetdesk::builtin {

ImgPiece copiedPiece(ImgFile& image, const ImgEntry& entry);
// The piece keeps its own copy of the bytes.
ImgPiece madePiece(const std::string& name, const std::string& type, std::string bytes);

// The content writer of an output file holding the pieces as an IMG file.
std::function<bool(std::ostream&)> imgContent(std::string description,
                                              std::vector<ImgPiece> pieces);

}  // namespace mapsetdesk::builtin
