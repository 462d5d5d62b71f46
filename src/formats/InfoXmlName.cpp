#include "formats/InfoXmlName.h"

#include <algorithm>

#include "formats/InfoXml.h"
#include "platform/Codec.h"

namespace mapsetdesk {
namespace {

constexpr std::string_view kSubProduct = "<SubProduct>";
constexpr std::string_view kSubProductEnd = "</SubProduct>";

// Where the text of the first element in [from, to) lies.
struct TextSpan {
  std::size_t start = 0;
  std::size_t length = 0;
};

std::optional<TextSpan> elementText(std::string_view bytes, std::string_view tag,
                                    std::size_t from, std::size_t to) {
  const std::string open = "<" + std::string(tag) + ">";
  const std::string close = "</" + std::string(tag) + ">";
  const std::size_t at = bytes.find(open, from);
  if (at == std::string_view::npos || at >= to) return std::nullopt;
  const std::size_t start = at + open.size();
  const std::size_t stop = bytes.find(close, start);
  if (stop == std::string_view::npos || stop > to) return std::nullopt;
  return TextSpan{start, stop - start};
}

// The element's text as UTF-8; the whole file's encoding decides, since a
// Windows-1252 name may by chance also be valid UTF-8.
std::string textOf(std::string_view bytes, const TextSpan& span) {
  const std::string_view raw = bytes.substr(span.start, span.length);
  return xmlUnescaped(isValidUtf8(bytes) ? std::string(raw) : fromAnsi(raw));
}

// The Name of the SubProduct with that ID.
std::optional<TextSpan> subProductName(std::string_view bytes, std::string_view number) {
  for (std::size_t at = bytes.find(kSubProduct); at != std::string_view::npos;
       at = bytes.find(kSubProduct, at + 1)) {
    const std::size_t end = std::min(bytes.find(kSubProductEnd, at), bytes.size());
    const auto id = elementText(bytes, "ID", at, end);
    if (!id || textOf(bytes, *id) != number) continue;
    return elementText(bytes, "Name", at, end);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> infoXmlWithProductName(std::string_view bytes,
                                                  std::string_view productNumber,
                                                  std::string_view oldName,
                                                  std::string_view newName) {
  const auto sub = subProductName(bytes, productNumber);
  if (!sub) return std::nullopt;
  const std::string escaped = xmlEscaped(newName);
  const std::string text = isValidUtf8(bytes) ? escaped : toAnsi(escaped);
  std::string renamed(bytes);
  // The later span first, so the earlier one keeps its offset.
  renamed.replace(sub->start, sub->length, text);
  const std::size_t head = std::min(bytes.find(kSubProduct), bytes.size());
  const auto family = elementText(bytes, "Name", 0, head);
  if (family && textOf(bytes, *family) == oldName)
    renamed.replace(family->start, family->length, text);
  return renamed;
}

}  // namespace mapsetdesk
