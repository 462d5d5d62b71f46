#pragma once
// Where a device image can go: the Garmin folder of a device or its card,
// and the name it gets there. Newer devices read every gmapsupp*.img beside
// the first, so an image already there need not be replaced.
#include <string>
#include <vector>

namespace mapsetdesk {

// The Garmin folder (in whatever case) of each volume that has one.
std::vector<std::string> garminFolders(const std::vector<std::string>& volumes);

// "gmapsupp.img" in folder when it is free there, else "gmapsupp1.img",
// "gmapsupp2.img", ...: the first name no file has.
std::string nextFreeImageName(const std::string& folder);

}  // namespace mapsetdesk
