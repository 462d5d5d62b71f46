#include "gmt/GmtOptions.h"

#include <cstdlib>

#include "common/Bytes.h"

namespace mapsetdesk::standin {
namespace {

std::uint16_t number(const std::string& text) {
  return static_cast<std::uint16_t>(std::strtoul(text.c_str(), nullptr, 10));
}

// "FID,PID"
void takeIds(GmtOptions& options, const std::string& text) {
  const std::size_t comma = text.find(',');
  options.fid = number(text.substr(0, comma));
  if (comma != std::string::npos) options.pid = number(text.substr(comma + 1));
}

bool complete(const GmtOptions& options) {
  if (options.folder.empty()) return false;
  if (options.mode == 'S' && !options.list.empty())
    return options.fid != 0 && !options.name.empty() && !options.mapname.empty();
  return !options.image.empty() && options.list.empty();
}

}  // namespace

std::optional<GmtOptions> parseGmtOptions(int argc, char** argv) {
  if (argc < 2) return std::nullopt;
  const std::string mode = argv[1];
  if (mode != "-S" && mode != "-G" && mode != "-g") return std::nullopt;
  GmtOptions options;
  options.mode = mode[1];
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    const bool hasValue = i + 1 < argc;
    if (argument == "-f" && hasValue) {
      takeIds(options, argv[++i]);
    } else if (argument == "-m" && hasValue) {
      options.name = ansiArgument(argv[++i]);
    } else if (argument == "-n" && hasValue) {
      options.mapname = textArgument(argv[++i]);
    } else if (argument == "-o" && hasValue) {
      options.folder = textArgument(argv[++i]);
    } else if (argument == "-c" && hasValue) {
      options.codePage = number(argv[++i]);
    } else if (argument == "-@" && hasValue) {
      options.list = textArgument(argv[++i]);
    } else if (argument[0] != '-' && options.image.empty()) {
      options.image = textArgument(argument);
    } else {
      return std::nullopt;
    }
  }
  if (!complete(options)) return std::nullopt;
  return options;
}

}  // namespace mapsetdesk::standin
