#include "formats/ImgContainer.h"

#include <algorithm>
#include <sstream>

#include "formats/ImgDirectory.h"
#include "formats/ImgWriter.h"

namespace mapsetdesk {
namespace {

std::string gather(std::string_view file, const ImgEntry& entry, std::size_t blockSize) {
  std::string bytes;
  bytes.reserve(entry.size);
  for (const std::uint32_t block : entry.blocks) {
    if (bytes.size() >= entry.size) break;
    const std::size_t wanted = std::min<std::size_t>(blockSize, entry.size - bytes.size());
    bytes += file.substr(std::size_t{block} * blockSize, wanted);
  }
  return bytes;
}

}  // namespace

std::string ImgSubfile::fileName() const { return name + "." + type; }

std::optional<ImgContainer> readImgContainer(std::string_view file) {
  const auto directory = readImgDirectory(file, file.size());
  if (!directory) return std::nullopt;
  ImgContainer container;
  container.description = directory->description;
  for (const ImgEntry& entry : directory->entries) {
    std::string bytes = gather(file, entry, directory->blockSize);
    unscramble(bytes, directory->xorByte);
    container.subfiles.push_back({entry.name, entry.type, std::move(bytes)});
  }
  return container;
}

std::string writeImgContainer(const ImgContainer& container) {
  std::vector<ImgPiece> pieces;
  for (const ImgSubfile& subfile : container.subfiles)
    pieces.push_back({subfile.name, subfile.type, static_cast<std::uint32_t>(subfile.bytes.size()),
                      [&subfile](std::ostream& out) {
                        out.write(subfile.bytes.data(),
                                  static_cast<std::streamsize>(subfile.bytes.size()));
                        return static_cast<bool>(out);
                      }});
  std::ostringstream file;
  writeImg(file, container.description, pieces);
  return std::move(file).str();
}

}  // namespace mapsetdesk
