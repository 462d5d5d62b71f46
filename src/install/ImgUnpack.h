#pragma once
// Unpacking an IMG file into a folder of its subfiles, the form in which a
// gmap package holds tiles, overview and MDR file: gmt's -g run.
#include <string>

#include "platform/ToolRunner.h"

namespace mapsetdesk {

// Creates the target folder when missing and runs the unpack hidden; the
// result is judged by the caller from the files it finds.
void unpackImg(ToolRunner& runner, const std::string& programFolder, const std::string& target,
               const std::string& img);

// Whether the folder holds a file directly: what proves that an unpack into
// it worked.
bool holdsFiles(const std::string& folder);

}  // namespace mapsetdesk
