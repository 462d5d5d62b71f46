#pragma once
// JSON on the standard output, for scripts: indented, one document per
// command. A name that is no valid UTF-8 shows the replacement character
// rather than stopping the output.
#include <nlohmann/json.hpp>
#include <ostream>

namespace mapsetdesk::cli {

inline void printJson(std::ostream& out, const nlohmann::json& value) {
  out << value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

}  // namespace mapsetdesk::cli
