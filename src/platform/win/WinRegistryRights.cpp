// SetACL's work on Garmin's key done through the security calls: the user
// becomes owner and gets full control. The key is opened in the view the
// registry layer uses for its path, so the rights land on the key written.
#include <windows.h>
#include <aclapi.h>

#include <vector>

#include "platform/Permissions.h"
#include "platform/win/RegistryView.h"
#include "platform/win/WideText.h"
#include "platform/win/WinSecurity.h"

namespace mapsetdesk {
namespace {

// Taking a key the user does not own needs both, switched on for the call.
constexpr wchar_t kRestorePrivilege[] = L"SeRestorePrivilege";
constexpr wchar_t kTakeOwnershipPrivilege[] = L"SeTakeOwnershipPrivilege";

// An open key below HKEY_LOCAL_MACHINE, closed when it goes out of scope.
class MachineKey {
 public:
  MachineKey(const std::string& keyPath, REGSAM access) {
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, wideText(keyPath).c_str(), 0,
                      access | registryViewOf(keyPath), &handle_) != ERROR_SUCCESS)
      handle_ = nullptr;
  }
  ~MachineKey() {
    if (handle_) RegCloseKey(handle_);
  }
  MachineKey(const MachineKey&) = delete;
  MachineKey& operator=(const MachineKey&) = delete;
  HKEY get() const { return handle_; }

 private:
  HKEY handle_ = nullptr;
};

bool setOwner(const std::string& keyPath, PSID user) {
  MachineKey key(keyPath, WRITE_OWNER);
  return key.get() && SetSecurityInfo(key.get(), SE_REGISTRY_KEY, OWNER_SECURITY_INFORMATION,
                                      user, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// Merged into the key's access list, inherited by every key below it.
bool grantFullControl(const std::string& keyPath, PSID user) {
  MachineKey key(keyPath, READ_CONTROL | WRITE_DAC);
  PACL oldList = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!key.get() || GetSecurityInfo(key.get(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr,
                                    nullptr, &oldList, nullptr, &descriptor) != ERROR_SUCCESS)
    return false;
  EXPLICIT_ACCESS_W access{};
  access.grfAccessPermissions = KEY_ALL_ACCESS;
  access.grfAccessMode = GRANT_ACCESS;
  access.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
  access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  access.Trustee.TrusteeType = TRUSTEE_IS_USER;
  access.Trustee.ptstrName = static_cast<LPWSTR>(user);
  PACL newList = nullptr;
  bool granted = SetEntriesInAclW(1, &access, oldList, &newList) == ERROR_SUCCESS;
  if (granted) {
    granted = SetSecurityInfo(key.get(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, newList, nullptr) == ERROR_SUCCESS;
    LocalFree(newList);
  }
  LocalFree(descriptor);
  return granted;
}

}  // namespace

bool takeRegistryKeyRights(const std::string& keyPath, const std::string& user) {
  AccountSid account = accountSid(wideText(user));
  if (account.failure) return false;
  if (switchPrivileges({kRestorePrivilege, kTakeOwnershipPrivilege}, true)) return false;
  const bool owner = setOwner(keyPath, account.sid.data());
  // Switched off again whatever became of the owner.
  switchPrivileges({kRestorePrivilege, kTakeOwnershipPrivilege}, false);
  return owner && grantFullControl(keyPath, account.sid.data());
}

}  // namespace mapsetdesk
