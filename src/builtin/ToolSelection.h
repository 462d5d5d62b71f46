#pragma once
// Which of the outside programs' work the built-in tools do, by the "Tools"
// setting and by what lies in the program folder. The flows ask it through
// the runner, so their checks for gmt.exe, cgpsmapper, sendg.dll and
// SetACL.exe pass whenever a built-in will do the work.
#include <functional>
#include <string>

#include "builtin/ToolsChoice.h"

namespace mapsetdesk::builtin {

enum class OutsideTool { None, Gmt, Cgpsmapper, Sendg, SetAcl, Java, Mkgmap };

// The outside program a path names, by its last component without regard to
// case ("gmt" and "gmt.exe" both: one command line leaves the extension out).
OutsideTool outsideToolNamed(const std::string& path);

class ToolSelection {
 public:
  explicit ToolSelection(std::function<ToolsChoice()> choice) : choice_(std::move(choice)) {}

  // Whether the built-in does the work of the program at path.
  bool builtinRuns(const std::string& path) const;
  // Whether the program at path is there, or the built-in works in its place.
  // Java and mkgmap.jar of the fall-back compile are found where they are
  // ("java" alone asks for any Java program), unless only the outside
  // programs may run: then only the file at path counts.
  bool canWork(const std::string& path) const;
  // "extern": command lines run exactly as they are written.
  bool outsideOnly() const { return choice_() == ToolsChoice::Extern; }

 private:
  std::function<ToolsChoice()> choice_;
};

}  // namespace mapsetdesk::builtin
