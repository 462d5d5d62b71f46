#pragma once
// Real mapset files for the catalogue's tests: copies of the TDB and the
// overview map that mkgmap made (the garmin_files fixture), each copy given
// its own name, family ID and product ID, and copies of mkgmap's gmap
// package; plus registrations of them written as the installation writes
// them.
#include <cstdint>
#include <filesystem>
#include <string>

#include "catalogue/Registration.h"
#include "platform/Registry.h"

namespace mapsetdesk::testing {

// Why a test that needs the files cannot run: mkgmap is a declared
// dependency, so their absence is a failure, never a skip.
inline constexpr const char* kNoGarminFiles =
    "no mkgmap files: run through ctest, whose fixture garmin_files makes them";

struct MapsetFiles {
  std::string tdb;
  std::string overview;
  std::string tiles;  // the folder of both, ending with a separator
};

class RealMapsets {
 public:
  RealMapsets();
  // False when the test runs outside ctest, which makes the files (see
  // kNoGarminFiles).
  bool available() const { return !root_.empty(); }
  const std::filesystem::path& root() const { return root_; }

  // folder/<baseName>.tdb named mapsetName (UTF-8) with the IDs given, and
  // folder/<baseName>.img; the TDB's checksum is renewed.
  MapsetFiles make(const std::filesystem::path& folder, const std::string& baseName,
                   const std::string& mapsetName, std::uint16_t fid, std::uint16_t pid) const;

  // mkgmap's package (family 4711, one product 3, with index) copied into
  // mapsFolder as <name>.gmap; returns the package folder.
  std::filesystem::path copyPackage(const std::filesystem::path& mapsFolder,
                                    const std::string& name) const;

 private:
  std::filesystem::path root_;
};

// A family key with its ID and one product key, below Families or
// FamiliesNT; TYP only when typ is not empty.
void registerFamilyProduct(Registry& registry, const std::string& base, RegistrationRoot root,
                           const std::string& family, std::uint16_t fid, const std::string& product,
                           const MapsetFiles& files, const std::string& typ = {});
// A key of the older Products layout.
void registerProductsEntry(Registry& registry, const std::string& base, const std::string& subkey,
                           const MapsetFiles& files);

// A folder name that no ANSI code page holds whole: "Łódź Карты".
inline constexpr char kUnicodeFolderName[] =
    "\xC5\x81\xC3\xB3" "d\xC5\xBA \xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD1\x8B";

// The path as this system's file functions take it.
std::string pathOf(const std::filesystem::path& path);

}  // namespace mapsetdesk::testing
