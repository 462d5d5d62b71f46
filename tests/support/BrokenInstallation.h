#pragma once
// An installation with one mapset for each fault the health check knows,
// made from mkgmap's files, beside a registration and a package that are
// whole. Each broken mapset has a name and FID of its own.
#include <cstdint>
#include <filesystem>
#include <string>

#include "catalogue/GmapCatalogue.h"
#include "platform/FilePath.h"
#include "platform/Registry.h"
#include "support/RealMapsets.h"

namespace mapsetdesk::testing {

struct BrokenMapset {
  const char* name;
  std::uint16_t fid;
};

inline constexpr BrokenMapset kHealthy{"Gesund", 110};
inline constexpr BrokenMapset kStaleChecksum{"Pruefsumme", 100};
inline constexpr BrokenMapset kTypFidWrong{"TypFalsch", 101};
inline constexpr BrokenMapset kIndexFidWrong{"IndexFalsch", 102};
inline constexpr BrokenMapset kDuplicateOld{"DoppeltAlt", 103};
inline constexpr BrokenMapset kDuplicateNew{"DoppeltNeu", 103};
inline constexpr BrokenMapset kFidZero{"FidNull", 104};  // the registry's ID; the TDB holds 0
inline constexpr BrokenMapset kProductsLayout{"Produkte", 105};
inline constexpr BrokenMapset kWrongBase{"Fremdbasis", 106};
inline constexpr BrokenMapset kOrphaned{"Verwaist", 107};
inline constexpr BrokenMapset kRegistryIdWrong{"IdFalsch", 108};
inline constexpr std::uint16_t kWrongRegistryId = 109;
// Registered under Families and, with the same TDB, under FamiliesNT.
inline constexpr BrokenMapset kRegisteredTwice{"Zweimal", 111};
// Two families whose TYP values name the one TYP file, which holds the
// first one's FID.
inline constexpr BrokenMapset kTypSharedOwner{"TypTeilA", 112};
inline constexpr BrokenMapset kTypSharedOther{"TypTeilB", 113};
// The mkgmap package, whole, with a TYP file of its FID, and a copy of it
// whose Info.xml is cut short.
inline constexpr char kWholePackage[] = "Ganz";
inline constexpr char kDamagedPackage[] = "Kaputt";
// A copy of the mkgmap package whose Info.xml names another ID than its TDB
// holds, so that, once mended, it shares its FID with the whole one.
inline constexpr char kPackageIdWrong[] = "IdPaket";
inline constexpr std::uint16_t kPackageIdWrongInfoXml = 4712;

class BrokenInstallation {
 public:
  // Registrations below base, the one of kWrongBase below unusedBase,
  // packages in mapFolders.allUsers, files in folder.
  BrokenInstallation(Registry& registry, std::string base, std::string unusedBase,
                     std::filesystem::path folder, GmapFolders mapFolders);

  void makeAll();
  // One healthy registration with its tiles, TYP and index; returns its folder.
  std::filesystem::path registerMapset(const BrokenMapset& mapset, const std::string& base,
                                       std::uint16_t tdbFid);
  std::filesystem::path folderOf(const BrokenMapset& mapset) const { return folder_ / mapset.name; }
  std::filesystem::path packageFolder(const char* name) const {
    return filePath(mapFolders_.allUsers) / (std::string(name) + ".gmap");
  }
  std::string familyKey(const BrokenMapset& mapset, const std::string& base) const;
  std::string familyKeyNT(const BrokenMapset& mapset) const;

  RealMapsets mapsets;

 private:
  Registry& registry_;
  std::string base_;
  std::string unusedBase_;
  std::filesystem::path folder_;
  GmapFolders mapFolders_;

  void makeRegisteredTwice();
  void makeTypShared();
  void makePackages();
};

}  // namespace mapsetdesk::testing
