// The folder grants through the Windows security calls, on a folder of the
// test's own, for the user the test runs as.
#include <windows.h>
#include <aclapi.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/Permissions.h"
#include "platform/RegistryOps.h"
#include "platform/RegistryTransfer.h"
#include "platform/win/RegistryView.h"
#include "platform/win/WinRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

std::string userName() {
  char name[256];
  DWORD size = sizeof name;
  return GetUserNameA(name, &size) ? std::string(name) : std::string();
}

// The explicit entries of the folder's access list that grant write access
// to the user, inherited by subfolders and files.
int inheritedWriteEntries(const std::wstring& folder, const std::string& user) {
  PACL list = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(folder.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                            nullptr, &list, nullptr, &descriptor) != ERROR_SUCCESS)
    return -1;
  BYTE sid[SECURITY_MAX_SID_SIZE];
  DWORD sidSize = sizeof sid;
  char domain[256];
  DWORD domainSize = sizeof domain;
  SID_NAME_USE use;
  int found = 0;
  if (LookupAccountNameA(nullptr, user.c_str(), sid, &sidSize, domain, &domainSize, &use)) {
    for (DWORD i = 0; list != nullptr && i < list->AceCount; ++i) {
      ACCESS_ALLOWED_ACE* entry = nullptr;
      if (!GetAce(list, i, reinterpret_cast<void**>(&entry))) continue;
      const bool inherits =
          (entry->Header.AceFlags & (OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE)) ==
          (OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE);
      if (entry->Header.AceType == ACCESS_ALLOWED_ACE_TYPE && inherits &&
          (entry->Mask & (GENERIC_WRITE | FILE_GENERIC_WRITE)) != 0 &&
          EqualSid(&entry->SidStart, sid))
        ++found;
    }
  }
  LocalFree(descriptor);
  return found;
}

TEST(WinPermissions, WriteAccessEntryIsMergedIntoTheFolder) {
  TempDir folder;
  ScriptedDialogs dialogs;
  const std::string user = userName();
  ASSERT_FALSE(user.empty());
  EXPECT_TRUE(grantsRights());
  grantFolderWriteAccess(dialogs, folder.str(), user);
  dialogs.expectAllTaken();
  EXPECT_EQ(inheritedWriteEntries(folder.path().wstring(), user), 1);
}

TEST(WinPermissions, TheUserBecomesOwnerWithoutAMessage) {
  TempDir folder;
  ScriptedDialogs dialogs;
  grantFolderOwner(dialogs, folder.str(), userName());
  dialogs.expectAllTaken();
}

TEST(WinPermissions, AnUnknownAccountIsToldByTheFailingCall) {
  TempDir folder;
  ScriptedDialogs dialogs;
  grantFolderOwner(dialogs, folder.str(), "niemand-den-es-gibt-4711");
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text.rfind("LookupAccountName failed with error code ", 0), 0u) << shown.text;
  EXPECT_EQ(shown.title, "ZORVAN");
  dialogs.expectAllTaken();

  grantFolderWriteAccess(dialogs, folder.str(), "niemand-den-es-gibt-4711");
  EXPECT_EQ(dialogs.take().text.rfind("SetEntriesInAcl failed with error code : ", 0), 0u);
}

TEST(WinPermissions, AMissingFolderIsToldByTheFailingCall) {
  TempDir folder;
  ScriptedDialogs dialogs;
  grantFolderWriteAccess(dialogs, (folder.path() / "fehlt").string(), userName());
  EXPECT_EQ(dialogs.take().text, "GetNamedSecurityInfo failed with error code : 2");
}

// The owner and the full-control entries of the user on a key below
// HKEY_LOCAL_MACHINE, read in the view given.
struct KeyRights {
  bool ownedByUser = false;
  int fullControlEntries = 0;
};

KeyRights keyRights(const std::string& keyPath, REGSAM view, const std::string& user) {
  KeyRights rights;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, READ_CONTROL | view, &key) !=
      ERROR_SUCCESS)
    return rights;
  PSID owner = nullptr;
  PACL list = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  BYTE sid[SECURITY_MAX_SID_SIZE];
  DWORD sidSize = sizeof sid;
  char domain[256];
  DWORD domainSize = sizeof domain;
  SID_NAME_USE use;
  if (GetSecurityInfo(key, SE_REGISTRY_KEY, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
                      &owner, nullptr, &list, nullptr, &descriptor) == ERROR_SUCCESS &&
      LookupAccountNameA(nullptr, user.c_str(), sid, &sidSize, domain, &domainSize, &use)) {
    rights.ownedByUser = EqualSid(owner, sid);
    for (DWORD i = 0; list != nullptr && i < list->AceCount; ++i) {
      ACCESS_ALLOWED_ACE* entry = nullptr;
      if (GetAce(list, i, reinterpret_cast<void**>(&entry)) &&
          entry->Header.AceType == ACCESS_ALLOWED_ACE_TYPE &&
          (entry->Mask & KEY_ALL_ACCESS) == KEY_ALL_ACCESS && EqualSid(&entry->SidStart, sid))
        ++rights.fullControlEntries;
    }
  }
  LocalFree(descriptor);
  RegCloseKey(key);
  return rights;
}

class WinRegistryKeyRights : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { registry.createKey(Root::LocalMachine, key); }
  void TearDown() override { deleteKeyTree(registry, Root::LocalMachine, key); }

  WinRegistry registry;
  const std::string key = std::string(GetParam()) + "\\mapsetdesk rights test " +
                          std::to_string(GetCurrentProcessId());
};

TEST_P(WinRegistryKeyRights, TheUserOwnsAnExistingKeyAndHasFullControlOfIt) {
  const std::string user = userName();
  ASSERT_FALSE(user.empty());
  ASSERT_TRUE(registry.keyExists(Root::LocalMachine, key));
  EXPECT_TRUE(takeRegistryKeyRights(key, user));
  // Read in the view the registry layer writes the key in.
  const KeyRights rights = keyRights(key, registryViewOf(key), user);
  EXPECT_TRUE(rights.ownedByUser);
  EXPECT_GE(rights.fullControlEntries, 1);
}

TEST_P(WinRegistryKeyRights, AMissingKeyOrAnUnknownAccountFailsSilently) {
  EXPECT_FALSE(takeRegistryKeyRights(key + "\\fehlt", userName()));
  EXPECT_FALSE(takeRegistryKeyRights(key, "niemand-den-es-gibt-4711"));
}

INSTANTIATE_TEST_SUITE_P(Bases, WinRegistryKeyRights,
                         ::testing::Values("SOFTWARE\\Wow6432Node", "SOFTWARE"),
                         [](const auto& instance) {
                           return std::string(instance.param) == "SOFTWARE" ? "Software" : "Wow6432Node";
                         });

}  // namespace
}  // namespace mapsetdesk::testing
