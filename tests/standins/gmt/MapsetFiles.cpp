#include "gmt/MapsetFiles.h"

#include <cstdio>

#include "common/Bytes.h"
#include "formats/MdxWriter.h"
#include "formats/OverviewSource.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbWriter.h"
#include "platform/Platform.h"

namespace mapsetdesk::standin {
namespace {

constexpr const char* kCrLf = "\r\n";

// gmt.exe's overview source ends with an area over the whole mapset, typed
// and labelled in a way the installation patches.
std::string overviewSource(const Mapset& mapset, bool withPreviewLabel) {
  std::string text = writeOverviewSource(mapset);
  text += std::string(kCrLf) + "[POLYGON]" + kCrLf + "Type=0x0b00" + kCrLf;
  if (withPreviewLabel) text += std::string("Label=GMapTool Preview") + kCrLf;
  text += "Data0=" + overviewArea(mapset.bounds()) + kCrLf;
  return text + "[END]" + kCrLf;
}

std::string installBatch(const std::string& mapname) {
  return std::string("@echo off") + kCrLf + "regedit /s " + mapname + ".reg" + kCrLf;
}

std::string uninstallBatch(const std::string& mapname) {
  return std::string("@echo off") + kCrLf + "rem remove the registration of " + mapname + kCrLf;
}

std::string registryFile(const Mapset& mapset, const std::string& mapname) {
  const std::string key = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Garmin\\MapSource\\Families\\" + mapname +
                          std::to_string(mapset.fid);
  char id[16];
  std::snprintf(id, sizeof id, "%02x,%02x", mapset.fid & 0xFF, mapset.fid >> 8);
  return std::string("REGEDIT4") + kCrLf + kCrLf + key + "]" + kCrLf + "\"ID\"=hex:" + id + kCrLf +
         kCrLf + key + "\\1]" + kCrLf + "\"TDB\"=\"" + mapname + ".tdb\"" + kCrLf + "\"BMAP\"=\"" +
         mapname + ".img\"" + kCrLf;
}

}  // namespace

void writeOut(const std::string& folder, const std::string& name, const std::string& bytes) {
  const std::string path = joinPath(folder, name);
  say((writeWholeFile(path, bytes) ? "written " : "cannot write ") + path);
}

void writeMapsetFiles(const Mapset& mapset, const std::string& folder, const std::string& base,
                      bool withIndex, const Faults& faults) {
  if (!faults.has("no-tdb")) {
    std::string tdb = writeTdb(mapset).value_or("");
    // The first CRC byte, changed: the checksum no longer matches.
    if (faults.has("bad-checksum")) tdb[tdb.size() - 20 - 3 + kTdbCrcBytes.front()] ^= 0x5A;
    writeOut(folder, base + ".tdb", tdb);
  }
  if (!faults.has("no-overview"))
    writeOut(folder, base + ".mp", overviewSource(mapset, !faults.has("no-label")));
  if (withIndex) writeOut(folder, base + ".mdx", writeMdx(mapset));
}

void writeHelperFiles(const Mapset& mapset, const std::string& folder, const std::string& base,
                      bool withRegistryFile) {
  writeOut(folder, "install.bat", installBatch(base));
  writeOut(folder, "uninstall.bat", uninstallBatch(base));
  if (withRegistryFile) writeOut(folder, base + ".reg", registryFile(mapset, base));
}

}  // namespace mapsetdesk::standin
