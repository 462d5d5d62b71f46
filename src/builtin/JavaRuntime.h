#pragma once
// Java and mkgmap.jar for the fall-back compile: where they are found when
// the program folder holds no mkgmap.jar and Java is not on the path.
#include <string>

#include "platform/Registry.h"

namespace mapsetdesk::builtin {

// JAVA_HOME's java, else the one on PATH; empty when there is none.
std::string javaProgram();

// Java is installed: the JavaSoft key names a version (Windows installers
// write it), or a Java program is found.
bool javaInstalled(Registry& registry);

// mkgmap.jar in the program folder, else $MAPSETDESK_MKGMAP, else the
// system's (Debian's package); empty when there is none.
std::string mkgmapJar(const std::string& programFolder);

// The fall-back's command line "java -jar FOLDER\mkgmap.jar REST" with the
// Java program and mkgmap.jar as found; REST stays as it is. Any other line
// comes back unchanged.
std::string withJavaAndMkgmapFound(const std::string& commandLine);

}  // namespace mapsetdesk::builtin
