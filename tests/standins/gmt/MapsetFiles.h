#pragma once
// Writing a mapset's files the way gmt.exe names them, honouring the faults
// a test asked for: the product's TDB, overview source and MDX writers, and
// beside them what gmt.exe adds (the preview area the installation patches,
// batch and registry files).
#include <string>

#include "common/Faults.h"
#include "formats/Mapset.h"

namespace mapsetdesk::standin {

// folder\<base>.tdb, folder\<base>.mp, and with an index folder\<base>.mdx.
void writeMapsetFiles(const Mapset& mapset, const std::string& folder, const std::string& base,
                      bool withIndex, const Faults& faults);
// install.bat and uninstall.bat; with a registry file also base + ".reg".
void writeHelperFiles(const Mapset& mapset, const std::string& folder, const std::string& base,
                      bool withRegistryFile);
// Writes and says so.
void writeOut(const std::string& folder, const std::string& name, const std::string& bytes);

}  // namespace mapsetdesk::standin
