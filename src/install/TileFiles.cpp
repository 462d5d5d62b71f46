#include "install/TileFiles.h"

#include <algorithm>
#include <cctype>

namespace mapsetdesk {
namespace {

constexpr std::size_t kTileNameLength = 12;  // "12345678.img"
constexpr std::size_t kStemLength = 8;
constexpr std::string_view kDeviceImageName = "gmapsupp.img";

bool isDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool endsWithoutCase(std::string_view text, std::string_view end) {
  if (text.size() < end.size()) return false;
  return std::equal(end.begin(), end.end(), text.end() - static_cast<long>(end.size()),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) ==
                             std::tolower(static_cast<unsigned char>(b));
                    });
}

}  // namespace

bool isTileFile(std::string_view path) {
  if (path.size() < kTileNameLength) return false;
  const std::string_view name = path.substr(path.size() - kTileNameLength);
  const bool wholeName = path.size() == kTileNameLength ||
                         path[path.size() - kTileNameLength - 1] == '/' ||
                         path[path.size() - kTileNameLength - 1] == '\\';
  return wholeName && endsWithoutCase(name, ".img") && isDigits(name.substr(0, kStemLength));
}

bool isDeviceImage(std::string_view path) { return endsWithoutCase(path, kDeviceImageName); }

bool hasDotInFolders(std::string_view path) {
  const std::size_t lastDot = path.rfind('.');
  return lastDot != std::string_view::npos && path.find('.') < lastDot;
}

std::string_view tileStem(std::string_view path) {
  if (path.size() < kTileNameLength) return path;
  return path.substr(path.size() - kTileNameLength, kStemLength);
}

}  // namespace mapsetdesk
