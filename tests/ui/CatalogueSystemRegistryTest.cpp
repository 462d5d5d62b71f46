// The show/remove action and a removal in the main window over the registry
// of this build: the file registry here, the real registry under Wine. The
// registrations lie below a scratch base of the test's own, which stands in
// for the base the Wow64 setting chooses; the settings stay in memory.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/Permissions.h"
#include "support/FormDriver.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"
#include "support/TestRegistry.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

// HKEY_LOCAL_MACHINE from one registry, HKEY_CURRENT_USER from another.
class SplitRegistry : public Registry {
 public:
  SplitRegistry(Registry& machine, Registry& user) : machine_(machine), user_(user) {}

  bool canOpen(Root root, const std::string& path) override { return of(root).canOpen(root, path); }
  bool keyExists(Root root, const std::string& path) override {
    return of(root).keyExists(root, path);
  }
  std::optional<RegValue> queryValue(Root root, const std::string& path,
                                     const std::string& name) override {
    return of(root).queryValue(root, path, name);
  }
  bool createKey(Root root, const std::string& path) override {
    return of(root).createKey(root, path);
  }
  bool setValue(Root root, const std::string& path, const RegValue& value) override {
    return of(root).setValue(root, path, value);
  }
  bool deleteValue(Root root, const std::string& path, const std::string& name) override {
    return of(root).deleteValue(root, path, name);
  }
  bool deleteKey(Root root, const std::string& path) override {
    return of(root).deleteKey(root, path);
  }
  std::vector<std::string> subkeyNames(Root root, const std::string& path) override {
    return of(root).subkeyNames(root, path);
  }
  std::vector<RegValue> values(Root root, const std::string& path) override {
    return of(root).values(root, path);
  }

 private:
  Registry& of(Root root) { return root == Root::LocalMachine ? machine_ : user_; }
  Registry& machine_;
  Registry& user_;
};

TEST(CatalogueSystemRegistry, ListsAndRemovesARealRegistration) {
  RealMapsets mapsets;
  ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
  ProgramHarness p;
  TestRegistry system;
  SplitRegistry registry(system.registry(), p.memory);
  Services services{registry, p.facts,  p.dialogs,  p.sound,
                    p.shell,  p.runner, *p.folders, p.services.programFolder};
  Session session;
  p.storeSetting("Wow64", "falsch");
  ui::ProgramWindows windows(p.screen, services, session);
  windows.main.show();
  const std::string base = system.base(Root::LocalMachine);
  session.vReg6432 = base;

  const MapsetFiles nord = mapsets.make(p.folder / "Karten", "Nord", "Harz Nord", 4711, 1);
  const MapsetFiles sued = mapsets.make(p.folder / "Karten", "Sued", "Harz Süd", 4711, 2);
  registerFamilyProduct(system.registry(), base, RegistrationRoot::Families, "Harz4711", 4711, "1",
                        nord);
  registerFamilyProduct(system.registry(), base, RegistrationRoot::Families, "Harz4711", 4711, "2",
                        sued);
  const fs::path package =
      mapsets.copyPackage(p.folder / "ProgramData" / "GARMIN" / "Maps", "Harz Familie");

  ASSERT_TRUE(click(windows.main.CommandKartenentfernen));
  if (grantsRights()) {
    EXPECT_EQ(p.dialogs.take().text, kSetAclMissing);
  }
  EXPECT_EQ(windows.main.ListLoeschen.items(), (std::vector<std::string>{"Harz Nord", "Harz Süd"}));
  EXPECT_EQ(windows.main.ListSubkey.items(),
            (std::vector<std::string>{"Harz4711\\1", "Harz4711\\2"}));
  EXPECT_EQ(windows.main.ListMapsetGMP.items(),
            std::vector<std::string>{"gmap; Harzkarte Süd; FID:4711;PID:3"});

  p.dialogs.answer(Answer::Ok);
  ASSERT_TRUE(dblClick(windows.main.ListLoeschen, 1));
  EXPECT_EQ(p.dialogs.take().text, "Den Kartensatz wirklich aus Mapsource entfernen ?");
  EXPECT_EQ(windows.main.ListLoeschen.items(), std::vector<std::string>{"Harz Nord"});
  const std::string family = base + "\\Garmin\\MapSource\\Families\\Harz4711";
  EXPECT_FALSE(system.registry().canOpen(Root::LocalMachine, toAnsi(family + "\\2")));
  EXPECT_TRUE(system.registry().canOpen(Root::LocalMachine, toAnsi(family + "\\1")));
  EXPECT_FALSE(fs::exists(filePath(sued.tdb)));

  p.dialogs.answer(Answer::Yes);
  ASSERT_TRUE(dblClick(windows.main.ListMapsetGMP, 0));
  EXPECT_EQ(p.dialogs.take().text, "Den Kartensatz wirklich aus Mapsource entfernen ?");
  EXPECT_FALSE(fs::exists(package));
  p.dialogs.expectAllTaken();
}

}  // namespace
}  // namespace mapsetdesk::testing
