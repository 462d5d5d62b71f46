// The draw-priority search: the chunked stream search finds exactly what the
// whole-buffer search finds, for the plain and the scrambled form.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "formats/TreDrawPriority.h"

using namespace mapsetdesk;

namespace {

void sameResult(const std::string& bytes, std::uint8_t xorByte) {
  const auto whole = findDrawPriority(std::string_view(bytes), xorByte);
  std::istringstream stream(bytes);
  const auto streamed = findDrawPriority(stream, xorByte);
  if (whole.has_value() != streamed.has_value()) std::abort();
  if (!whole) return;
  if (*whole >= bytes.size() || streamed->offset != *whole) std::abort();
  if (streamed->stored != static_cast<std::uint8_t>(bytes[*whole])) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  sameResult(bytes, 0);
  if (size > 0) sameResult(bytes, data[0]);
  return 0;
}
