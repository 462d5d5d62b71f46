#include "formats/TdbRename.h"

#include <vector>

#include "formats/ByteReader.h"
#include "formats/FileBytes.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "platform/Codec.h"
#include "platform/FileReplace.h"
#include "platform/TextReplace.h"

namespace mapsetdesk {
namespace {

// Index of the last block with the identifier, or the block count when none.
std::size_t lastBlock(const std::vector<TdbBlock>& blocks, std::uint8_t id) {
  for (std::size_t i = blocks.size(); i > 0; --i)
    if (blocks[i - 1].id == id) return i - 1;
  return blocks.size();
}

// Where the name strings stand: the family name after the series name's
// zero and the u16 product version; the preview text after one flag byte;
// the overview's description after its map numbers and bounds. Only these
// strings change: bytes of the numbers may spell the name by chance.
constexpr std::size_t kFamilyNameAfterZero = 1 + 2;
constexpr std::size_t kTextBlockString = 1;
constexpr std::size_t kOverviewBlockString = 4 + 4 + 4 * 4;

// The payload with the old name replaced inside the zero-terminated string
// at offset; a payload too short to hold it stays as it is.
std::string withStringRenamed(std::string_view payload, std::size_t offset,
                              std::string_view oldName, std::string_view newName) {
  const std::size_t zero = payload.find('\0', offset);
  if (offset >= payload.size() || zero == std::string_view::npos) return std::string(payload);
  return std::string(payload.substr(0, offset)) +
         replacedEverywhere(payload.substr(offset, zero - offset), oldName, newName) +
         std::string(payload.substr(zero));
}

// The header keeps its ID and version fields; the name field takes the new
// name, and the family name after it has its occurrences replaced.
std::string headerPayload(std::string_view file, const TdbBlock& block, const TdbHeader& header,
                          std::string_view newName) {
  const std::string_view fields = file.substr(block.payload(), kTdbNameOffset - block.payload());
  const std::string_view rest = file.substr(header.nameEnd, block.end() - header.nameEnd);
  return std::string(fields).append(newName).append(
      withStringRenamed(rest, kFamilyNameAfterZero, header.name, newName));
}

TdbRenamed refused(TdbDamage damage) {
  TdbRenamed result;
  result.damage = damage;
  return result;
}

bool appendBlock(std::string& out, std::uint8_t id, std::string_view payload) {
  if (payload.size() > kTdbMaxPayload) return false;
  out += static_cast<char>(id);
  out += u16Bytes(static_cast<std::uint16_t>(payload.size()));
  out.append(payload);
  return true;
}

}  // namespace

TdbRenamed renameTdbBytes(std::string_view file, std::string_view newName) {
  // Refused as a damaged file would be: written, either name would make the
  // file read as damaged or as holding another name.
  if (newName.find('\0') != std::string_view::npos) return refused(TdbDamage::NameHasZero);
  if (kTdbNameOffset + newName.size() > kTdbMaxNameEnd) return refused(TdbDamage::NameTooLong);
  if (file.size() < kTdbMinChecksumFile) return refused(TdbDamage::TooShort);
  const TdbLayout layout = walkTdbBlocks(file);
  if (layout.damage != TdbDamage::None) return refused(layout.damage);
  if (layout.blocks.front().id != kTdbHeaderBlock) return refused(TdbDamage::NoHeaderBlock);
  const TdbHeaderResult parsed = parseTdbHeader(file);
  if (parsed.damage != TdbDamage::None) return refused(parsed.damage);
  const TdbHeader& header = parsed.header;

  const std::vector<TdbBlock>& blocks = layout.blocks;
  const std::size_t text = lastBlock(blocks, kTdbTextBlock);
  const std::size_t overview = lastBlock(blocks, kTdbOverviewBlock);
  TdbRenamed renamed;
  renamed.checksumNeeded = header.version > kTdbChecksumVersion ||
                           lastBlock(blocks, kTdbChecksumBlock) < blocks.size();
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const TdbBlock& block = blocks[i];
    const std::string_view payload = file.substr(block.payload(), block.payloadLength);
    std::string rewritten;
    if (i == 0)
      rewritten = headerPayload(file, block, header, newName);
    else if (i == text)
      rewritten = withStringRenamed(payload, kTextBlockString, header.name, newName);
    else if (i == overview)
      rewritten = withStringRenamed(payload, kOverviewBlockString, header.name, newName);
    else
      rewritten = std::string(payload);
    if (!appendBlock(renamed.bytes, block.id, rewritten)) return refused(TdbDamage::BlockTooLong);
  }
  return renamed;
}

PreparedTdbRename prepareTdbRename(const std::string& path, const std::string& newName,
                                   Dialogs& dialogs, const TdbTexts& texts) {
  PreparedTdbRename prepared;
  const FileContent content = readFileBytes(path);
  if (content.status == FileStatus::Missing) {
    dialogs.message({texts.fileMissing, texts.title, Buttons::Ok, Icon::None});
    prepared.outcome = RenameOutcome::FileMissing;
    return prepared;
  }
  if (content.status != FileStatus::Ok) {
    prepared.outcome = RenameOutcome::ReadFailed;
    return prepared;
  }
  TdbRenamed renamed = renameTdbBytes(content.bytes, toAnsi(newName));
  // The checksum goes in before the file is written, so the file on disk is
  // never without a valid one and a damaged checksum block stops the rename
  // before anything is touched.
  const ChecksumApplied checksum =
      renamed.checksumNeeded ? applyTdbChecksum(renamed.bytes) : ChecksumApplied{};
  const TdbDamage damage =
      renamed.damage != TdbDamage::None ? renamed.damage : checksum.damage;
  if (damage != TdbDamage::None) {
    showTdbDamaged(dialogs, texts, path, damage);
    prepared.outcome = RenameOutcome::Damaged;
    return prepared;
  }
  // A file that keeps a checksum is never written without a valid one.
  if (checksum.outcome == ChecksumOutcome::UnknownFormat) {
    dialogs.message({texts.unknownFormat, texts.title, Buttons::Ok, Icon::None});
    prepared.outcome = RenameOutcome::ChecksumRefused;
    return prepared;
  }
  prepared.original = content.bytes;
  prepared.renamed = std::move(renamed.bytes);
  return prepared;
}

RenameOutcome writeTdbRename(const std::string& path, const PreparedTdbRename& prepared,
                             bool quiet, Dialogs& dialogs, const TdbTexts& texts) {
  const std::string backup = path + "-BAK";
  if (!replaceFile(backup, prepared.original)) return RenameOutcome::BackupFailed;
  dialogs.message({texts.backupCreated + backup, texts.title, Buttons::Ok, Icon::None});
  if (!replaceFile(path, prepared.renamed)) return RenameOutcome::WriteFailed;
  if (!quiet)
    dialogs.message({texts.nameChanged, texts.title, Buttons::Ok, Icon::Information});
  return RenameOutcome::Renamed;
}

RenameOutcome TDBNameAendern(const std::string& path, const std::string& newName, bool quiet,
                             Dialogs& dialogs, const TdbTexts& texts) {
  const PreparedTdbRename prepared = prepareTdbRename(path, newName, dialogs, texts);
  if (prepared.outcome != RenameOutcome::Renamed) return prepared.outcome;
  return writeTdbRename(path, prepared, quiet, dialogs, texts);
}

}  // namespace mapsetdesk
