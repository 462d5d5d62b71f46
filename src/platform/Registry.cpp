#include "platform/Registry.h"

namespace mapsetdesk {

RegValue asStoredByWindows(RegValue value) {
  const bool text = value.type == kRegSz || value.type == kRegExpandSz || value.type == kRegMultiSz;
  if (text && !value.data.empty() && value.data.back() != '\0') value.data += '\0';
  return value;
}

const char* rootName(Root root) {
  return root == Root::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::optional<Root> rootFromName(const std::string& name) {
  std::string upper;
  for (const char c : name) upper += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  if (upper == "HKEY_LOCAL_MACHINE" || upper == "HKLM") return Root::LocalMachine;
  if (upper == "HKEY_CURRENT_USER" || upper == "HKCU") return Root::CurrentUser;
  return std::nullopt;
}

}  // namespace mapsetdesk
