#include "install/OverviewSourcePatch.h"

#include <string_view>

#include "formats/FileBytes.h"
#include "platform/FileReplace.h"

namespace mapsetdesk {
namespace {

std::string replaceAll(std::string bytes, std::string_view from, std::string_view to) {
  std::string result;
  result.reserve(bytes.size());
  std::size_t start = 0;
  for (std::size_t found = bytes.find(from); found != std::string::npos;
       found = bytes.find(from, start)) {
    result.append(bytes, start, found - start).append(to);
    start = found + from.size();
  }
  return result.append(bytes, start, std::string::npos);
}

}  // namespace

std::string patchedOverviewSource(std::string bytes) {
  return replaceAll(replaceAll(std::move(bytes), "Label=GMapTool Preview", " "), "Type=0x0b00",
                    "Type=0x6300");
}

bool patchOverviewSourceFile(const std::string& path) {
  const FileContent source = readFileBytes(path);
  if (source.status == FileStatus::Missing) return true;
  if (source.status != FileStatus::Ok) return false;
  return replaceFile(path, patchedOverviewSource(source.bytes));
}

}  // namespace mapsetdesk
