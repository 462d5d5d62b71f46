#include "install/ExistingTdb.h"

#include <algorithm>

#include "formats/TdbHeader.h"
#include "platform/Codec.h"

namespace mapsetdesk {
namespace {

constexpr std::uint16_t kMaxId = 0xFFFF;

std::string nameAreaOf(std::string_view file) {
  const std::size_t headerEnd =
      std::min(file.size(), kTdbBlockHead + static_cast<std::size_t>(
                                                static_cast<unsigned char>(file[1]) |
                                                static_cast<unsigned char>(file[2]) << 8));
  if (headerEnd <= kTdbNameOffset) return {};
  return std::string(file.substr(kTdbNameOffset,
                                 std::min(kTdbListedNameBytes, headerEnd - kTdbNameOffset)));
}

std::string asKeyBasis(std::string area) {
  std::replace(area.begin(), area.end(), ' ', '_');
  std::replace(area.begin(), area.end(), '\0', '_');
  return fromAnsi(area);
}

void settleIds(TdbHeader& header) {
  if (header.fid == 0) {
    header.fid = header.pid;
    header.pid = 1;
  } else if (header.pid == 0) {
    header.pid = 1;
  }
}

}  // namespace

ExistingTdbRead readExistingTdb(const std::string& path, Dialogs& dialogs,
                                const TdbTexts& texts) {
  const FileContent content = readFileBytes(path);
  if (content.status != FileStatus::Ok) return {};
  TdbHeaderResult parsed = parseTdbHeader(content.bytes);
  if (parsed.damage != TdbDamage::None) {
    showTdbDamaged(dialogs, texts, path, parsed.damage);
    return {};
  }
  TdbHeader& header = parsed.header;
  settleIds(header);
  ExistingTdbRead result;
  result.read = true;
  result.nameArea = nameAreaOf(content.bytes);
  result.keyBasis = asKeyBasis(result.nameArea);
  result.name = fromAnsi(header.name);
  result.fid = header.fid;
  result.pid = header.pid;
  return result;
}

bool isNumericId(const std::string& text) {
  if (text.empty() || text.size() > 5) return false;
  if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  return std::stoul(text) <= kMaxId;
}

std::uint16_t idValue(const std::string& text) {
  unsigned long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + static_cast<unsigned long>(c - '0');
    if (value > kMaxId) return 0;
  }
  return static_cast<std::uint16_t>(value);
}

}  // namespace mapsetdesk
