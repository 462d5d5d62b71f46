#include "transfer/DeviceImageWriter.h"

#include <fstream>
#include <memory>
#include <vector>

#include "formats/ImgFile.h"
#include "formats/ImgWriter.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"

namespace mapsetdesk {
namespace {

constexpr std::size_t kChunk = 1 << 16;

// The subfiles of one tile file follow each other, so the file is opened
// once for all of them, and only one is open at a time.
class TileFileReader {
 public:
  bool copy(const DeviceSubfile& subfile, std::ostream& out) {
    if (!image_ || path_ != subfile.file) {
      image_ = std::make_unique<ImgFile>(ImgFile::open(subfile.file));
      path_ = subfile.file;
    }
    return image_->problem() == ImgFileProblem::None && image_->copyTo(*subfile.entry, out);
  }

 private:
  std::string path_;
  std::unique_ptr<ImgFile> image_;
};

bool copyWholeFile(const std::string& path, std::ostream& out) {
  std::ifstream in(filePath(path), std::ios::binary);
  std::vector<char> buffer(kChunk);
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    out.write(buffer.data(), in.gcount());
  }
  return in.eof() && static_cast<bool>(out);
}

ImgPiece subfilePiece(const DeviceSubfile& subfile, TileFileReader& tiles) {
  return {subfile.name, subfile.type, subfile.size, [&subfile, &tiles](std::ostream& out) {
            return subfile.entry ? tiles.copy(subfile, out) : copyWholeFile(subfile.file, out);
          }};
}

ImgPiece heldPiece(const std::string& name, const std::string& type, const std::string& bytes) {
  return {name, type, static_cast<std::uint32_t>(bytes.size()), [&bytes](std::ostream& out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            return static_cast<bool>(out);
          }};
}

// The last piece of each mapset tells the progress once it is written.
void reportAfter(ImgPiece& piece, const DeviceMapset& mapset, const DeviceWriteProgress& progress) {
  piece.write = [write = std::move(piece.write), &mapset, &progress](std::ostream& out) {
    if (!write(out)) return false;
    progress.mapsetWritten(mapset);
    return true;
  };
}

}  // namespace

bool writeDeviceImage(const DeviceImagePlan& plan, const std::string& target,
                      const DeviceWriteProgress& progress) {
  TileFileReader tiles;
  const std::string productList = writeProductList(plan.products);
  std::vector<ImgPiece> pieces{heldPiece(kProductListName, "MPS", productList)};
  for (const DeviceMapset& mapset : plan.mapsets) {
    for (const DeviceTile& tile : mapset.tiles)
      for (const DeviceSubfile& subfile : tile.subfiles)
        pieces.push_back(subfilePiece(subfile, tiles));
    reportAfter(pieces.back(), mapset, progress);
  }
  for (const DeviceTyp& typ : plan.typs)
    pieces.push_back(heldPiece(deviceTypName(typ.fid), "TYP", typ.bytes));
  for (ImgPiece& piece : pieces)
    piece.write = [write = std::move(piece.write), &progress](std::ostream& out) {
      progress.letEventsRun();
      return write(out);
    };
  return replaceFileWith(
      target, [&](std::ostream& out) { return writeImg(out, plan.description, pieces); });
}

}  // namespace mapsetdesk
