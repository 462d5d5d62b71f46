#include "formats/ImgLayout.h"

#include <ctime>

#include "formats/ByteReader.h"

namespace mapsetdesk {
namespace {

constexpr std::size_t kWrittenDirectoryStart = 2;  // sectors
constexpr std::size_t kHighestBlockCount = 0xFFFF;
constexpr std::size_t kLargestBlockExponent = 24;

// Header offsets only a writer needs.
constexpr std::size_t kUpdateMonth = 0x0A;
constexpr std::size_t kUpdateYear = 0x0B;
constexpr std::size_t kHeaderVersion = 0x17;
constexpr std::size_t kGeometry = 0x18;        // u16 sectors, heads, cylinders
constexpr std::size_t kCreation = 0x39;        // u16 year, month, day, hour, minute, second
constexpr std::size_t kFileIdentifier = 0x41;  // "GARMIN\0"
constexpr std::string_view kGarmin{"GARMIN\0", 7};
constexpr std::size_t kGeometryAgain = 0x5D;  // u16 heads, sectors
constexpr std::size_t kSectorCount = 0x63;    // u16
constexpr std::size_t kPartition = 0x1BE;
constexpr std::size_t kPartitionSignature = 0x1FE;  // 0x55 0xAA

std::size_t blocksFor(std::uint64_t bytes, std::size_t blockSize) {
  return static_cast<std::size_t>((bytes + blockSize - 1) / blockSize);
}

std::size_t entriesFor(std::size_t blocks) {
  return blocks == 0 ? 1 : (blocks + img::kBlocksPerEntry - 1) / img::kBlocksPerEntry;
}

std::size_t headBytes(const std::vector<ImgEntry>& entries, std::size_t blockSize) {
  std::size_t count = 0;
  for (const ImgEntry& entry : entries) count += entriesFor(blocksFor(entry.size, blockSize));
  std::size_t bytes = (kWrittenDirectoryStart + count + 1) * img::kEntrySize;
  // The header entry itself may need more than one part.
  while (kWrittenDirectoryStart * img::kEntrySize +
             (count + entriesFor(blocksFor(bytes, blockSize))) * img::kEntrySize >
         bytes)
    bytes += img::kEntrySize;
  return blocksFor(bytes, blockSize) * blockSize;
}

std::size_t totalBlocks(const std::vector<ImgEntry>& entries, std::size_t blockSize) {
  std::size_t blocks = headBytes(entries, blockSize) / blockSize;
  for (const ImgEntry& entry : entries) blocks += blocksFor(entry.size, blockSize);
  return blocks;
}

std::size_t chooseBlockSize(const std::vector<ImgEntry>& entries) {
  std::size_t blockSize = kImgSectorSize;
  while (totalBlocks(entries, blockSize) > kHighestBlockCount &&
         blockSize < (std::size_t{1} << kLargestBlockExponent))
    blockSize *= 2;
  return blockSize;
}

void put(std::string& bytes, std::size_t at, std::string_view text) {
  bytes.replace(at, text.size(), text);
}

void putField(std::string& bytes, std::size_t at, std::string_view text, std::size_t width) {
  std::string padded(text.substr(0, width));
  padded.resize(width, ' ');
  put(bytes, at, padded);
}

std::string directoryEntries(const ImgEntry& entry, std::uint8_t flag) {
  std::string records;
  const std::size_t parts = entriesFor(entry.blocks.size());
  for (std::size_t part = 0; part < parts; ++part) {
    std::string record(img::kEntrySize, '\0');
    ByteWriter writer(record);
    writer.u8At(0, 1);
    putField(record, 1, entry.name, 8);
    putField(record, 9, entry.type, 3);
    writer.u16At(img::kEntrySize32, static_cast<std::uint16_t>(part == 0 ? entry.size : 0));
    writer.u16At(img::kEntrySize32 + 2,
                 static_cast<std::uint16_t>(part == 0 ? entry.size >> 16 : 0));
    writer.u8At(0x10, flag);
    writer.u16At(0x11, static_cast<std::uint16_t>(part));
    for (std::size_t i = 0; i < img::kBlocksPerEntry; ++i) {
      const std::size_t index = part * img::kBlocksPerEntry + i;
      writer.u16At(img::kEntryBlocks + 2 * i,
                   static_cast<std::uint16_t>(index < entry.blocks.size() ? entry.blocks[index]
                                                                          : img::kUnusedBlock));
    }
    records += record;
  }
  return records;
}

struct Geometry {
  std::uint16_t sectors;
  std::uint16_t heads;
  std::uint16_t cylinders;
};

Geometry geometryFor(std::uint64_t sectorCount) {
  Geometry geometry{4, 16, 32};
  if (sectorCount >= std::uint64_t{geometry.sectors} * geometry.heads * geometry.cylinders)
    geometry = {32, 128, 1024};
  return geometry;
}

// The disk geometry and the one partition that covers the whole file, as
// Garmin's programs expect them of a disk image.
void putGeometry(std::string& header, std::uint64_t fileBytes) {
  const std::uint64_t last = blocksFor(fileBytes, kImgSectorSize);
  const Geometry geometry = geometryFor(last);
  ByteWriter writer(header);
  writer.u16At(kGeometry, geometry.sectors);
  writer.u16At(kGeometry + 2, geometry.heads);
  writer.u16At(kGeometry + 4, geometry.cylinders);
  writer.u16At(kGeometryAgain, geometry.heads);
  writer.u16At(kGeometryAgain + 2, geometry.sectors);
  writer.u16At(kSectorCount, static_cast<std::uint16_t>(last + 1));
  const std::uint64_t track = last / geometry.sectors;
  const std::uint64_t cylinder = track / geometry.heads;
  writer.u8At(kPartition + 2, 1);  // starts at sector 1 of head 0, cylinder 0
  writer.u8At(kPartition + 5, static_cast<std::uint8_t>(track % geometry.heads));
  writer.u8At(kPartition + 6,
              static_cast<std::uint8_t>((last % geometry.sectors + 1) | ((cylinder >> 2) & 0xC0)));
  writer.u8At(kPartition + 7, static_cast<std::uint8_t>(cylinder & 0xFF));
  writer.u16At(kPartition + 12, static_cast<std::uint16_t>((last + 1) & 0xFFFF));
  writer.u16At(kPartition + 14, static_cast<std::uint16_t>((last + 1) >> 16));
  writer.u8At(kPartitionSignature, 0x55);
  writer.u8At(kPartitionSignature + 1, 0xAA);
}

void putDates(std::string& header) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  ByteWriter writer(header);
  writer.u8At(kUpdateMonth, static_cast<std::uint8_t>(local.tm_mon + 1));
  writer.u8At(kUpdateYear, static_cast<std::uint8_t>(local.tm_year));
  writer.u16At(kCreation, static_cast<std::uint16_t>(local.tm_year + 1900));
  writer.u8At(kCreation + 2, static_cast<std::uint8_t>(local.tm_mon + 1));
  writer.u8At(kCreation + 3, static_cast<std::uint8_t>(local.tm_mday));
  writer.u8At(kCreation + 4, static_cast<std::uint8_t>(local.tm_hour));
  writer.u8At(kCreation + 5, static_cast<std::uint8_t>(local.tm_min));
  writer.u8At(kCreation + 6, static_cast<std::uint8_t>(local.tm_sec));
}

std::string header(std::string_view description, std::size_t blockSize, std::uint64_t fileBytes) {
  std::string bytes(kImgSectorSize, '\0');
  put(bytes, img::kSignature, img::kDskimg);
  bytes[kHeaderVersion] = 2;
  bytes[img::kDirectoryStart] = static_cast<char>(kWrittenDirectoryStart);
  put(bytes, kFileIdentifier, kGarmin);
  putField(bytes, img::kDescription, description, img::kDescriptionLength);
  const std::string_view more = description.size() > img::kDescriptionLength
                                    ? description.substr(img::kDescriptionLength)
                                    : std::string_view();
  putField(bytes, img::kDescriptionMore, more, img::kDescriptionMoreLength);
  unsigned exponent = 0;
  while ((kImgSectorSize << exponent) < blockSize) ++exponent;
  bytes[img::kBlockExponent1] = 9;
  bytes[img::kBlockExponent2] = static_cast<char>(exponent);
  putDates(bytes);
  putGeometry(bytes, fileBytes);
  return bytes;
}

}  // namespace

std::size_t imgPadding(std::uint64_t size, std::size_t blockSize) {
  return blocksFor(size, blockSize) * blockSize - static_cast<std::size_t>(size);
}

ImgLayout layOutImg(std::string_view description, std::vector<ImgEntry> entries) {
  ImgLayout layout;
  layout.blockSize = chooseBlockSize(entries);
  const std::size_t headSize = headBytes(entries, layout.blockSize);
  std::uint32_t next = static_cast<std::uint32_t>(headSize / layout.blockSize);
  ImgEntry headEntry{"", "", static_cast<std::uint32_t>(headSize), {}};
  for (std::uint32_t block = 0; block < next; ++block) headEntry.blocks.push_back(block);
  std::uint64_t fileBytes = headSize;
  std::string directory = directoryEntries(headEntry, img::kHeaderEntryFlag);
  for (ImgEntry& entry : entries) {
    entry.blocks.clear();
    for (std::size_t i = blocksFor(entry.size, layout.blockSize); i > 0; --i)
      entry.blocks.push_back(next++);
    directory += directoryEntries(entry, 0);
    fileBytes += entry.size + imgPadding(entry.size, layout.blockSize);
  }
  layout.head = header(description, layout.blockSize, fileBytes);
  layout.head.resize(kWrittenDirectoryStart * img::kEntrySize, '\0');
  layout.head += directory;
  layout.head.resize(headSize, '\0');
  layout.entries = std::move(entries);
  return layout;
}

}  // namespace mapsetdesk
