#include "install/ToolCommandLines.h"

#include "platform/Platform.h"
#include "platform/ShortPath.h"

namespace mapsetdesk {

std::string quoted(const std::string& text) { return '"' + text + '"'; }

namespace {

std::string blanksAsUnderscores(std::string text) {
  for (char& c : text)
    if (c == ' ') c = '_';
  return text;
}

// The short path, quoted when even that holds a blank (a system that keeps
// no short names).
std::string pathArgument(const std::string& path) {
  const std::string shortForm = shortPath(path);
  return shortForm.find(' ') == std::string::npos ? shortForm : quoted(shortForm);
}

std::string cgpsmapperFolder(const std::string& programFolder) {
  return joinPath(programFolder, "Version97c");
}

}  // namespace

std::string gmtPath(const std::string& programFolder) {
  return joinPath(programFolder, "gmt.exe");
}

std::string cgpsmapperPath(const std::string& programFolder) {
  return joinPath(cgpsmapperFolder(programFolder), "cgpsmapper.exe");
}

std::string sendgPath(const std::string& programFolder) {
  return joinPath(cgpsmapperFolder(programFolder), "sendg.dll");
}

std::string mkgmapJarPath(const std::string& programFolder) {
  return joinPath(programFolder, "mkgmap.jar");
}

std::string gmtTilesCommandLine(const std::string& programFolder, const std::string& fidText,
                                const std::string& mapsetName, const std::string& mapname,
                                const std::string& outputFolder, const std::string& listFile) {
  return quoted(gmtPath(programFolder)) + " -S -f " + fidText + ",1 -m " +
         blanksAsUnderscores(mapsetName) + " -n " + mapname + " -o " + quoted(outputFolder) +
         " -c 1252 -@ " + quoted(shortPath(listFile));
}

std::string cgpsmapperCommandLine(const std::string& programFolder, const std::string& source) {
  return quoted(cgpsmapperPath(programFolder)) + " " + quoted(source);
}

std::string mkgmapCommandLine(const std::string& programFolder, const std::string& argsFile,
                              const std::string& listFile) {
  return "java -jar " + quoted(mkgmapJarPath(programFolder)) + " --read-config=" +
         quoted(argsFile) + " -c " + quoted(listFile);
}

std::string gmtUnpackCommandLine(const std::string& programFolder, const std::string& folder,
                                 const std::string& image) {
  return quoted(joinPath(programFolder, "gmt")) + " -g -o " + pathArgument(folder) + " " +
         pathArgument(image);
}

}  // namespace mapsetdesk
