#include "formats/InfoXmlTyp.h"

#include <optional>

#include "platform/TextReplace.h"

namespace mapsetdesk {
namespace {

constexpr std::string_view kV2TypOpen = "<File id=\"TYP\">";
constexpr std::string_view kV2Close = "</File>";

std::string withTypTagsInCapitals(std::string_view xml) {
  std::string text(xml);
  for (const std::string_view tag : {"Typ", "typ"}) {
    text = replacedEverywhere(text, "<" + std::string(tag) + ">", kTypOpen);
    text = replacedEverywhere(text, "</" + std::string(tag) + ">", kTypClose);
  }
  return text;
}

struct Span {
  std::size_t start;
  std::size_t end;  // past the closing tag
};

// The first element from open to the close after it.
std::optional<Span> firstElement(std::string_view text, std::string_view open,
                                 std::string_view close) {
  const std::size_t start = text.find(open);
  if (start == std::string_view::npos) return std::nullopt;
  const std::size_t stop = text.find(close, start + open.size());
  if (stop == std::string_view::npos) return std::nullopt;
  return Span{start, stop + close.size()};
}

std::string replacedSpan(std::string_view text, const Span& span, std::string_view by) {
  return std::string(text.substr(0, span.start)).append(by).append(text.substr(span.end));
}

// The text with `by` put in front of (or after) the first marker; unchanged
// without one.
std::string insertedAt(std::string_view text, std::string_view marker, std::string_view by,
                       bool after) {
  const std::size_t at = text.find(marker);
  if (at == std::string_view::npos) return std::string(text);
  const std::size_t where = after ? at + marker.size() : at;
  return std::string(text.substr(0, where)).append(by).append(text.substr(where));
}

std::string element(std::string_view open, std::string_view file, std::string_view close) {
  return std::string(open).append(file).append(close);
}

}  // namespace

std::string infoXmlWithTyp(std::string_view xml, std::string_view typFile) {
  const std::string text = withTypTagsInCapitals(xml);
  const std::string typ = element(kTypOpen, typFile, kTypClose);
  if (const auto span = firstElement(text, kTypOpen, kTypClose))
    return replacedSpan(text, *span, typ);
  return insertedAt(text, "<SubProduct>", typ + "\n", false);
}

std::string infoXmlWithoutTyp(std::string_view xml) {
  const std::string text = withTypTagsInCapitals(xml);
  if (const auto span = firstElement(text, kTypOpen, kTypClose))
    return replacedSpan(text, *span, "");
  return std::string(xml);
}

std::string infoV2WithTyp(std::string_view xml, std::string_view typFile) {
  const std::string entry = element(kV2TypOpen, typFile, kV2Close);
  if (const auto span = firstElement(xml, kV2TypOpen, kV2Close))
    return replacedSpan(xml, *span, entry);
  return insertedAt(xml, "<Files>", "\n" + entry + "\n", true);
}

std::string infoV2WithoutTyp(std::string_view xml) {
  if (const auto span = firstElement(xml, kV2TypOpen, kV2Close))
    return replacedSpan(xml, *span, " ");
  return std::string(xml);
}

}  // namespace mapsetdesk
