#include "check/RepairSnapshot.h"

#include <filesystem>
#include <system_error>

#include "formats/FileBytes.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"

namespace mapsetdesk {
namespace {

constexpr Root kMachine = Root::LocalMachine;

bool fileAsBefore(const std::string& path, const std::optional<std::string>& bytes) {
  if (!bytes) {
    std::error_code error;
    std::filesystem::remove(filePath(path), error);
    return !error;
  }
  const FileContent now = readFileBytes(path);
  if (now.status == FileStatus::Ok && now.bytes == *bytes) return true;
  return replaceFile(path, *bytes);
}

bool valueAsBefore(Registry& registry, const std::string& key,
                   const std::optional<RegValue>& value, const std::string& name) {
  const auto now = registry.queryValue(kMachine, key, name);
  if (now == value) return true;
  return value ? registry.setValue(kMachine, key, *value) : registry.deleteValue(kMachine, key, name);
}

}  // namespace

void RepairSnapshot::keepFile(const std::string& path) {
  if (path.empty()) return;
  const FileContent content = readFileBytes(path);
  // A file that is there but cannot be read cannot be changed either.
  if (content.status == FileStatus::Ok) files_.push_back({path, content.bytes});
  if (content.status == FileStatus::Missing) files_.push_back({path, std::nullopt});
}

void RepairSnapshot::keepValue(Registry& registry, const std::string& key,
                               const std::string& name) {
  const std::string ansiKey = toAnsi(key);
  const std::string ansiName = toAnsi(name);
  values_.push_back({ansiKey, ansiName, registry.queryValue(kMachine, ansiKey, ansiName)});
}

bool RepairSnapshot::putBack(Registry& registry) const {
  bool whole = true;
  for (const KeptFile& file : files_) whole = fileAsBefore(file.path, file.bytes) && whole;
  for (const KeptValue& kept : values_)
    whole = valueAsBefore(registry, kept.key, kept.value, kept.name) && whole;
  return whole;
}

}  // namespace mapsetdesk
