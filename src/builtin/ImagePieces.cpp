#include "builtin/ImagePieces.h"

#include <memory>

namespace mapsetdesk::builtin {

ImgPiece copiedPiece(ImgFile& image, const ImgEntry& entry) {
  return {entry.name, entry.type, entry.size,
          [&image, entry](std::ostream& out) { return image.copyTo(entry, out); }};
}

ImgPiece madePiece(const std::string& name, const std::string& type, std::string bytes) {
  auto held = std::make_shared<const std::string>(std::move(bytes));
  return {name, type, static_cast<std::uint32_t>(held->size()), [held](std::ostream& out) {
            out.write(held->data(), static_cast<std::streamsize>(held->size()));
            return static_cast<bool>(out);
          }};
}

std::function<bool(std::ostream&)> imgContent(std::string description,
                                              std::vector<ImgPiece> pieces) {
  return [description = std::move(description), pieces = std::move(pieces)](std::ostream& out) {
    return writeImg(out, description, pieces);
  };
}

}  // namespace mapsetdesk::builtin
