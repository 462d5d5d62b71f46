#include "platform/win/WinSecurity.h"

namespace mapsetdesk {
namespace {

std::optional<FailedCall> adjust(HANDLE token, const wchar_t* name, bool on) {
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = on ? SE_PRIVILEGE_ENABLED : 0;
  if (!LookupPrivilegeValueW(nullptr, name, &privileges.Privileges[0].Luid))
    return FailedCall{"LookupPrivilegeValue", GetLastError()};
  if (!AdjustTokenPrivileges(token, FALSE, &privileges, sizeof privileges, nullptr, nullptr))
    return FailedCall{"AdjustTokenPrivileges", GetLastError()};
  return std::nullopt;
}

}  // namespace

std::optional<FailedCall> switchPrivileges(std::initializer_list<const wchar_t*> names, bool on) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
    return FailedCall{"OpenProcessToken", GetLastError()};
  std::optional<FailedCall> failure;
  for (const wchar_t* name : names) {
    failure = adjust(token, name, on);
    if (failure) break;
  }
  CloseHandle(token);
  return failure;
}

AccountSid accountSid(const std::wstring& user) {
  DWORD sidSize = 0;
  DWORD domainSize = 0;
  SID_NAME_USE use;
  LookupAccountNameW(nullptr, user.c_str(), nullptr, &sidSize, nullptr, &domainSize, &use);
  AccountSid found;
  found.sid.resize(sidSize == 0 ? 1 : sidSize);
  std::vector<wchar_t> domain(domainSize == 0 ? 1 : domainSize);
  if (!LookupAccountNameW(nullptr, user.c_str(), found.sid.data(), &sidSize, domain.data(),
                          &domainSize, &use)) {
    found.sid.clear();
    found.failure = FailedCall{"LookupAccountName", GetLastError()};
  }
  return found;
}

}  // namespace mapsetdesk
