#include "formats/TdbChecksum.h"

#include <algorithm>
#include <optional>

#include "formats/FileBytes.h"
#include "platform/Crc32.h"

namespace mapsetdesk {
namespace {

// The first checksum block, if the walk reaches one.
struct ChecksumBlock {
  std::optional<TdbBlock> block;
  TdbDamage damage = TdbDamage::None;
};

ChecksumBlock findChecksumBlock(std::string_view file) {
  const TdbLayout layout = walkTdbBlocks(file);
  for (const TdbBlock& block : layout.blocks) {
    if (block.id != kTdbChecksumBlock) continue;
    if (block.end() <= block.offset + kTdbCrcBytes.back())
      return {std::nullopt, TdbDamage::ChecksumBlockTooShort};
    return {block, TdbDamage::None};
  }
  return {std::nullopt, layout.damage};
}

std::uint32_t crcBefore(std::string_view file, const TdbBlock& block) {
  return crc32(file.substr(0, block.offset));
}

std::size_t crcAreaEnd(const TdbBlock& block) {
  return std::min(block.end(), block.offset + kTdbCrcBytes.back() + kTdbCrcWord);
}

}  // namespace

TdbChecksumCheck checkTdbChecksum(std::string_view file) {
  const ChecksumBlock found = findChecksumBlock(file);
  if (!found.block) return {TdbChecksumState::None, found.damage, 0, 0};
  const TdbBlock& block = *found.block;
  TdbChecksumCheck check;
  for (const std::size_t at : kTdbCrcBytes)
    check.stored = (check.stored << 8) | static_cast<unsigned char>(file[block.offset + at]);
  check.computed = crcBefore(file, block);
  check.state = check.stored == check.computed ? TdbChecksumState::Ok : TdbChecksumState::Bad;
  return check;
}

ChecksumApplied applyTdbChecksum(std::string& file) {
  if (file.size() < kTdbMinChecksumFile) return {ChecksumOutcome::UnknownFormat};
  const ChecksumBlock found = findChecksumBlock(file);
  if (!found.block) {
    if (found.damage != TdbDamage::None) return {ChecksumOutcome::Damaged, found.damage};
    return {ChecksumOutcome::NoChecksumBlock};
  }
  const TdbBlock& block = *found.block;
  const std::uint32_t crc = crcBefore(file, block);
  if (crc == 0) return {ChecksumOutcome::CrcZero};

  const std::size_t areaEnd = crcAreaEnd(block);
  int shift = 24;
  for (const std::size_t at : kTdbCrcBytes) {
    const std::size_t start = block.offset + at;
    const std::size_t wordEnd = std::min(start + kTdbCrcWord, areaEnd);
    file[start] = static_cast<char>((crc >> shift) & 0xFF);
    std::fill(file.begin() + static_cast<std::ptrdiff_t>(start) + 1,
              file.begin() + static_cast<std::ptrdiff_t>(wordEnd), '\0');
    shift -= 8;
  }
  return {ChecksumOutcome::Written, TdbDamage::None, block.offset + kTdbCrcBytes.front(),
          areaEnd};
}

ChecksumOutcome ChecksumAendern(const std::string& path, Dialogs& dialogs,
                                const TdbTexts& texts) {
  FileContent content = readFileBytes(path);
  if (content.status != FileStatus::Ok) return ChecksumOutcome::FileError;
  const ChecksumApplied applied = applyTdbChecksum(content.bytes);
  switch (applied.outcome) {
    case ChecksumOutcome::UnknownFormat:
      dialogs.message({texts.unknownFormat, texts.title, Buttons::Ok, Icon::None});
      return applied.outcome;
    case ChecksumOutcome::Damaged:
      showTdbDamaged(dialogs, texts, path, applied.damage);
      return applied.outcome;
    case ChecksumOutcome::Written:
      break;
    default:
      return applied.outcome;
  }
  const std::string_view area = std::string_view(content.bytes)
                                    .substr(applied.areaStart, applied.areaEnd - applied.areaStart);
  const FileStatus written = patchFile(path, applied.areaStart, area);
  return written == FileStatus::Ok ? ChecksumOutcome::Written : ChecksumOutcome::FileError;
}

}  // namespace mapsetdesk
