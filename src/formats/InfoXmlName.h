#pragma once
// The product name in a package's Info.xml, changed as a field: only the
// text of Name elements, so tag names, the namespace and file names that
// happen to contain the old name keep every byte.
#include <optional>
#include <string>
#include <string_view>

namespace mapsetdesk {

// The SubProduct whose ID is productNumber gets newName (UTF-8) as its Name,
// and the MapProduct's own Name too where it was the same as oldName. The
// text is escaped and written in the file's encoding (UTF-8, or
// Windows-1252 for a file that is not valid UTF-8). nullopt when the file
// holds no such SubProduct with a Name.
std::optional<std::string> infoXmlWithProductName(std::string_view bytes,
                                                  std::string_view productNumber,
                                                  std::string_view oldName,
                                                  std::string_view newName);

}  // namespace mapsetdesk
