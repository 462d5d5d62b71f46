#include "common/ImgContainer.h"

#include <algorithm>
#include <map>
#include <utility>

#include "common/Bytes.h"

namespace mapsetdesk::standin {
namespace {

// Header offsets.
constexpr std::size_t kSignature = 0x10;       // "DSKIMG\0"
constexpr std::size_t kDirectoryStart = 0x40;  // u8, in 512-byte units
constexpr std::size_t kFileIdentifier = 0x41;  // "GARMIN\0"
constexpr std::size_t kDescription = 0x49;     // 20 bytes, blank padded
constexpr std::size_t kBlockExponent1 = 0x61;
constexpr std::size_t kBlockExponent2 = 0x62;
constexpr std::size_t kDescriptionMore = 0x65;      // 30 bytes, blank padded
constexpr std::size_t kPartitionSignature = 0x1FE;  // 0x55 0xAA
constexpr std::string_view kDskimg{"DSKIMG\0", 7};
constexpr std::string_view kGarmin{"GARMIN\0", 7};

// Directory entries, each 512 bytes whatever the block size.
constexpr std::size_t kEntrySize = 512;
constexpr std::size_t kEntryName = 0x01;
constexpr std::size_t kEntryType = 0x09;
constexpr std::size_t kEntrySize32 = 0x0C;
constexpr std::size_t kEntryFlag = 0x10;    // 3 marks the entry of header and directory
constexpr std::size_t kEntryPart = 0x11;    // u16
constexpr std::size_t kEntryUnused = 0x13;  // zeros up to the block numbers
constexpr std::size_t kEntryBlocks = 0x20;  // 240 u16 block numbers, 0xFFFF unused
constexpr std::size_t kBlocksPerEntry = 240;
constexpr std::uint32_t kUnusedBlock = 0xFFFF;
constexpr std::uint8_t kHeaderEntryFlag = 3;
constexpr std::size_t kWrittenDirectoryStart = 2;

std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.pop_back();
  return text;
}

struct EntryParts {
  std::uint32_t size = 0;
  std::map<std::uint32_t, std::vector<std::uint32_t>> blocksByPart;
};

std::optional<std::string> gather(std::string_view file, const EntryParts& parts,
                                  std::size_t blockSize) {
  std::string bytes;
  for (const auto& [part, blocks] : parts.blocksByPart) {
    for (const std::uint32_t number : blocks) {
      const std::size_t start = number * blockSize;
      if (start >= file.size()) return std::nullopt;
      bytes += file.substr(start, blockSize);
    }
  }
  if (bytes.size() < parts.size) return std::nullopt;
  bytes.resize(parts.size);
  return bytes;
}

}  // namespace

std::optional<ImgContainer> readImgContainer(std::string_view stored) {
  if (stored.size() < kEntrySize * 2) return std::nullopt;
  std::string file(stored);
  const char key = file[0];
  for (char& byte : file) byte = static_cast<char>(byte ^ key);
  file[0] = key;
  if (file.compare(kSignature, kDskimg.size(), kDskimg) != 0) return std::nullopt;
  const unsigned exponent = static_cast<std::uint8_t>(file[kBlockExponent1]) +
                            static_cast<std::uint8_t>(file[kBlockExponent2]);
  if (exponent < 9 || exponent > 24) return std::nullopt;
  const std::size_t blockSize = std::size_t{1} << exponent;
  const std::size_t directory = static_cast<std::uint8_t>(file[kDirectoryStart]) * kEntrySize;
  if (directory + kEntrySize > file.size()) return std::nullopt;
  const std::size_t headerEnd =
      std::min<std::size_t>(readU32(file, directory + kEntrySize32), file.size());

  ImgContainer container;
  container.description =
      trimmed(file.substr(kDescription, 20)) + trimmed(file.substr(kDescriptionMore, 30));
  std::vector<std::pair<std::string, std::string>> order;
  std::map<std::pair<std::string, std::string>, EntryParts> entries;
  for (std::size_t at = directory; at + kEntrySize <= headerEnd; at += kEntrySize) {
    const std::string_view record = std::string_view(file).substr(at, kEntrySize);
    if (record[0] != 1 || static_cast<std::uint8_t>(record[kEntryFlag]) == kHeaderEntryFlag)
      continue;
    const auto id = std::make_pair(trimmed(std::string(record.substr(kEntryName, 8))),
                                   trimmed(std::string(record.substr(kEntryType, 3))));
    if (!entries.count(id)) order.push_back(id);
    EntryParts& parts = entries[id];
    const std::uint32_t part = readU16(record, kEntryPart);
    if (part == 0) parts.size = readU32(record, kEntrySize32);
    for (std::size_t i = 0; i < kBlocksPerEntry; ++i) {
      const std::uint32_t number = readU16(record, kEntryBlocks + 2 * i);
      if (number != kUnusedBlock) parts.blocksByPart[part].push_back(number);
    }
  }
  for (const auto& id : order) {
    auto bytes = gather(file, entries[id], blockSize);
    if (!bytes) return std::nullopt;
    container.subfiles.push_back({id.first, id.second, std::move(*bytes)});
  }
  return container;
}

namespace {

std::size_t blocksFor(std::size_t bytes, std::size_t blockSize) {
  return (bytes + blockSize - 1) / blockSize;
}

// The smallest block size with which every subfile, and the header with the
// directory, fit into one directory entry each.
std::size_t chooseBlockSize(const ImgContainer& container) {
  const std::size_t headerBytes =
      kWrittenDirectoryStart * kEntrySize + (container.subfiles.size() + 1) * kEntrySize;
  for (std::size_t blockSize = 512;; blockSize *= 2) {
    bool fits = blocksFor(headerBytes, blockSize) <= kBlocksPerEntry;
    for (const Subfile& subfile : container.subfiles)
      fits = fits && blocksFor(subfile.bytes.size(), blockSize) <= kBlocksPerEntry;
    if (fits) return blockSize;
  }
}

std::string entry(std::string_view name, std::string_view type, std::size_t size, std::uint8_t flag,
                  std::size_t firstBlock, std::size_t blockCount) {
  ByteSink sink;
  sink.u8(1).field(name, 8, ' ').field(type, 3, ' ').u32(static_cast<std::uint32_t>(size));
  sink.u8(flag).u16(0).field("", kEntryBlocks - kEntryUnused, '\0');
  for (std::size_t i = 0; i < kBlocksPerEntry; ++i)
    sink.u16(i < blockCount ? static_cast<std::uint32_t>(firstBlock + i) : kUnusedBlock);
  return sink.take();
}

std::string header(const ImgContainer& container, std::size_t blockSize) {
  std::string bytes(kEntrySize, '\0');
  auto put = [&bytes](std::size_t at, std::string_view text) {
    bytes.replace(at, text.size(), text);
  };
  put(kSignature, kDskimg);
  bytes[kDirectoryStart] = static_cast<char>(kWrittenDirectoryStart);
  put(kFileIdentifier, kGarmin);
  put(kDescription, ByteSink().field(container.description, 20, ' ').str());
  unsigned exponent = 0;
  while ((std::size_t{512} << exponent) < blockSize) ++exponent;
  bytes[kBlockExponent1] = 9;
  bytes[kBlockExponent2] = static_cast<char>(exponent);
  const std::string more =
      container.description.size() > 20 ? container.description.substr(20) : std::string();
  put(kDescriptionMore, ByteSink().field(more, 30, ' ').str());
  bytes[kPartitionSignature] = static_cast<char>(0x55);
  bytes[kPartitionSignature + 1] = static_cast<char>(0xAA);
  return bytes;
}

}  // namespace

std::string writeImgContainer(const ImgContainer& container) {
  const std::size_t blockSize = chooseBlockSize(container);
  const std::size_t headerBytes =
      kWrittenDirectoryStart * kEntrySize + (container.subfiles.size() + 1) * kEntrySize;
  const std::size_t headerBlocks = blocksFor(headerBytes, blockSize);
  std::string directory =
      entry("", "", headerBlocks * blockSize, kHeaderEntryFlag, 0, headerBlocks);
  std::string data;
  std::size_t nextBlock = headerBlocks;
  for (const Subfile& subfile : container.subfiles) {
    const std::size_t count = blocksFor(subfile.bytes.size(), blockSize);
    directory += entry(subfile.name, subfile.type, subfile.bytes.size(), 0, nextBlock, count);
    std::string padded = subfile.bytes;
    padded.resize(count * blockSize, '\0');
    data += padded;
    nextBlock += count;
  }
  std::string file = header(container, blockSize);
  file.resize(kWrittenDirectoryStart * kEntrySize, '\0');
  file += directory;
  file.resize(headerBlocks * blockSize, '\0');
  return file + data;
}

}  // namespace mapsetdesk::standin
