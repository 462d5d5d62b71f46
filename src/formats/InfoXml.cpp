#include "formats/InfoXml.h"

#include <algorithm>
#include <array>
#include <utility>

#include "formats/PackageFileName.h"
#include "platform/Codec.h"

namespace mapsetdesk {
namespace {

constexpr std::string_view kDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>";

// Markup characters in a name would make the file unreadable for BaseCamp.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kEntities = {{
    {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"},
}};

}  // namespace

std::string xmlEscaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else out += c;
  }
  return out;
}

std::string xmlUnescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    bool replaced = false;
    for (const auto& [entity, character] : kEntities) {
      if (text.substr(i, entity.size()) == entity) {
        out += character;
        i += entity.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) out += text[i++];
  }
  return out;
}

namespace {

std::string asciiOnly(std::string_view utf8) {
  std::string out;
  for (const char c : toAnsi(utf8)) out += static_cast<unsigned char>(c) > 127 ? '?' : c;
  return out;
}

// Collects UTF-8 lines and gives the file's bytes, UTF-8 as its declaration
// says.
class Lines {
 public:
  Lines& add(std::string_view line) {
    text_ += line;
    text_ += "\r\n";
    return *this;
  }
  Lines& element(std::string_view name, std::string_view text) {
    return add("<" + std::string(name) + ">" + xmlEscaped(text) + "</" + std::string(name) + ">");
  }
  std::string bytes() const { return text_; }

 private:
  std::string text_;
};

void addHead(Lines& lines, std::string_view name, std::string_view fid) {
  lines.add(kDeclaration)
      .add("<MapProduct xmlns=\"" + std::string(kMapProductNamespace) + "\">")
      .element("Name", name)
      .element("DataVersion", "100")
      .element("DataFormat", "Original")
      .element("ID", fid);
}

void addSubProduct(Lines& lines, std::string_view name, std::string_view pid,
                   std::string_view tdbFile) {
  lines.add("<SubProduct>")
      .element("Name", name)
      .element("ID", pid)
      .element("BaseMap", "mapset")
      .element("TDB", tdbFile)
      .element("Directory", "Product" + std::string(pid))
      .add("</SubProduct>")
      .add("</MapProduct>");
}

// The text between the first open tag of the range and the close tag after
// it; nullopt when either is missing.
std::optional<std::string> cut(std::string_view range, std::string_view open,
                               std::string_view close) {
  const std::size_t start = range.find(open);
  if (start == std::string_view::npos) return std::nullopt;
  const std::size_t textStart = start + open.size();
  const std::size_t stop = range.find(close, textStart);
  if (stop == std::string_view::npos) return std::nullopt;
  return std::string(range.substr(textStart, stop - textStart));
}

// A SubProduct reaches to its closing tag, or else to the next SubProduct.
std::string_view subProductAt(std::string_view text, std::size_t start) {
  const std::size_t close = text.find("</SubProduct>", start);
  const std::size_t next = text.find("<SubProduct>", start + 1);
  const std::size_t end = std::min(close, next);
  return text.substr(start, end == std::string_view::npos ? text.size() - start : end - start);
}

std::optional<InfoXmlProduct> productIn(std::string_view subProduct) {
  const auto name = cut(subProduct, "<Name>", "</Name>");
  const auto number = cut(subProduct, "<ID>", "</ID>");
  const auto tdb = cut(subProduct, "<TDB>", "</TDB>");
  if (!name || !number || !tdb) return std::nullopt;
  InfoXmlProduct product{xmlUnescaped(*name), xmlUnescaped(*number), xmlUnescaped(*tdb)};
  // The number names the product's folder, "Product" + number.
  if (!isPlainFileName(product.number) || !isPlainFileName(product.tdbFile)) return std::nullopt;
  return product;
}

// The package's own files named by the family: each must lie inside the
// package, or every path built from them could reach any file.
bool familyNamesArePlain(std::string_view text, const std::string& index) {
  if (index != kNoIndexFile && !isPlainFileName(index)) return false;
  for (const auto& [open, close] : {std::pair{"<MDR>", "</MDR>"}, std::pair{"<TYP>", "</TYP>"},
                                    std::pair{"<Typ>", "</Typ>"}, std::pair{"<typ>", "</typ>"}}) {
    const auto name = cut(text, open, close);
    if (name && !name->empty() && !isPlainFileName(xmlUnescaped(*name))) return false;
  }
  return true;
}

// The spellings of the element that Garmin's programs accept.
std::string familyTyp(std::string_view text) {
  for (const auto& [open, close] : {std::pair{"<TYP>", "</TYP>"}, std::pair{"<Typ>", "</Typ>"},
                                    std::pair{"<typ>", "</typ>"}})
    if (const auto name = cut(text, open, close)) return xmlUnescaped(*name);
  return {};
}

}  // namespace

std::string infoXmlForNewMapset(const NewMapsetInfo& info) {
  Lines lines;
  addHead(lines, info.mapsetName, info.fid);
  if (info.withIndex) lines.element("IDX", info.mapname + ".mdx");
  addSubProduct(lines, info.mapsetName, "1", info.mapname + ".tdb");
  return lines.bytes();
}

std::string infoXmlForExistingTdb(const ExistingTdbInfo& info) {
  const std::string name = asciiOnly(info.packageName);
  Lines lines;
  addHead(lines, name, info.fid);
  if (info.indexFile) lines.element("IDX", *info.indexFile);
  if (info.withMdr) lines.element("MDR", "MDRMAP");
  if (info.typFile) lines.element("TYP", *info.typFile);
  addSubProduct(lines, name, info.pid, info.tdbFile);
  return lines.bytes();
}

InfoXmlContent parseInfoXml(std::string_view bytes) {
  const std::string text = decodeUtf8OrAnsi(bytes);
  InfoXmlContent content;
  const auto fid = cut(text, "<ID>", "</ID");
  if (!fid) {
    content.damaged = true;
    return content;
  }
  content.fid = xmlUnescaped(*fid);
  if (text.find("<IDX>") == std::string::npos) {
    content.index = std::string(kNoIndexFile);
  } else if (const auto index = cut(text, "<IDX>", "</IDX>")) {
    content.index = xmlUnescaped(*index);
  } else {
    content.damaged = true;
    return content;
  }
  if (!familyNamesArePlain(text, content.index)) {
    content.damaged = true;
    return content;
  }
  content.typ = familyTyp(text);
  for (std::size_t at = text.find("<SubProduct>"); at != std::string::npos;
       at = text.find("<SubProduct>", at + 1)) {
    const std::optional<InfoXmlProduct> product = productIn(subProductAt(text, at));
    if (!product) {
      content.damaged = true;
      return content;
    }
    content.products.push_back(*product);
  }
  return content;
}

}  // namespace mapsetdesk
