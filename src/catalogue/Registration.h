#pragma once
// The registry layout through which MapSource and BaseCamp find a mapset that
// is not a gmap package: key paths, value names, the encoding of the family ID
// and the judgement of an entry as complete or broken. Every reader and writer
// of a registration builds its paths here, so the layout lives in one place.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace mapsetdesk {

enum class RegistrationRoot { Families, FamiliesNT, Products };

// "\Garmin\MapSource\Families\" and its siblings; each ends with a backslash
// so that a subkey name is simply appended.
const char* rootSuffix(RegistrationRoot root);
// "Families", "FamiliesNT", "Products": the root as the catalogue shows it.
const char* rootLabel(RegistrationRoot root);

// Key paths below HKEY_LOCAL_MACHINE. Only the root paths end with a backslash.
std::string rootKeyPath(const std::string& base, RegistrationRoot root);
std::string familyKeyPath(const std::string& base, RegistrationRoot root,
                          const std::string& familyName);
std::string productKeyPath(const std::string& base, RegistrationRoot root,
                           const std::string& familyName, std::uint16_t pid);
std::string productsKeyPath(const std::string& base, const std::string& subkeyName);

// Value names. Registry names ignore case, so "Typ", "Bmap" and "Loc" written
// by other installers name the same values.
inline constexpr char kValueId[] = "ID";      // family key, REG_BINARY FID
inline constexpr char kValueTyp[] = "TYP";    // family key, TYP style file
inline constexpr char kValueIdx[] = "IDX";    // family key, index file
inline constexpr char kValueMdr[] = "MDR";    // family key, MDR search file
inline constexpr char kValueTrf[] = "trf";    // family key, further file
inline constexpr char kValueTdb[] = "TDB";    // product key, mapset index
inline constexpr char kValueBmap[] = "BMAP";  // product key, overview map
inline constexpr char kValueLoc[] = "LOC";    // product key, tile folder

// The FID as stored in the value ID, two bytes low byte first, as the text
// ffStringSpeichern takes (see fromAnsi).
std::string fidByteText(std::uint16_t fid);

// A mapset name as it becomes a file or folder name: Windows drops blanks
// and dots at the end of a file name, and a name that starts with them hides
// or looks like a path step, so neither end keeps them.
std::string nameForFiles(const std::string& mapsetName);

// `Mapname`: of nameForFiles, blanks become "_", the name is cut to eight
// characters, loses dots at the end of the cut and is padded with "o".
// Base name of the generated files of a new installation.
std::string makeMapname(const std::string& mapsetName);
// Family key name of a new installation: `Mapname` and the FID in decimal.
std::string familyKeyNameFromMapset(const std::string& mapsetName, std::uint16_t fid);
// Family key name of an existing TDB: the first 12 bytes of the header's name
// area (Windows-1252), blanks and zero bytes as "_", then the FID in decimal.
std::string familyKeyNameFromTdb(std::string_view nameArea, std::uint16_t fid);

inline constexpr char kNoTypefile[] = "keinTypefile";

// One product key as the catalogue lists it.
struct CatalogueEntry {
  RegistrationRoot root = RegistrationRoot::Families;
  std::string subkeyPath;     // family key name + "\" + product; the Products subkey name
  std::string tdb;            // value TDB
  std::string overview;       // value BMAP
  std::string tileFolder;     // value LOC
  std::string typ = kNoTypefile;  // value TYP of the family key
  std::string familyKeyPath;  // key holding TYP: family key + "\", or the Products root
  // From the TDB header (filled by the listing, not from the registry):
  std::string mapsetName;
  std::uint16_t fid = 0;
  std::uint16_t pid = 0;
};

// Reads the product key root\subkeyPath. For the family roots subkeyPath is
// the family key name, a backslash and the product name.
CatalogueEntry readCatalogueEntry(Registry& reg, const std::string& base,
                                  RegistrationRoot root, const std::string& subkeyPath);

// TdbUnreadable is the listing's own judgement: the TDB exists but its header
// block cannot be read (see CatalogueListing.h).
enum class EntryState { Complete, TdbMissing, TdbUnreadable, OverviewMissing };

using FileExists = std::function<bool(const std::string& path)>;

// The TDB is checked first, then the overview; tile folder and TYP are not checked.
EntryState judgeEntry(const CatalogueEntry& entry, const FileExists& exists);

inline constexpr char kTdbMissing[] = "!! TDB-File fehlt !!";
inline constexpr char kOverviewMissing[] = "!! Uebersicht fehlt !!";
inline constexpr char kTdbUnreadable[] = "!! TDB-File defekt !!";
inline constexpr char kFidBroken[] = "Fehler";
inline constexpr char kPidBroken[] = "fehler";

// What the catalogue shows for an entry: name, FID and PID, or the markers.
struct EntryCells {
  std::string name;
  std::string fid;
  std::string pid;
};
EntryCells entryCells(const CatalogueEntry& entry, EntryState state);

}  // namespace mapsetdesk
