#include "platform/Registry.h"

#include "platform/Codec.h"

namespace mapsetdesk {

std::string Registry::storedText(std::string_view utf8) const { return toAnsi(utf8); }

std::string Registry::programText(std::string_view stored) const { return fromAnsi(stored); }

bool isTextType(std::uint32_t type) {
  return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

RegValue asStoredByWindows(RegValue value) {
  if (isTextType(value.type) && !value.data.empty() && value.data.back() != '\0') value.data += '\0';
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
