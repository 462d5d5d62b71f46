// The Info.xml reader on any bytes, and any name through the writer and back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "formats/InfoXml.h"
#include "platform/Codec.h"

using namespace mapsetdesk;

namespace {

bool ascii(const std::string& text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) > 127) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  parseInfoXml(bytes);

  // A name Windows-1252 can hold comes back as written. Left out: names whose
  // Windows-1252 bytes happen to be valid UTF-8 as well ("Ã¼"), which the
  // reader takes for UTF-8 by design.
  const std::string name = fromAnsi(toAnsi(decodeUtf8OrAnsi(bytes)));
  const std::string stored = toAnsi(name);
  if (!ascii(stored) && isValidUtf8(stored)) return 0;
  const InfoXmlContent back = parseInfoXml(infoXmlForNewMapset({name, "4711", "Karte", true}));
  if (back.damaged || back.products.size() != 1 || back.products[0].name != name) std::abort();
  if (back.fid != "4711" || back.index != "Karte.mdx") std::abort();
  return 0;
}
