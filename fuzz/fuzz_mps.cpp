// The product list reader on any bytes: it never leaves the buffer, keeps
// every whole block, and a family's list holds only that family's records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "formats/ProductList.h"

using namespace mapsetdesk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const ProductList list = readProductList(bytes);
  const std::string written = writeProductList(list);
  if (written.size() > bytes.size()) std::abort();
  if (!list.damaged && bytes.size() - written.size() >= 3) std::abort();
  const ProductList again = readProductList(written);
  if (again.damaged || again.maps.size() != list.maps.size() ||
      again.products.size() != list.products.size())
    std::abort();
  for (const std::uint16_t fid : list.families()) {
    const ProductList family = list.only(fid);
    if (family.maps.empty()) std::abort();
    for (const MapRecord& map : family.maps)
      if (map.fid != fid || list.mapOf(map.mapNumber) == nullptr) std::abort();
  }
  return 0;
}
