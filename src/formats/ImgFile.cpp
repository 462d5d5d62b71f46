#include "formats/ImgFile.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/FilePath.h"

namespace mapsetdesk {
namespace {

// Large enough to read fast, small enough to keep memory flat.
constexpr std::size_t kChunk = std::size_t{1} << 20;
// A directory numbers at most 0xFFFF blocks, so it never needs more entries
// than that; a header that claims more is damaged.
constexpr std::size_t kLargestHead = (0x10000 + 256) * kImgSectorSize;

ImgFileProblem problemOf(ImgDirectoryFault fault) {
  switch (fault) {
    case ImgDirectoryFault::None: return ImgFileProblem::None;
    case ImgDirectoryFault::NotImg: return ImgFileProblem::NotImg;
    case ImgDirectoryFault::PastEnd: return ImgFileProblem::DirectoryPastEnd;
    case ImgDirectoryFault::BlockReused: return ImgFileProblem::BlockReused;
    case ImgDirectoryFault::SizeBeyondBlocks: return ImgFileProblem::SizeBeyondBlocks;
    case ImgDirectoryFault::RepeatedEntry: return ImgFileProblem::RepeatedEntry;
  }
  return ImgFileProblem::NotImg;
}

}  // namespace

const char* describe(ImgFileProblem problem) {
  switch (problem) {
    case ImgFileProblem::None: return "ok";
    case ImgFileProblem::CannotOpen: return "the file cannot be opened";
    case ImgFileProblem::NotImg: return "it is no IMG file";
    case ImgFileProblem::DirectoryPastEnd: return "its directory points past its end";
    case ImgFileProblem::ReadFailed: return "the file cannot be read";
    case ImgFileProblem::BlockReused: return "its directory gives one block to two places";
    case ImgFileProblem::SizeBeyondBlocks: return "a subfile is larger than its blocks";
    case ImgFileProblem::RepeatedEntry: return "two subfiles have the same name";
  }
  return "unknown";
}

ImgFile ImgFile::open(const std::string& path) {
  ImgFile file;
  std::error_code error;
  const std::filesystem::path where = filePath(path);
  file.size_ = std::filesystem::file_size(where, error);
  // Unbuffered: the reads are large already, and a header read takes no
  // more from the disk than it asks for.
  file.in_.rdbuf()->pubsetbuf(nullptr, 0);
  if (!error) file.in_.open(where, std::ios::binary);
  if (error || !file.in_) {
    file.problem_ = ImgFileProblem::CannotOpen;
    return file;
  }
  file.readHead();
  return file;
}

bool ImgFile::readAt(std::uint64_t offset, char* into, std::size_t count) {
  if (offset > size_ || count > size_ - offset) return false;
  in_.clear();
  in_.seekg(static_cast<std::streamoff>(offset));
  in_.read(into, static_cast<std::streamsize>(count));
  bytesRead_ += static_cast<std::uint64_t>(in_.gcount());
  return static_cast<std::size_t>(in_.gcount()) == count;
}

bool ImgFile::readHead() {
  std::string head;
  std::size_t wanted = kImgSectorSize;
  for (;;) {
    if (wanted > size_ || wanted > kLargestHead) {
      problem_ = head.empty() ? ImgFileProblem::NotImg : ImgFileProblem::DirectoryPastEnd;
      return false;
    }
    const std::size_t had = head.size();
    head.resize(wanted);
    if (!readAt(had, head.data() + had, wanted - had)) {
      problem_ = ImgFileProblem::ReadFailed;
      return false;
    }
    const auto end = imgDirectoryEnd(head);
    if (!end) {
      problem_ = ImgFileProblem::NotImg;
      return false;
    }
    if (*end <= head.size()) break;
    wanted = *end;
  }
  ImgDirectoryFault fault = ImgDirectoryFault::None;
  auto directory = readImgDirectory(head, size_, &fault);
  if (!directory) {
    problem_ = problemOf(fault);
    return false;
  }
  directory_ = std::move(*directory);
  return true;
}

template <typename Take>
bool ImgFile::forEachRun(const ImgEntry& entry, std::uint64_t count, Take take) {
  const std::size_t blockSize = directory_.blockSize;
  std::vector<char> buffer;
  std::uint64_t left = std::min<std::uint64_t>(count, entry.size);
  std::size_t index = 0;
  while (left > 0 && index < entry.blocks.size()) {
    // A run of blocks that follow each other in the file, up to one chunk.
    std::size_t run = 1;
    while (index + run < entry.blocks.size() && run * blockSize < kChunk &&
           entry.blocks[index + run] == entry.blocks[index] + run)
      ++run;
    const auto bytes = static_cast<std::size_t>(std::min<std::uint64_t>(run * blockSize, left));
    buffer.resize(bytes);
    if (!readAt(std::uint64_t{entry.blocks[index]} * blockSize, buffer.data(), bytes)) return false;
    if (directory_.xorByte != 0)
      for (char& byte : buffer)
        byte = static_cast<char>(byte ^ static_cast<char>(directory_.xorByte));
    if (!take(buffer)) return false;
    left -= bytes;
    index += run;
  }
  return left == 0;
}

bool ImgFile::copyTo(const ImgEntry& entry, std::ostream& out) {
  if (problem_ != ImgFileProblem::None) return false;
  return forEachRun(entry, entry.size, [&out](const std::vector<char>& bytes) {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
  });
}

std::optional<std::string> ImgFile::readStart(const ImgEntry& entry, std::size_t count) {
  if (problem_ != ImgFileProblem::None) return std::nullopt;
  std::string start;
  const bool read = forEachRun(entry, count, [&start](const std::vector<char>& bytes) {
    start.append(bytes.data(), bytes.size());
    return true;
  });
  if (!read) return std::nullopt;
  return start;
}

}  // namespace mapsetdesk
