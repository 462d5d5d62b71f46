#pragma once
// The messages of the catalogue flows that are not part of the main window's
// message catalogue: the ones shown alike in both languages, and the ones
// that tell why a removal left something in place.
#include <string>

namespace mapsetdesk {

inline constexpr char kCatalogueTitle[] = "ZORVAN";
inline constexpr char kRemovalDenied[] = "Zugriff verweigert, close MapSource first";

// The removal question's title: the product's title and the mapset asked about.
std::string removalTitle(const std::string& mapset);
std::string missingInfoXmlText(const std::string& folder);
std::string damagedInfoXmlText(const std::string& infoXml);
std::string duplicateFidText(const std::string& fid);

// A removal of a gmap package found no package folder at the row's path.
std::string packageRefusedText(bool german, const std::string& folder);
// A registration's product key survived its deletion; its files stay too.
std::string registrationKeptText(bool german);
// A removed registration's file stays because another mapset still names it.
std::string fileKeptText(bool german, const std::string& file, const std::string& user);

}  // namespace mapsetdesk
