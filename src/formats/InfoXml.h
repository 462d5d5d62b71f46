#pragma once
// Info.xml, the description of a gmap package. Ours is written one element a
// line, CR LF, in UTF-8; other makers (mkgmap) write UTF-8 with
// indentation and LF, so the reader takes either.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mapsetdesk {

inline constexpr std::string_view kMapProductNamespace =
    "http://www.garmin.com/xmlschemas/MapProduct/v1";
// What the catalogue records for a package without index file.
inline constexpr std::string_view kNoIndexFile = "KeinMDXFILE";

// A package built from a new installation: product 1, TDB and index named
// after Mapname. Texts are UTF-8.
struct NewMapsetInfo {
  std::string mapsetName;
  std::string fid;
  std::string mapname;
  bool withIndex = false;  // Mapname + ".mdx" was moved into the package
};

// A package built from an existing TDB and overview. Each optional file
// appears only when it was given and exists.
struct ExistingTdbInfo {
  std::string packageName;  // every character outside ASCII is written as "?"
  std::string fid;
  std::string pid;
  std::optional<std::string> indexFile;
  bool withMdr = false;
  std::optional<std::string> typFile;
  std::string tdbFile;
};

// The file's bytes: UTF-8, CR LF after every line.
std::string infoXmlForNewMapset(const NewMapsetInfo& info);
std::string infoXmlForExistingTdb(const ExistingTdbInfo& info);

struct InfoXmlProduct {
  std::string name;
  std::string number;   // the SubProduct's ID
  std::string tdbFile;  // name only; it lies in productFolder(number)
};

struct InfoXmlContent {
  std::string fid;    // the family's ID
  std::string index;  // the IDX element, or kNoIndexFile
  std::string typ;    // the TYP element, empty when there is none
  std::vector<InfoXmlProduct> products;  // in file order
  // An element was missing, or a file name in it (TDB, IDX, MDR, TYP, a
  // product number) was no plain name inside the package; the products read
  // before it are kept.
  bool damaged = false;
};

// Element text: "&", "<" and ">" written as entities, and read back with
// the five entities XML knows.
std::string xmlEscaped(std::string_view text);
std::string xmlUnescaped(std::string_view text);

// Reads the bytes as UTF-8 when they are valid UTF-8, else as Windows-1252.
InfoXmlContent parseInfoXml(std::string_view bytes);

}  // namespace mapsetdesk
