#include "catalogue/CatalogueListing.h"

#include <algorithm>
#include <set>
#include <filesystem>
#include <system_error>
#include <utility>

#include "catalogue/CatalogueMessages.h"
#include "formats/TdbHeader.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/FoundPath.h"
#include "platform/RegistryOps.h"
#include "platform/RegistryTree.h"

namespace mapsetdesk {
namespace {

// One listing's walk of the registry and the work state its passes share.
// Registry key names (Windows-1252) in the registry's order, which holds
// names alike that differ only in case.
struct KeyNameOrder {
  bool operator()(const std::string& a, const std::string& b) const {
    return compareRegNames(a, b) < 0;
  }
};

class CatalogueWalk {
 public:
  CatalogueWalk(Registry& registry, Dialogs& dialogs, const std::string& base,
                const std::string& fehler25)
      : registry_(registry),
        dialogs_(dialogs),
        base_(base),
        fehler25_(fehler25),
        productsRoot_(rootKeyPath(base, RegistrationRoot::Products)),
        familiesRoot_(rootKeyPath(base, RegistrationRoot::Families)),
        familiesNtRoot_(rootKeyPath(base, RegistrationRoot::FamiliesNT)) {}

  void productsPass() { RegSchluesselListen(productsRoot_); }

  void familiesPass() {
    RegSchluesselListen(familiesRoot_);
    const std::vector<std::string> names = catalogue_.familyNames;
    for (const std::string& family : names) visitFamily(familiesRoot_, family);
  }

  // The family names of both roots are tried below FamiliesNT; a name that
  // stands in both lists is visited once, so its products are listed once.
  void familiesNtPass() {
    RegSchluesselListen(familiesNtRoot_);
    std::set<std::string, KeyNameOrder> visited;
    const std::vector<std::string> names = catalogue_.familyNames;
    for (const std::string& family : names)
      if (visited.insert(toAnsi(family)).second) visitFamily(familiesNtRoot_, family);
  }

  // Every entry found becomes a row, judged by its files; then the sort.
  RegistryCatalogue headerPass() {
    catalogue_.rows.reserve(entries_.size());
    FoundPaths paths;
    for (CatalogueEntry& entry : entries_)
      catalogue_.rows.push_back(catalogueRow(std::move(entry), paths));
    ListenSortieren(catalogue_.rows);
    return std::move(catalogue_);
  }

 private:
  void visitFamily(const std::string& root, const std::string& family) {
    currentFamily_ = family;
    RegSchluesselListen(root + family + "\\");
  }

  // Enumerates the direct subkeys of keyPath (which ends with a backslash):
  // family names at a family root, catalogue entries below a family key or
  // the Products root.
  void RegSchluesselListen(const std::string& keyPath) {
    const bool productsLevel = keyPath == productsRoot_;
    const bool familyLevel = keyPath == familiesRoot_ || keyPath == familiesNtRoot_;
    for (const std::string& name : fSubkeysListen(registry_, Root::LocalMachine, keyPath)) {
      if (productsLevel) ++catalogue_.productsSeen;
      if (!registry_.canOpen(Root::LocalMachine, toAnsi(keyPath + name))) continue;
      if (familyLevel) {
        catalogue_.familyNames.push_back(name);
        continue;
      }
      if (!tdbValueReadable(keyPath + name)) {
        dialogs_.message({fehler25_ + keyPath + name, kCatalogueTitle, Buttons::Ok, Icon::None});
        continue;
      }
      appendEntry(keyPath, name, productsLevel);
    }
  }

  // Another installer may have stored the TDB value as something other than
  // text, which no path can be read from.
  bool tdbValueReadable(const std::string& productKey) {
    const auto value = registry_.queryValue(Root::LocalMachine, toAnsi(productKey), kValueTdb);
    return !value || value->type == kRegSz || value->type == kRegExpandSz;
  }

  void appendEntry(const std::string& keyPath, const std::string& name, bool productsLevel) {
    const std::string familyLevelPath = currentFamily_ + "\\";
    if (keyPath == familiesRoot_ + familyLevelPath) {
      entries_.push_back(
          readCatalogueEntry(registry_, base_, RegistrationRoot::Families, familyLevelPath + name));
      ++catalogue_.familyEntries;
    } else if (keyPath == familiesNtRoot_ + familyLevelPath) {
      entries_.push_back(readCatalogueEntry(registry_, base_, RegistrationRoot::FamiliesNT,
                                            familyLevelPath + name));
    } else if (productsLevel) {
      entries_.push_back(readCatalogueEntry(registry_, base_, RegistrationRoot::Products, name));
    }
  }

  Registry& registry_;
  Dialogs& dialogs_;
  const std::string& base_;
  const std::string& fehler25_;
  const std::string productsRoot_;
  const std::string familiesRoot_;
  const std::string familiesNtRoot_;
  std::string currentFamily_;
  RegistryCatalogue catalogue_;
  std::vector<CatalogueEntry> entries_;
};

}  // namespace

CatalogueRow catalogueRow(CatalogueEntry entry, FoundPaths& paths) {
  // Every action on the row opens these files; where the file system tells
  // case apart, they carry the name the file really has.
  for (std::string* path : {&entry.tdb, &entry.overview, &entry.typ}) *path = paths.found(*path);
  CatalogueRow row;
  row.state = judgeEntry(entry, [](const std::string& path) { return isFile(path); });
  if (row.state != EntryState::TdbMissing) {
    const TdbHeaderRead read = readTdbHeader(entry.tdb);
    if (read.status != FileStatus::Ok || read.damage != TdbDamage::None) {
      row.state = EntryState::TdbUnreadable;
    } else {
      entry.mapsetName = fromAnsi(read.header.listedName());
      entry.fid = read.header.listedFid();
      entry.pid = read.header.pid;
    }
  }
  row.cells = entryCells(entry, row.state);
  row.entry = std::move(entry);
  return row;
}

CatalogueRow catalogueRow(CatalogueEntry entry) {
  FoundPaths paths;
  return catalogueRow(std::move(entry), paths);
}

void ListenSortieren(std::vector<CatalogueRow>& rows) {
  std::stable_sort(rows.begin(), rows.end(), [](const CatalogueRow& a, const CatalogueRow& b) {
    return a.cells.name < b.cells.name;
  });
}

RegistryCatalogue TDBlesen(Registry& registry, Dialogs& dialogs, const std::string& base,
                           const std::string& fehler25) {
  CatalogueWalk walk(registry, dialogs, base, fehler25);
  walk.productsPass();
  walk.familiesPass();
  walk.familiesNtPass();
  return walk.headerPass();
}

}  // namespace mapsetdesk
