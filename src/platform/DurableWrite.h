#pragma once
// Writing a file so that its data are on the disk, not only in the system's
// cache, before the next step: a rename that follows cannot leave an empty or
// partly written file behind after a power cut.
#include <filesystem>
#include <string_view>

namespace mapsetdesk {

enum class Written { Ok, NotCreated, Failed };

// Creates or truncates the file, writes the content and flushes it to the disk.
Written writeDurably(const std::filesystem::path& file, std::string_view content);

// Adds the content at the end of an existing file and flushes it to the
// disk: no rename and no folder to flush, so it costs less than a rewrite. A
// power cut may leave part of the content, never anything before it changed.
bool appendDurably(const std::filesystem::path& file, std::string_view content);

// Flushes a file that was written through a stream to the disk; false when
// it cannot be opened or flushed.
bool syncFile(const std::filesystem::path& file);

// Gives `to` the attributes (Windows) or permission bits (POSIX) of `from`;
// nothing when `from` is missing.
void copyFileAttributes(const std::filesystem::path& from, const std::filesystem::path& to);

// Renames `from` over `to` and makes the change of the folder durable too.
bool renameDurably(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace mapsetdesk
