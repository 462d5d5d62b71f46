#include "check/BaseFindings.h"

#include "app/Settings.h"
#include "catalogue/CatalogueListing.h"
#include "catalogue/FidAllocation.h"
#include "catalogue/Registration.h"
#include "platform/Codec.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

constexpr RegistrationRoot kRoots[] = {RegistrationRoot::Products, RegistrationRoot::Families,
                                       RegistrationRoot::FamiliesNT};

// The mapset as its first product key names it.
MapsetRef mapsetBelow(Registry& registry, const std::string& base, RegistrationRoot root,
                      const std::string& name) {
  std::string subkey = name;
  if (root != RegistrationRoot::Products) {
    const auto products =
        fSubkeysListen(registry, Root::LocalMachine, familyKeyPath(base, root, name));
    if (products.empty()) return {name, {}, {}};
    subkey += "\\" + products.front();
  }
  const CatalogueRow row = catalogueRow(readCatalogueEntry(registry, base, root, subkey));
  return {row.cells.name, row.cells.fid, row.cells.pid};
}

bool pairTaken(const MapsetRef& mapset, const RegistryCatalogue& listed,
               const GmapCatalogue& packages) {
  const auto key = duplicateKey(mapset.fid, mapset.pid);
  if (!key) return false;
  for (const CatalogueRow& row : listed.rows)
    if (duplicateKey(row.cells.fid, row.cells.pid) == key) return true;
  for (const GmapRow& row : packages.rows)
    if (duplicateKey(row.fid, row.pid) == key) return true;
  return false;
}

// The moved registration, named by the key it will have, gets a free FID.
Finding movedDuplicate(const Finding& moved) {
  Finding duplicate;
  duplicate.kind = FindingKind::DuplicateFid;
  duplicate.mapset = moved.mapset;
  duplicate.subject = moved.target;
  duplicate.repair = RepairKind::FreeFid;
  duplicate.key = moved.target;
  return duplicate;
}

struct Installed {
  const RegistryCatalogue& listed;
  const GmapCatalogue& packages;
};

void checkRoot(Registry& registry, const std::string& base, const std::string& unused,
               RegistrationRoot root, const Installed& installed, Findings& findings) {
  const std::string from = rootKeyPath(unused, root);
  const std::string to = rootKeyPath(base, root);
  for (const std::string& name : fSubkeysListen(registry, Root::LocalMachine, from)) {
    if (registry.keyExists(Root::LocalMachine, toAnsi(to + name))) continue;
    Finding finding;
    finding.kind = FindingKind::WrongBase;
    finding.mapset = mapsetBelow(registry, unused, root, name);
    finding.subject = from + name;
    finding.repair = RepairKind::MoveToBase;
    finding.key = from + name;
    finding.target = to + name;
    findings.push_back(finding);
    if (pairTaken(finding.mapset, installed.listed, installed.packages))
      findings.push_back(movedDuplicate(finding));
  }
}

}  // namespace

std::vector<std::string> unusedRegistryBases(const std::string& base) {
  const std::string doubled = std::string(kRegistryBase64) + "\\Wow6432Node";
  const std::string other(base == kRegistryBase32 ? kRegistryBase64 : kRegistryBase32);
  return {other, doubled};
}

void checkUnusedBases(Registry& registry, const std::string& base,
                      const std::vector<std::string>& unusedBases,
                      const RegistryCatalogue& listed, const GmapCatalogue& packages,
                      Findings& findings) {
  const Installed installed{listed, packages};
  for (const std::string& unused : unusedBases)
    for (const RegistrationRoot root : kRoots)
      checkRoot(registry, base, unused, root, installed, findings);
}

}  // namespace mapsetdesk
