#include "install/HelperFiles.h"

#include <filesystem>
#include <system_error>

#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"
#include "platform/Platform.h"
#include "platform/ShortPath.h"

namespace mapsetdesk {
namespace {

std::string lines(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts) joined += toAnsi(text) + "\r\n";
  return joined;
}

std::string temporaryFolder() {
  std::error_code error;
  const auto folder = std::filesystem::temp_directory_path(error);
  return error ? std::string() : pathText(folder);
}

}  // namespace

std::string tileListText(const std::vector<std::string>& tiles) {
  std::vector<std::string> paths;
  paths.reserve(tiles.size());
  for (const std::string& tile : tiles) paths.push_back(shortPath(tile));
  return lines(paths);
}

std::string mkgmapOptionsText(const std::string& fidText, const std::string& mapname,
                              const std::string& outputFolder) {
  return lines({"code-page=1252", "max-jobs=", "family-id=" + fidText,
                "overview-mapname=" + mapname, "series-name=" + mapname,
                "family-name=" + mapname, "tdbfile", "poi-address", "output-dir=" + outputFolder,
                "gmapi"});
}

std::string mkgmapInputsText(const std::vector<std::string>& tiles) {
  std::vector<std::string> inputs;
  inputs.reserve(tiles.size());
  for (const std::string& tile : tiles) inputs.push_back("input-file=" + tile);
  return lines(inputs);
}

std::string writeHelperFile(const std::string& programFolder, const std::string& name,
                            const std::string& content) {
  for (const std::string& folder : {programFolder, temporaryFolder()}) {
    if (folder.empty()) continue;
    const std::string path = joinPath(folder, name);
    if (replaceFile(path, content)) return path;
  }
  return {};
}

}  // namespace mapsetdesk
