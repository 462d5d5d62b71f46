#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/RegistryOps.h"
#include "platform/win/WinRegistry.h"

namespace mapsetdesk {
namespace {

// The Wow64 setting makes the program write below "SOFTWARE\Wow6432Node". For
// a 32-bit program on 64-bit Windows that must be the same place as
// "SOFTWARE", the part of the registry the 32-bit Garmin programs read.
class WinRegistryView : public ::testing::Test {
 protected:
  static constexpr const char* kPlain = "SOFTWARE\\mapsetdesk view test";
  static constexpr const char* kRedirected = "SOFTWARE\\Wow6432Node\\mapsetdesk view test";

  void SetUp() override {
    // Windows names the machine's architecture here only for WOW64 processes.
    ASSERT_TRUE(std::getenv("PROCESSOR_ARCHITEW6432"))
        << "the Windows tests run as a 32-bit program on 64-bit Windows";
    removeKeys();
  }
  void TearDown() override { removeKeys(); }

  void removeKeys() {
    registry.deleteKey(Root::LocalMachine, std::string(kPlain) + "\\Family");
    registry.deleteKey(Root::LocalMachine, kPlain);
  }

  WinRegistry registry;
};

TEST_F(WinRegistryView, Wow6432NodeNamesTheKeysA32BitProgramSeesBelowSoftware) {
  fStringSpeichern(registry, Root::LocalMachine, std::string(kPlain) + "\\Family", "ID", "4711");
  EXPECT_EQ(fRegAbfrageWert(registry, Root::LocalMachine,
                            std::string(kRedirected) + "\\Family", "ID"),
            "4711");
  EXPECT_EQ(fSubkeysListen(registry, Root::LocalMachine, kRedirected),
            std::vector<std::string>{"Family"});

  fSchluesselLoeschen(registry, Root::LocalMachine, std::string(kRedirected) + "\\Family");
  EXPECT_FALSE(registry.canOpen(Root::LocalMachine, std::string(kPlain) + "\\Family"));
}

TEST_F(WinRegistryView, AKeyCreatedBelowWow6432NodeIsNotDoubled) {
  fStringSpeichern(registry, Root::LocalMachine, std::string(kRedirected) + "\\Family", "ID", "4712");
  EXPECT_EQ(fRegAbfrageWert(registry, Root::LocalMachine, std::string(kPlain) + "\\Family", "ID"),
            "4712");
  HKEY doubled = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                          L"SOFTWARE\\Wow6432Node\\Wow6432Node\\mapsetdesk view test", 0,
                          KEY_READ | KEY_WOW64_64KEY, &doubled),
            ERROR_FILE_NOT_FOUND);
  EXPECT_TRUE(registry.deleteKey(Root::LocalMachine, std::string(kRedirected) + "\\Family"));
  EXPECT_FALSE(registry.keyExists(Root::LocalMachine, std::string(kPlain) + "\\Family"));
}

}  // namespace
}  // namespace mapsetdesk
