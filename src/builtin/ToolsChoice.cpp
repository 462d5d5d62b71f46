#include "builtin/ToolsChoice.h"

namespace mapsetdesk {

ToolsChoice toolsChoiceFrom(std::string_view text) {
  if (text == toolsChoiceName(ToolsChoice::Extern)) return ToolsChoice::Extern;
  if (text == toolsChoiceName(ToolsChoice::Intern)) return ToolsChoice::Intern;
  return ToolsChoice::Auto;
}

std::string_view toolsChoiceName(ToolsChoice choice) {
  switch (choice) {
    case ToolsChoice::Extern:
      return "extern";
    case ToolsChoice::Intern:
      return "intern";
    case ToolsChoice::Auto:
      break;
  }
  return "auto";
}

}  // namespace mapsetdesk
