#include "builtin/JavaRuntime.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "platform/ProgramSearch.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk::builtin {
namespace {

constexpr char kJavaSoftKey[] = "SOFTWARE\\JavaSoft\\Java Runtime Environment";
constexpr char kSystemMkgmap[] = "/usr/share/mkgmap/mkgmap.jar";
constexpr std::string_view kJavaJar = "java -jar ";
constexpr std::string_view kJarName = "mkgmap.jar";

std::string lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string inQuotes(const std::string& path) { return "\"" + path + "\""; }

}  // namespace

std::string javaProgram() {
  const std::string home = environment("JAVA_HOME");
  if (!home.empty()) {
    const std::string java = joinPath(joinPath(home, "bin"), executableName("java"));
    if (isFile(java)) return java;
  }
  return programOnPath("java");
}

bool javaInstalled(Registry& registry) {
  return !fRegAbfrageWert(registry, Root::LocalMachine, kJavaSoftKey, "CurrentVersion").empty() ||
         !javaProgram().empty();
}

std::string mkgmapJar(const std::string& programFolder) {
  const std::string beside = joinPath(programFolder, std::string(kJarName));
  if (isFile(beside)) return beside;
  const std::string chosen = environment("MAPSETDESK_MKGMAP");
  if (isFile(chosen)) return chosen;
  if (isFile(kSystemMkgmap)) return kSystemMkgmap;
  return {};
}

std::string withJavaAndMkgmapFound(const std::string& commandLine) {
  const std::string line = lowered(commandLine);
  const auto jarEnd = line.find(kJarName);
  if (line.rfind(kJavaJar, 0) != 0 || jarEnd == std::string::npos) return commandLine;
  std::size_t restStart = jarEnd + kJarName.size();
  if (restStart < commandLine.size() && commandLine[restStart] == '"') ++restStart;
  std::string jar = commandLine.substr(kJavaJar.size(), restStart - kJavaJar.size());
  jar.erase(std::remove(jar.begin(), jar.end(), '"'), jar.end());
  if (!isFile(jar)) {
    const auto slash = jar.find_last_of("\\/");
    const std::string found = mkgmapJar(slash == std::string::npos ? "" : jar.substr(0, slash));
    if (!found.empty()) jar = found;
  }
  const std::string java = javaProgram();
  return (java.empty() ? std::string("java") : inQuotes(java)) + " -jar " + inQuotes(jar) +
         commandLine.substr(restStart);
}

}  // namespace mapsetdesk::builtin
