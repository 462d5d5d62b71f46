#include "formats/ImgDirectory.h"

#include <algorithm>
#include <map>
#include <utility>

#include "formats/ByteReader.h"
#include "formats/ImgLayout.h"
#include "formats/PlainText.h"

namespace mapsetdesk {
namespace {

std::string trimmed(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.remove_suffix(1);
  return std::string(text);
}

struct HeaderFacts {
  std::size_t directoryStart = 0;
  std::size_t blockSize = 0;
};

std::optional<HeaderFacts> headerFacts(std::string_view plain) {
  ByteReader reader(plain, img::kSignature);
  if (reader.bytes(img::kDskimg.size()) != img::kDskimg) return std::nullopt;
  reader.seek(img::kDirectoryStart);
  const std::size_t directoryStart = reader.u8() * kImgSectorSize;
  reader.seek(img::kBlockExponent1);
  const unsigned exponent = reader.u8() + reader.u8();
  if (!reader.ok() || exponent < 9 || exponent > 24 || directoryStart < kImgSectorSize)
    return std::nullopt;
  return HeaderFacts{directoryStart, std::size_t{1} << exponent};
}

// The XOR byte is the file's first byte, so a slice from further on is
// unscrambled with the key of the whole file.
std::string plainCopy(std::string_view stored, std::size_t count, std::uint8_t key) {
  std::string plain(stored.substr(0, count));
  unscramble(plain, key);
  return plain;
}

std::uint8_t keyOf(std::string_view head) {
  return head.empty() ? 0 : static_cast<std::uint8_t>(head[0]);
}

struct Parts {
  std::uint32_t size = 0;
  std::map<std::uint32_t, std::vector<std::uint32_t>> blocksByPart;
};

// The subfiles' entries of the directory, their parts gathered, in the order
// of their first part.
class EntryParts {
 public:
  void add(std::string_view record) {
    ByteReader entry(record);
    const std::uint8_t used = entry.u8();
    std::string name = trimmed(entry.bytes(8));
    auto id = std::make_pair(std::move(name), trimmed(entry.bytes(3)));
    const std::uint32_t size = entry.u32();
    const std::uint8_t flag = entry.u8();
    const std::uint32_t part = entry.u16();
    if (used != 1 || flag == img::kHeaderEntryFlag) return;
    if (!parts_.count(id)) order_.push_back(id);
    Parts& found = parts_[id];
    auto [blocks, isNew] = found.blocksByPart.try_emplace(part);
    if (!isNew) repeated_ = true;
    if (part == 0) found.size = size;
    entry.seek(img::kEntryBlocks);
    for (std::size_t i = 0; i < img::kBlocksPerEntry; ++i) {
      const std::uint32_t block = entry.u16();
      if (block != img::kUnusedBlock) blocks->second.push_back(block);
    }
  }

  // A second entry for a part already given: two subfiles of one name.
  bool repeated() const { return repeated_; }

  std::vector<ImgEntry> entries() const {
    std::vector<ImgEntry> all;
    for (const auto& id : order_) {
      const Parts& found = parts_.at(id);
      ImgEntry entry{id.first, id.second, found.size, {}};
      for (const auto& [part, blocks] : found.blocksByPart)
        entry.blocks.insert(entry.blocks.end(), blocks.begin(), blocks.end());
      all.push_back(std::move(entry));
    }
    return all;
  }

 private:
  std::vector<std::pair<std::string, std::string>> order_;
  std::map<std::pair<std::string, std::string>, Parts> parts_;
  bool repeated_ = false;
};

// Every block the entry's bytes occupy lies inside the file, and there are
// enough of them for its size.
ImgDirectoryFault sizeFault(const ImgEntry& entry, std::size_t blockSize, std::uint64_t fileSize) {
  if (std::uint64_t{entry.blocks.size()} * blockSize < entry.size)
    return ImgDirectoryFault::SizeBeyondBlocks;
  std::uint64_t left = entry.size;
  for (const std::uint32_t block : entry.blocks) {
    if (left == 0) break;
    const std::uint64_t used = std::min<std::uint64_t>(left, blockSize);
    if (std::uint64_t{block} * blockSize + used > fileSize) return ImgDirectoryFault::PastEnd;
    left -= used;
  }
  return ImgDirectoryFault::None;
}

// Each block belongs to one subfile and lies after the directory, so the
// subfiles together never hold more bytes than the file.
class BlockOwners {
 public:
  BlockOwners(std::size_t blockSize, std::size_t directoryEnd)
      : firstFree_((directoryEnd + blockSize - 1) / blockSize), owned_(img::kUnusedBlock + 1) {}

  bool claim(const ImgEntry& entry) {
    for (const std::uint32_t block : entry.blocks) {
      if (block < firstFree_ || owned_[block]) return false;
      owned_[block] = true;
    }
    return true;
  }

 private:
  std::size_t firstFree_;
  std::vector<bool> owned_;
};

ImgDirectoryFault entryFault(const ImgEntry& entry, std::size_t blockSize,
                             std::uint64_t fileSize, BlockOwners& owners) {
  const ImgDirectoryFault fault = sizeFault(entry, blockSize, fileSize);
  if (fault != ImgDirectoryFault::None) return fault;
  return owners.claim(entry) ? ImgDirectoryFault::None : ImgDirectoryFault::BlockReused;
}

std::string description(std::string_view plain) {
  ByteReader reader(plain, img::kDescription);
  std::string text = trimmed(reader.bytes(img::kDescriptionLength));
  reader.seek(img::kDescriptionMore);
  return withoutControlCharacters(text + trimmed(reader.bytes(img::kDescriptionMoreLength)));
}

}  // namespace

void unscramble(std::string& bytes, std::uint8_t xorByte) {
  if (xorByte == 0) return;
  for (char& byte : bytes) byte = static_cast<char>(static_cast<std::uint8_t>(byte) ^ xorByte);
}

std::optional<std::size_t> imgDirectoryEnd(std::string_view head) {
  const std::string plain = plainCopy(head, kImgSectorSize, keyOf(head));
  const auto facts = headerFacts(plain);
  if (!facts) return std::nullopt;
  const std::size_t firstEntryEnd = facts->directoryStart + img::kEntrySize;
  if (head.size() < firstEntryEnd) return firstEntryEnd;
  const std::string entry =
      plainCopy(head.substr(facts->directoryStart), img::kEntrySize, keyOf(head));
  return std::max<std::size_t>(ByteReader(entry, img::kEntrySize32).u32(), firstEntryEnd);
}

std::optional<ImgDirectory> readImgDirectory(std::string_view head, std::uint64_t fileSize,
                                             ImgDirectoryFault* fault) {
  ImgDirectoryFault ignored;
  ImgDirectoryFault& found = fault ? *fault : ignored;
  found = ImgDirectoryFault::NotImg;
  const auto end = imgDirectoryEnd(head);
  if (!end) return std::nullopt;
  found = ImgDirectoryFault::PastEnd;
  if (*end > head.size() || *end > fileSize) return std::nullopt;
  const std::string plain = plainCopy(head, *end, keyOf(head));
  const auto facts = headerFacts(plain);
  if (!facts) return std::nullopt;

  ImgDirectory directory;
  directory.xorByte = keyOf(head);
  directory.blockSize = facts->blockSize;
  directory.description = description(plain);
  EntryParts parts;
  for (std::size_t at = facts->directoryStart; at + img::kEntrySize <= *end; at += img::kEntrySize)
    parts.add(std::string_view(plain).substr(at, img::kEntrySize));
  found = ImgDirectoryFault::RepeatedEntry;
  if (parts.repeated()) return std::nullopt;
  BlockOwners owners(directory.blockSize, *end);
  for (ImgEntry& entry : parts.entries()) {
    found = entryFault(entry, directory.blockSize, fileSize, owners);
    if (found != ImgDirectoryFault::None) return std::nullopt;
    directory.entries.push_back(std::move(entry));
  }
  found = ImgDirectoryFault::None;
  return directory;
}

}  // namespace mapsetdesk
