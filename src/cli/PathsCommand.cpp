#include <ostream>

#include "cli/CommandLine.h"
#include "platform/SystemFacts.h"

namespace mapsetdesk::cli {

namespace {

int paths(Context& context) {
  const StorageLocations locations = storageLocations(context.platform);
  const auto facts = openSystemFacts(context.platform);
  auto& out = context.out;
  out << "data-root: " << locations.dataRoot << '\n';
  out << "registry: " << locations.registry << '\n';
  out << "programdata: " << facts->specialFolder(kFolderCommonAppData) << '\n';
  out << "appdata: " << facts->specialFolder(kFolderAppData) << '\n';
  out << "localappdata: " << facts->specialFolder(kFolderLocalAppData) << '\n';
  out << "windows: " << facts->WinDir() << '\n';
  out << "program-folder: " << context.programFolder << '\n';
  return 0;
}

}  // namespace

void addPaths(CommandLine& commandLine) { commandLine.add("paths", paths); }

}  // namespace mapsetdesk::cli
