#pragma once
// Where a built-in tool writes what the outside program it stands for would
// print: one line per file read or written and one per problem. The flows
// show it in the tool window and judge the run by the files, as they do for
// the outside programs.
#include <string>

namespace mapsetdesk::builtin {

class ToolReport {
 public:
  virtual ~ToolReport() = default;
  virtual void line(const std::string& text) = 0;
  // Called between files during long work, so the windows keep painting.
  virtual void letEventsRun() {}
};

}  // namespace mapsetdesk::builtin
