#pragma once
// The security calls the folder and registry grants share: privileges of the
// process and account identifiers. Each reports the call that failed, so a
// grant can tell the user or stay silent.
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace mapsetdesk {

struct FailedCall {
  const char* name;  // "OpenProcessToken", ...
  DWORD code;
};

// Switches the named privileges of the process on or off.
std::optional<FailedCall> switchPrivileges(std::initializer_list<const wchar_t*> names, bool on);

// The account's security identifier, or the failed call.
struct AccountSid {
  std::vector<BYTE> sid;
  std::optional<FailedCall> failure;
};
AccountSid accountSid(const std::wstring& user);

}  // namespace mapsetdesk
