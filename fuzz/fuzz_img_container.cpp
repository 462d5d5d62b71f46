// The IMG container reader on any bytes: it never leaves the buffer, every
// subfile it finds lies inside the file, and what it reads comes back the
// same when written and read again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "formats/ImgContainer.h"
#include "formats/ImgDirectory.h"

using namespace mapsetdesk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto directory = readImgDirectory(bytes, bytes.size());
  const auto container = readImgContainer(bytes);
  if (directory.has_value() != container.has_value()) std::abort();
  if (!container) return 0;
  for (const ImgEntry& entry : directory->entries) {
    std::uint64_t left = entry.size;
    for (const std::uint32_t block : entry.blocks) {
      if (left == 0) break;
      if (std::uint64_t{block} * directory->blockSize >= bytes.size()) std::abort();
      left -= std::min<std::uint64_t>(left, directory->blockSize);
    }
    if (left != 0) std::abort();
  }
  const auto again = readImgContainer(writeImgContainer(*container));
  if (!again || again->subfiles.size() != container->subfiles.size()) std::abort();
  for (std::size_t i = 0; i < container->subfiles.size(); ++i) {
    const ImgSubfile& before = container->subfiles[i];
    const ImgSubfile& after = again->subfiles[i];
    if (before.bytes != after.bytes) std::abort();
    if (before.fileName().size() > 12 || after.name.size() > 8 || after.type.size() > 3)
      std::abort();
  }
  return 0;
}
