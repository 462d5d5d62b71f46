#pragma once
// The messages of the rename and the TYP assignment that are not part of the
// main window's message catalogue: the ones shown in one language only, and
// the ones that tell why an edit stopped and what it had changed by then.
#include <string>
#include <vector>

namespace mapsetdesk {

inline constexpr char kEditTitle[] = "ZORVAN";
inline constexpr char kCloseMapsourceFirst[] = "Close Mapsource first";
inline constexpr char kTypAlreadyThere[] = "Das ausgewählte File ist am Zielort schon vorhaden";
inline constexpr char kOldTypSaved[] = "old typfile is saved/renamed as ";

// German only: the TDB or its backup could not be written.
std::string backupRefusedText(const std::string& tdb);
// A package's Info.xml or Info_v2.xml could not be read or written.
std::string infoXmlFailedText(bool german, const std::string& infoXml);
// The TYP copy would replace the TYP file of another listed mapset.
std::string typClashText(bool german, const std::string& copy);
// The TYP file could not be copied to the mapset.
std::string typNotCopiedText(bool german, const std::string& copy);
// The package's ID element is no FID.
std::string packageFidText(bool german, const std::string& infoXml);
// An edit stopped after these files (or registry keys) were already changed.
std::string stoppedHalfWayText(bool german, const std::vector<std::string>& changed);

}  // namespace mapsetdesk
