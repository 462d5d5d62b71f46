#pragma once
// Opens a file or a web address with the handler the person's system has for
// it: the help file, the product's website.
#include <memory>
#include <string>

namespace mapsetdesk {

class ShellOpen {
 public:
  virtual ~ShellOpen() = default;
  // The "open" verb in a normal window; returns without waiting for the
  // handler. False when no handler could be started.
  virtual bool open(const std::string& target) = 0;
};

// Windows: the shell's "open" verb. POSIX: xdg-open when it is installed.
std::unique_ptr<ShellOpen> openSystemShell();

}  // namespace mapsetdesk
