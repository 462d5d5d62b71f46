// The registration of a new mapset, value by value with read-back.
#include <gtest/gtest.h>

#include "app/messages/CatalogueTexts.h"
#include "catalogue/Registration.h"
#include "install/MapsetEintragen.h"
#include "platform/MemoryRegistry.h"
#include "platform/Platform.h"
#include "support/RefusingRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

using testing::ScriptedDialogs;
using testing::TempDir;

constexpr char kBase[] = "SOFTWARE\\Wow6432Node";

// Keeps no write: the registry of a user whose writes are refused. Remembers
// the names written, in order.
class DroppingRegistry : public testing::RefusingRegistry {
 public:
  DroppingRegistry() : RefusingRegistry(memory) { refuseWrites(); }
  bool setValue(Root root, const std::string& path, const RegValue& value) override {
    written.push_back(value.name);
    return RefusingRegistry::setValue(root, path, value);
  }
  MemoryRegistry memory;
  std::vector<std::string> written;
};

class MapsetEintragenTest : public ::testing::Test {
 protected:
  MapsetRegistration registration(std::uint16_t fid, RegistrationRoot root = RegistrationRoot::Families) {
    return {rootKeyPath(kBase, root), kBase, "Topo_Har", joinPath(tiles.str(), ""), fid,
            std::to_string(fid)};
  }
  const std::string& fehler29() const { return englishTexts().messages.at("Fehler29"); }
  std::optional<RegValue> value(const std::string& key, const std::string& name) {
    return registry.queryValue(Root::LocalMachine, key, name);
  }
  std::string text(const std::string& key, const std::string& name) {
    return fRegAbfrageWert(registry, Root::LocalMachine, key, name);
  }
  RegWriteCheck write(Registry& target, const MapsetRegistration& r) {
    RegWriteCheck check;
    check.vRegkey = false;
    MapsetEintragen(target, dialogs, fehler29(), check, r);
    return check;
  }
  std::string familyKey(const std::string& name) {
    return rootKeyPath(kBase, RegistrationRoot::Families) + name;
  }

  TempDir tiles;
  MemoryRegistry registry;
  ScriptedDialogs dialogs;
};

TEST_F(MapsetEintragenTest, FamilyKeyIsMapnameAndFidWithTheIdLowByteFirst) {
  EXPECT_TRUE(write(registry, registration(1234)).vRegkey);
  const std::string family = familyKey("Topo_Har1234");
  EXPECT_EQ(value(family, "ID")->data, std::string("\xD2\x04", 2));
  EXPECT_EQ(value(family, "ID")->type, kRegBinary);
  const std::string pfad = joinPath(tiles.str(), "");
  EXPECT_EQ(text(family + "\\1", "TDB"), pfad + "Topo_Har.TDB");
  EXPECT_EQ(text(family + "\\1", "BMAP"), pfad + "Topo_Har.img");
  EXPECT_EQ(text(family + "\\1", "LOC"), pfad);
  EXPECT_FALSE(value(family, "TYP"));  // no TYP file beside the tiles
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(MapsetEintragenTest, TheTwoIdBytesAtTheByteBoundary) {
  write(registry, registration(256));
  write(registry, registration(255));
  EXPECT_EQ(value(familyKey("Topo_Har256"), "ID")->data, std::string("\x00\x01", 2));
  EXPECT_EQ(value(familyKey("Topo_Har255"), "ID")->data, std::string("\xFF\x00", 2));
}

TEST_F(MapsetEintragenTest, ATypFileBesideTheTilesIsRegisteredWhateverTheCaseOfItsName) {
  testing::writeFile(tiles / "Topo_Har.typ", "typ");
  EXPECT_TRUE(write(registry, registration(77)).vRegkey);
  EXPECT_EQ(text(familyKey("Topo_Har77"), "TYP"),
            joinPath(tiles.str(), "") + "Topo_Har.TYP");
}

TEST_F(MapsetEintragenTest, AWriteThatDoesNotReadBackStopsAfterTheTdbWithOnlyTheIdBefore) {
  DroppingRegistry dropping;
  const RegWriteCheck check = write(dropping, registration(1234));
  EXPECT_FALSE(check.vRegkey);
  EXPECT_EQ(dropping.written, (std::vector<std::string>{"ID", "TDB"}));
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, fehler29());
  EXPECT_EQ(shown.title, "ZORVAN");
  dialogs.expectAllTaken();
}

TEST_F(MapsetEintragenTest, TheProductsLayoutWritesOneKeyNamedByTheFid) {
  EXPECT_TRUE(write(registry, registration(500, RegistrationRoot::Products)).vRegkey);
  const std::string key = rootKeyPath(kBase, RegistrationRoot::Products) + "500";
  EXPECT_EQ(text(key, "TDB"), joinPath(tiles.str(), "") + "Topo_Har.TDB");
  EXPECT_FALSE(value(key, "ID"));
  EXPECT_FALSE(registry.canOpen(Root::LocalMachine, familyKey("Topo_Har500")));
}

}  // namespace
}  // namespace mapsetdesk
