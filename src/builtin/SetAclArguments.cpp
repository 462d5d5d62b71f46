#include "builtin/SetAclArguments.h"

#include <string_view>

namespace mapsetdesk::builtin {
namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

std::optional<std::string> option(const std::vector<std::string>& arguments,
                                  std::string_view name) {
  for (std::size_t i = 0; i + 1 < arguments.size(); ++i)
    if (arguments[i] == name) return arguments[i + 1];
  return std::nullopt;
}

}  // namespace

std::optional<SetAclRequest> parseSetAclArguments(const std::vector<std::string>& arguments) {
  const auto object = option(arguments, "-on");
  const auto type = option(arguments, "-ot");
  const auto action = option(arguments, "-actn");
  if (!object || type != "reg" || !action) return std::nullopt;
  std::optional<std::string> trustee;
  if (*action == "setowner") trustee = option(arguments, "-ownr");
  if (*action == "ace") trustee = option(arguments, "-ace");
  constexpr std::string_view kMachine = "HKLM\\";
  if (!trustee || !startsWithNoCase(*object, kMachine) || !startsWithNoCase(*trustee, "n:"))
    return std::nullopt;
  std::string user = trustee->substr(2);
  user = user.substr(0, user.find(';'));
  if (user.empty() || object->size() == kMachine.size()) return std::nullopt;
  return SetAclRequest{object->substr(kMachine.size()), user};
}

}  // namespace mapsetdesk::builtin
