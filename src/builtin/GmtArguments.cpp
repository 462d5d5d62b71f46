#include "builtin/GmtArguments.h"

#include <charconv>

namespace mapsetdesk::builtin {
namespace {

std::optional<std::uint16_t> number(std::string_view text) {
  std::uint16_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "FID,PID" or "FID"
bool takeIds(GmtCommand& command, const std::string& text) {
  const std::size_t comma = text.find(',');
  const auto fid = number(std::string_view(text).substr(0, comma));
  const auto pid = comma == std::string::npos ? std::optional<std::uint16_t>(1)
                                              : number(std::string_view(text).substr(comma + 1));
  if (!fid || !pid) return false;
  command.fid = *fid;
  command.pid = *pid;
  return true;
}

bool take(GmtCommand& command, const std::string& option, const std::string& value) {
  if (option == "-f") return takeIds(command, value);
  if (option == "-c") {
    const auto codePage = number(value);
    if (codePage) command.codePage = *codePage;
    return codePage.has_value();
  }
  std::string* const field = option == "-m"   ? &command.name
                             : option == "-n" ? &command.mapname
                             : option == "-o" ? &command.folder
                             : option == "-@" ? &command.list
                                              : nullptr;
  if (!field) return false;
  *field = value;
  return true;
}

bool complete(GmtCommand& command, char mode) {
  if (command.folder.empty()) return false;
  if (mode == 'S' && !command.list.empty()) {
    command.operation = GmtOperation::JoinTiles;
    return command.fid != 0 && !command.name.empty() && !command.mapname.empty() &&
           command.image.empty();
  }
  command.operation = mode == 'g'   ? GmtOperation::Unpack
                      : mode == 'G' ? GmtOperation::SplitFamilies
                                    : GmtOperation::SplitFamilyImage;
  return !command.image.empty() && command.list.empty();
}

}  // namespace

std::optional<GmtCommand> parseGmtArguments(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return std::nullopt;
  const std::string& mode = arguments.front();
  if (mode != "-S" && mode != "-G" && mode != "-g") return std::nullopt;
  GmtCommand command;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!argument.empty() && argument[0] == '-') {
      if (i + 1 >= arguments.size() || !take(command, argument, arguments[++i]))
        return std::nullopt;
    } else if (command.image.empty() && !argument.empty()) {
      command.image = argument;
    } else {
      return std::nullopt;
    }
  }
  if (!complete(command, mode[1])) return std::nullopt;
  return command;
}

}  // namespace mapsetdesk::builtin
