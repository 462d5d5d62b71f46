#pragma once
// The TYP entries of a gmap package: the TYP element of Info.xml and the TYP
// file entry of Info_v2.xml, changed as text so that everything else in the
// files stays as it is.
#include <string>
#include <string_view>

namespace mapsetdesk {

// Info.xml's TYP element, in the spelling the system writes.
inline constexpr std::string_view kTypOpen = "<TYP>";
inline constexpr std::string_view kTypClose = "</TYP>";

// "<Typ>"/"<typ>" (and their closing tags) become "<TYP>"; the first TYP
// element then names typFile, or one naming it is put in front of the first
// "<SubProduct>".
std::string infoXmlWithTyp(std::string_view xml, std::string_view typFile);
// The first TYP element taken out; the text is unchanged without one.
std::string infoXmlWithoutTyp(std::string_view xml);

// The first `<File id="TYP">` entry names typFile, or one is put after the
// first "<Files>".
std::string infoV2WithTyp(std::string_view xml, std::string_view typFile);
// The first `<File id="TYP">` entry replaced by a single blank.
std::string infoV2WithoutTyp(std::string_view xml);

}  // namespace mapsetdesk
