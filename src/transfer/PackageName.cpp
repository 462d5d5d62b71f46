#include "transfer/PackageName.h"

#include "platform/Codec.h"

namespace mapsetdesk {

std::optional<std::string> subProductName(std::string_view infoXml) {
  constexpr std::string_view kSubProduct = "<SubProduct>";
  constexpr std::string_view kName = "<Name>";
  const auto subProduct = infoXml.find(kSubProduct);
  if (subProduct == std::string_view::npos) return std::nullopt;
  const auto name = infoXml.find(kName, subProduct + kSubProduct.size());
  if (name == std::string_view::npos) return std::nullopt;
  const auto start = name + kName.size();
  const auto end = infoXml.find("</Name>", start);
  if (end == std::string_view::npos) return std::nullopt;
  return decodeUtf8OrAnsi(infoXml.substr(start, end - start));
}

}  // namespace mapsetdesk
