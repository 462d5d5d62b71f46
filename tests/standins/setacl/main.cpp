// A stand-in for SetACL.exe, for tests. It accepts the two command lines the
// program builds for the Garmin registry key:
//   SetACL.exe -on KEY -ot reg -actn setowner -ownr "n:USER"
//   SetACL.exe -on KEY -ot reg -actn ace -ace "n:USER;p:full"
// and appends one line per call to SetACL.log beside itself: the action, the
// key and the user (and the right), separated by tabs.
// MAPSETDESK_SETACL_FAULT=nothing makes it record nothing.
#include <fstream>
#include <map>
#include <string>

#include "common/Bytes.h"
#include "common/Faults.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"

namespace mapsetdesk::standin {
namespace {

constexpr std::string_view kUserPrefix = "n:";
constexpr std::string_view kFullControl = ";p:full";

// The option values by option name; empty when the arguments do not pair up.
std::map<std::string, std::string> optionValues(int argc, char** argv) {
  std::map<std::string, std::string> values;
  if (argc % 2 == 0) return {};
  for (int i = 1; i + 1 < argc; i += 2) values[argv[i]] = textArgument(argv[i + 1]);
  return values;
}

// The log line for a well-formed call; empty when the call is not one of the two.
std::string logLine(std::map<std::string, std::string> values) {
  const std::string& key = values["-on"];
  if (key.empty() || values["-ot"] != "reg") return {};
  const std::string& action = values["-actn"];
  if (action == "setowner" && values.size() == 4 && values["-ownr"].rfind(kUserPrefix, 0) == 0)
    return "setowner\t" + key + "\t" + values["-ownr"].substr(kUserPrefix.size());
  const std::string& ace = values["-ace"];
  const bool full =
      ace.size() > kFullControl.size() &&
      ace.compare(ace.size() - kFullControl.size(), kFullControl.size(), kFullControl) == 0;
  if (action == "ace" && values.size() == 4 && ace.rfind(kUserPrefix, 0) == 0 && full)
    return "ace\t" + key + "\t" +
           ace.substr(kUserPrefix.size(), ace.size() - kUserPrefix.size() - kFullControl.size()) +
           "\tfull";
  return {};
}

}  // namespace
}  // namespace mapsetdesk::standin

int main(int argc, char** argv) {
  using namespace mapsetdesk;
  using namespace mapsetdesk::standin;
  const std::string line = logLine(optionValues(argc, argv));
  if (line.empty()) {
    say("SetACL stand-in: unknown command line");
    return 2;
  }
  if (!Faults(kSetaclFault).has("nothing")) {
    std::ofstream log(filePath(joinPath(executableFolder(), "SetACL.log")),
                      std::ios::app | std::ios::binary);
    log << line << "\n";
  }
  say("SetACL finished successfully.");
  return 0;
}
