#include "formats/ImgWriter.h"

#include "formats/ImgLayout.h"

namespace mapsetdesk {
namespace {

bool writePiece(std::ostream& out, const ImgPiece& piece, std::size_t blockSize) {
  const std::streampos start = out.tellp();
  if (!piece.write(out) || !out) return false;
  if (out.tellp() - start != static_cast<std::streamoff>(piece.size)) return false;
  const std::string padding(imgPadding(piece.size, blockSize), '\0');
  out.write(padding.data(), static_cast<std::streamsize>(padding.size()));
  return static_cast<bool>(out);
}

}  // namespace

bool writeImg(std::ostream& out, std::string_view description,
              const std::vector<ImgPiece>& pieces) {
  std::vector<ImgEntry> entries;
  for (const ImgPiece& piece : pieces) entries.push_back({piece.name, piece.type, piece.size, {}});
  const ImgLayout layout = layOutImg(description, std::move(entries));
  out.write(layout.head.data(), static_cast<std::streamsize>(layout.head.size()));
  for (const ImgPiece& piece : pieces)
    if (!writePiece(out, piece, layout.blockSize)) return false;
  return static_cast<bool>(out);
}

}  // namespace mapsetdesk
