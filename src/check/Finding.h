#pragma once
// What the health check finds: one thing that keeps MapSource or BaseCamp
// from showing a mapset, or that will, with the mapset it concerns and the
// repair that mends it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mapsetdesk {

enum class Severity { Error, Warning };

enum class FindingKind {
  TdbMissing,
  TdbUnreadable,
  ChecksumStale,
  OverviewMissing,
  TileFolderMissing,
  TileMissing,
  TypMissing,
  TypFidWrong,
  IndexMissing,
  IndexDamaged,
  IndexFidWrong,
  RegistryIdWrong,
  DuplicateFid,
  FidZero,
  ProductsLayout,
  WrongBase,
  InfoXmlMissing,
  InfoXmlDamaged,
  Orphaned,            // TDB and tile folder are both gone
  RegisteredTwice,     // another key names the same TDB
  RegistryUnreadable,  // a key or the whole store cannot be read
  InfoXmlIdWrong,      // Info.xml's ID differs from the TDB's FID
  TypShared,           // another family with another FID names the same TYP file
  NotReachable,        // the tile folder lies on a drive or mount point that is not there
};

enum class RepairKind {
  None,
  Checksum,            // file: the TDB
  TypFid,              // file: the TYP, fid: the family's
  IndexFid,            // file: the MDX, fid: the family's
  RegistryId,          // key: the family key, fid: the TDB's
  FreeFid,             // the registry row or package row gets a free FID
  MoveToBase,          // key: the key below the wrong base, target: where it belongs
  RemoveRegistration,  // the registry row, after a question
  RemoveExtraKey,      // the registry row; its files stay with the other key
  InfoXmlId,           // file: the Info.xml, fid: the TDB's
  TypCopy,             // file: the TYP, key: the family key, fid: the family's
  TdbFid,              // file: the TDB, key: the family key, fid: the registry's ID
};

// The mapset as the catalogue names it.
struct MapsetRef {
  std::string name;
  std::string fid;
  std::string pid;
};

struct Finding {
  Severity severity = Severity::Error;
  FindingKind kind = FindingKind::TdbMissing;
  MapsetRef mapset;
  std::string subject;  // the file, folder or registry key the finding is about
  RepairKind repair = RepairKind::None;
  std::string file;
  std::string key;
  std::string target;
  std::uint16_t fid = 0;
  std::optional<std::size_t> registryRow;  // in the catalogue the check read
  std::optional<std::size_t> packageRow;
};

using Findings = std::vector<Finding>;

}  // namespace mapsetdesk
