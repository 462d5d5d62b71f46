// Without Windows there are no rights to grant: the grants change nothing
// and say nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/Permissions.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {
namespace {

TEST(PosixPermissions, FolderGrantsLeaveTheFolderAsItWas) {
  TempDir folder;
  ScriptedDialogs dialogs;
  struct stat before{};
  ASSERT_EQ(stat(folder.str().c_str(), &before), 0);
  EXPECT_FALSE(grantsRights());
  grantFolderOwner(dialogs, folder.str(), "nobody");
  grantFolderWriteAccess(dialogs, folder.str(), "nobody");
  struct stat after{};
  ASSERT_EQ(stat(folder.str().c_str(), &after), 0);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_mode, before.st_mode);
  dialogs.expectAllTaken();
}

TEST(PosixPermissions, RegistryKeyRightsNeedNothingAndSucceed) {
  EXPECT_TRUE(takeRegistryKeyRights("SOFTWARE\\Wow6432Node\\Garmin", "nobody"));
}

}  // namespace
}  // namespace mapsetdesk::testing
