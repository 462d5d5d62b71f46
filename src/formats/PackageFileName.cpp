#include "formats/PackageFileName.h"

#include <cctype>

namespace mapsetdesk {
namespace {

constexpr std::string_view kRefusedCharacters = "\\/:*?\"<>|";

bool refusedCharacter(char c) {
  return static_cast<unsigned char>(c) < 0x20 || kRefusedCharacters.find(c) != std::string_view::npos;
}

std::string upper(std::string_view text) {
  std::string out;
  for (const char c : text) out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

// Windows opens the device for "NUL", "nul.txt" or "COM1 .tdb" in any folder.
bool isDeviceName(std::string_view name) {
  std::string stem = upper(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
  return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
         std::isdigit(static_cast<unsigned char>(stem[3]));
}

}  // namespace

bool isPlainFileName(std::string_view name) {
  if (name.empty() || name.find_first_not_of(". ") == std::string_view::npos) return false;
  if (name.back() == '.' || name.back() == ' ') return false;
  for (const char c : name)
    if (refusedCharacter(c)) return false;
  return !isDeviceName(name);
}

std::string fileNameSafe(std::string_view text) {
  std::string out;
  for (const char c : text) out += refusedCharacter(c) ? '_' : c;
  return out;
}

}  // namespace mapsetdesk
