#include "builtin/ToolSelection.h"

#include <algorithm>
#include <cctype>

#include "builtin/JavaRuntime.h"
#include "platform/FilePath.h"

namespace mapsetdesk::builtin {
namespace {

// Where the last component of a path starts: after its last separator.
std::size_t lastComponentStart(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? 0 : slash + 1;
}

std::string lastComponentLowered(const std::string& path) {
  std::string name = path.substr(lastComponentStart(path));
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name;
}

std::string besideIt(const std::string& path, const std::string& name) {
  return path.substr(0, lastComponentStart(path)) + name;
}

std::string folderOf(const std::string& path) {
  const std::size_t start = lastComponentStart(path);
  return start == 0 ? std::string() : path.substr(0, start - 1);
}

bool present(const std::string& path, OutsideTool tool) {
  return isFile(path) || (tool == OutsideTool::Gmt && isFile(path + ".exe"));
}

}  // namespace

OutsideTool outsideToolNamed(const std::string& path) {
  const std::string name = lastComponentLowered(path);
  if (name == "gmt" || name == "gmt.exe") return OutsideTool::Gmt;
  if (name == "cgpsmapper.exe") return OutsideTool::Cgpsmapper;
  if (name == "sendg.dll") return OutsideTool::Sendg;
  if (name == "setacl.exe") return OutsideTool::SetAcl;
  if (name == "java" || name == "java.exe") return OutsideTool::Java;
  if (name == "mkgmap.jar") return OutsideTool::Mkgmap;
  return OutsideTool::None;
}

bool ToolSelection::builtinRuns(const std::string& path) const {
  const OutsideTool tool = outsideToolNamed(path);
  if (tool == OutsideTool::None || tool == OutsideTool::Java || tool == OutsideTool::Mkgmap)
    return false;
  switch (choice_()) {
    case ToolsChoice::Extern:
      return false;
    case ToolsChoice::Intern:
      return true;
    case ToolsChoice::Auto:
      break;
  }
  // sendg.dll only serves the outside compiler: it is needed exactly when
  // that compiler is there to run.
  if (tool == OutsideTool::Sendg) return !isFile(besideIt(path, "cgpsmapper.exe"));
  return !present(path, tool);
}

bool ToolSelection::canWork(const std::string& path) const {
  const OutsideTool tool = outsideToolNamed(path);
  if (present(path, tool) || builtinRuns(path)) return true;
  if (outsideOnly()) return false;
  if (tool == OutsideTool::Java) return !javaProgram().empty();
  if (tool == OutsideTool::Mkgmap) return !mkgmapJar(folderOf(path)).empty();
  return false;
}

}  // namespace mapsetdesk::builtin
