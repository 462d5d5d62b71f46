#include <windows.h>
#include <aclapi.h>

#include <vector>

#include "platform/Permissions.h"
#include "platform/win/WideText.h"
#include "platform/win/WinSecurity.h"

namespace mapsetdesk {
namespace {

constexpr wchar_t kRestorePrivilege[] = L"SeRestorePrivilege";

void tellFailure(Dialogs& dialogs, const char* what, DWORD code) {
  dialogs.message(
      {std::string(what) + std::to_string(code), kPermissionsTitle, Buttons::Ok, Icon::None});
}

void tellFailure(Dialogs& dialogs, const FailedCall& failure) {
  tellFailure(dialogs, (std::string(failure.name) + " failed with error code ").c_str(),
              failure.code);
}

// Setting another account as owner needs the restore privilege, which the
// process holds only switched on for the call.
bool switchRestorePrivilege(Dialogs& dialogs, bool on) {
  const auto failure = switchPrivileges({kRestorePrivilege}, on);
  if (failure) tellFailure(dialogs, *failure);
  return !failure;
}

void setOwner(Dialogs& dialogs, const std::wstring& folder, const std::wstring& user) {
  AccountSid account = accountSid(user);
  if (account.failure) return tellFailure(dialogs, *account.failure);
  std::vector<BYTE>& sid = account.sid;
  SECURITY_DESCRIPTOR descriptor;
  if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION)) {
    tellFailure(dialogs, "InitializeSecurityDescriptor failed with error code ", GetLastError());
  } else if (!SetSecurityDescriptorOwner(&descriptor, sid.data(), FALSE)) {
    tellFailure(dialogs, "SetSecurityDescriptorOwner failed with error code ", GetLastError());
  } else if (!SetFileSecurityW(folder.c_str(), OWNER_SECURITY_INFORMATION, &descriptor)) {
    tellFailure(dialogs, "SetFileSecurity failed with error code ", GetLastError());
  }
}

}  // namespace

bool grantsRights() { return true; }

void grantRegistryRights(ToolRunner& runner, Dialogs& dialogs, const std::string& programFolder,
                         const std::string& registryPath, const std::string& user) {
  runSetAcl(runner, dialogs, programFolder, registryPath, user);
}

void grantFolderOwner(Dialogs& dialogs, const std::string& folder, const std::string& user) {
  if (!switchRestorePrivilege(dialogs, true)) return;
  setOwner(dialogs, wideText(folder), wideText(user));
  // Switched off again whatever became of the owner.
  switchRestorePrivilege(dialogs, false);
}

void grantFolderWriteAccess(Dialogs& dialogs, const std::string& folder, const std::string& user) {
  std::wstring path = wideText(folder);
  std::wstring account = wideText(user);
  PACL oldList = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  DWORD result = GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                       nullptr, nullptr, &oldList, nullptr, &descriptor);
  if (result != ERROR_SUCCESS) {
    tellFailure(dialogs, "GetNamedSecurityInfo failed with error code : ", result);
    return;
  }
  EXPLICIT_ACCESS_W access{};
  BuildExplicitAccessWithNameW(&access, account.data(), GENERIC_WRITE, SET_ACCESS,
                               SUB_CONTAINERS_AND_OBJECTS_INHERIT);
  PACL newList = nullptr;
  result = SetEntriesInAclW(1, &access, oldList, &newList);
  if (result != ERROR_SUCCESS) {
    tellFailure(dialogs, "SetEntriesInAcl failed with error code : ", result);
  } else {
    result = SetNamedSecurityInfoW(path.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                   nullptr, newList, nullptr);
    if (result != ERROR_SUCCESS)
      tellFailure(dialogs, "SetNamedSecurityInfo failed with error code : ", result);
    LocalFree(newList);
  }
  LocalFree(descriptor);
}

}  // namespace mapsetdesk
