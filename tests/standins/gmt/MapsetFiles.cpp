#include "gmt/MapsetFiles.h"

#include "common/Bytes.h"
#include "formats/TdbChecksum.h"
#include "platform/Platform.h"

namespace mapsetdesk::standin {

void writeOut(const std::string& folder, const std::string& name, const std::string& bytes) {
  const std::string path = joinPath(folder, name);
  say((writeWholeFile(path, bytes) ? "written " : "cannot write ") + path);
}

void writeMapsetFiles(const Mapset& mapset, const std::string& folder, const std::string& base,
                      bool withIndex, const Faults& faults) {
  if (!faults.has("no-tdb")) {
    std::string tdb = writeTdb(mapset);
    // The first CRC byte, changed: the checksum no longer matches.
    if (faults.has("bad-checksum")) tdb[tdb.size() - 20 - 3 + kTdbCrcBytes.front()] ^= 0x5A;
    writeOut(folder, base + ".tdb", tdb);
  }
  if (!faults.has("no-overview"))
    writeOut(folder, base + ".mp", writeOverviewSource(mapset, !faults.has("no-label")));
  if (withIndex) writeOut(folder, base + ".mdx", writeMdx(mapset));
}

void writeHelperFiles(const Mapset& mapset, const std::string& folder, const std::string& base,
                      bool withRegistryFile) {
  writeOut(folder, "install.bat", writeInstallBatch(base));
  writeOut(folder, "uninstall.bat", writeUninstallBatch(base));
  if (withRegistryFile) writeOut(folder, base + ".reg", writeRegistryFile(mapset, base));
}

}  // namespace mapsetdesk::standin
