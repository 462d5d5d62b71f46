#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/ShellOpen.h"

namespace mapsetdesk {
namespace {

constexpr const char* kOpener = "xdg-open";

bool onSearchPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return false;
  const std::string folders = path;
  for (std::size_t start = 0; start <= folders.size();) {
    const auto end = folders.find(':', start);
    std::string folder = folders.substr(start, end - start);
    if (folder.empty()) folder = ".";
    if (access((folder + '/' + program).c_str(), X_OK) == 0) return true;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return false;
}

class XdgShellOpen : public ShellOpen {
 public:
  bool open(const std::string& target) override {
    if (!onSearchPath(kOpener)) return false;
    // A grandchild runs the opener, so the program neither waits for it nor
    // leaves a finished child behind.
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
      setsid();
      if (fork() == 0) {
        execlp(kOpener, kOpener, target.c_str(), static_cast<char*>(nullptr));
        _exit(127);
      }
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
};

}  // namespace

std::unique_ptr<ShellOpen> openSystemShell() { return std::make_unique<XdgShellOpen>(); }

}  // namespace mapsetdesk
