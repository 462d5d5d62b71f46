#pragma once
// The repair of a FID used twice or of a FID 0: the mapset gets the lowest
// free FID through the FID change, which rewrites its TDB, index, TYP and
// registration or Info.xml. Each FID handed out counts as taken for the
// next, so do the FIDs of the run's other repairs (a registration moved in
// from the unused base, an ID written into a TDB), and a mapset that two
// findings name changes once. A change that stops half-way is put back.
#include <cstddef>
#include <optional>
#include <set>
#include <utility>

#include "check/HealthCheck.h"
#include "check/Repairs.h"

namespace mapsetdesk {

class FreeFidRepair {
 public:
  explicit FreeFidRepair(const HealthReport& report);
  RepairOutcome repair(const Finding& finding, RepairTools& tools);

 private:
  // A registration this run moved in from the unused base, named by its key.
  RepairOutcome repairMoved(const Finding& finding, RepairTools& tools);
  RepairOutcome changeRegistered(const CatalogueRow& row, std::uint16_t fid, RepairTools& tools);
  std::optional<std::uint16_t> nextFreeFid();
  void take(const std::string& fid);

  const HealthReport& report_;
  RegistryCatalogue taken_;  // the registry rows, and a row per FID taken otherwise
  std::set<std::pair<bool, std::size_t>> changed_;  // (package?, row)
};

}  // namespace mapsetdesk
