// The catalogue's reading of a TDB header block: never past the bytes given,
// and a header it accepts is consistent with them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "formats/TdbHeader.h"

using namespace mapsetdesk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TdbHeaderResult parsed = parseTdbHeader(bytes);
  if (parsed.damage != TdbDamage::None) return 0;
  const TdbHeader& header = parsed.header;
  if (header.nameEnd >= size || bytes[header.nameEnd] != '\0') std::abort();
  if (bytes.substr(kTdbNameOffset, header.name.size()) != header.name) std::abort();
  if (header.name.find('\0') != std::string::npos) std::abort();
  if (header.listedName().size() > kTdbListedNameBytes) std::abort();
  if (header.listedFid() == 0 && header.pid != 0) std::abort();
  return 0;
}
