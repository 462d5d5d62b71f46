#pragma once
// What a recorded thing looks like now, as a short text: after an action its
// state is kept, and an undo goes ahead only while every state is unchanged.
#include <cstdint>
#include <optional>
#include <string>

#include "history/JournalRecord.h"
#include "platform/Registry.h"

namespace mapsetdesk {

inline constexpr char kAbsent[] = "absent";

// The bytes at offset; nullopt when the file is missing, unreadable or too short.
std::optional<std::string> readRange(const std::string& path, std::uint64_t offset,
                                     std::size_t size);

std::string currentState(Registry& registry, const JournalRecord& record);
// The state of a patch that holds bytes.
std::string bytesState(const std::string& bytes);

// A file by its size and CRC-32, a folder by the names and sizes of
// everything in it.
std::string pathState(const std::string& path);

}  // namespace mapsetdesk
