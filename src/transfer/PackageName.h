#pragma once
// The name by which export and import speak of a gmap package: the text
// between the first "<Name>" after "<SubProduct>" and the "</Name>" after it
// in the package's Info.xml.
#include <optional>
#include <string>
#include <string_view>

namespace mapsetdesk {

// nullopt when "<SubProduct>", "<Name>" or "</Name>" is missing. The bytes
// are read as UTF-8 when they are valid UTF-8, else as Windows-1252.
std::optional<std::string> subProductName(std::string_view infoXml);

}  // namespace mapsetdesk
