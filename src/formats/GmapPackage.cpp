#include "formats/GmapPackage.h"

#include "platform/Codec.h"

namespace mapsetdesk {
namespace {

// The replacement of one Windows-1252 character, or 0 to keep it.
char packageCharacter(unsigned char c) {
  if (c == ' ' || c == '/' || c == '\\') return '_';
  if ((c >= 192 && c <= 198) || (c >= 224 && c <= 230)) return 'A';
  if ((c >= 210 && c <= 214) || c == 216 || (c >= 242 && c <= 246) || c == 248) return 'O';
  if ((c >= 217 && c <= 220) || (c >= 249 && c <= 252)) return 'U';
  return 0;
}

}  // namespace

std::string productFolder(std::string_view productNumber) {
  return "Product" + std::string(productNumber);
}

std::string gmapPackageName(std::string_view mapsetName) {
  std::string ansi = toAnsi(mapsetName);
  for (char& c : ansi)
    if (const char replacement = packageCharacter(static_cast<unsigned char>(c))) c = replacement;
  return fromAnsi(ansi);
}

}  // namespace mapsetdesk
