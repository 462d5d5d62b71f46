#pragma once
// Who does the outside programs' work, as the user's setting "Tools" says.
#include <string_view>

namespace mapsetdesk {

// "auto" (also when the value is missing or unknown): an outside program
// runs when it is in the program folder, the built-in otherwise; "extern":
// only the outside programs; "intern": always the built-in.
enum class ToolsChoice { Auto, Extern, Intern };

ToolsChoice toolsChoiceFrom(std::string_view text);
std::string_view toolsChoiceName(ToolsChoice choice);

}  // namespace mapsetdesk
