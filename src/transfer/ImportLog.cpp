#include "transfer/ImportLog.h"

#include <algorithm>

#include "platform/Codec.h"

namespace mapsetdesk {
namespace {

bool endsWithAny(const std::string& text, std::initializer_list<std::string_view> ends) {
  return std::any_of(ends.begin(), ends.end(),
                     [&text](std::string_view end) { return text.ends_with(end); });
}

std::string lowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

LogField classifyImg(const std::string& name) {
  if (lowerCase(name).find("mdr.") == std::string::npos) return LogField::Overview;
  if (endsWithAny(name, {"MDR.IMG", "mdr.IMG", "mdr.img"})) return LogField::Mdr;
  return LogField::None;
}

std::string* fieldOf(LogNames& names, LogField field) {
  switch (field) {
    case LogField::Tdb: return &names.tdb;
    case LogField::Overview: return &names.overview;
    case LogField::Mdr: return &names.mdr;
    case LogField::Typ: return &names.typ;
    case LogField::Trf: return &names.trf;
    case LogField::Index: return &names.index;
    case LogField::None: break;
  }
  return nullptr;
}

}  // namespace

LogField classifyLogName(const std::string& name) {
  if (endsWithAny(name, {"TDB", "tdb", "Tdb"})) return LogField::Tdb;
  if (endsWithAny(name, {"IMG", "img", "Img"})) return classifyImg(name);
  if (endsWithAny(name, {"TYP", "Typ", "typ"})) return LogField::Typ;
  if (endsWithAny(name, {"TRF", "Trf", "trf"})) return LogField::Trf;
  if (endsWithAny(name, {"MDX", "Mdx", "mdx"})) return LogField::Index;
  return LogField::None;
}

bool isPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 ||
           std::string_view("/\\:<>\"|?*").find(c) != std::string_view::npos;
  });
}

LogNames readImportLog(std::string_view bytes) {
  LogNames names;
  const std::string text = decodeUtf8OrAnsi(bytes);
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = std::min(text.find('\n', start), text.size());
    std::string name = text.substr(start, end - start);
    if (name.ends_with('\r')) name.pop_back();
    if (name.empty()) break;
    if (!isPlainFileName(name)) {
      names.refused = name;
      break;
    }
    if (std::string* field = fieldOf(names, classifyLogName(name))) *field = name;
    start = end + 1;
  }
  return names;
}

}  // namespace mapsetdesk
