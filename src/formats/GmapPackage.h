#pragma once
// The layout of a gmap package: a folder "<name>.gmap" below GARMIN\Maps of
// all users, with Info.xml and one product folder per product holding the
// TDB, the overview map's subfiles in "mapset" and one folder per tile.
#include <string>
#include <string_view>

namespace mapsetdesk {

inline constexpr std::string_view kGmapSuffix = ".gmap";
inline constexpr std::string_view kInfoXmlName = "Info.xml";
inline constexpr std::string_view kOverviewFolder = "mapset";
inline constexpr std::string_view kMdrFolder = "MDRMAP";

// "Product" + product number.
std::string productFolder(std::string_view productNumber);

// The package name made from a mapset name (UTF-8): blank, "/" and "\" become
// "_", the accented forms of A, O and U become the plain capital letter,
// every other character stays ("Karte Süd" gives "Karte_SUd").
std::string gmapPackageName(std::string_view mapsetName);

}  // namespace mapsetdesk
