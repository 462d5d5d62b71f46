#pragma once
// How an edit hands each file it is about to rewrite or create to the change
// history, which keeps the file's state first and puts it back when the
// edit fails.
#include <functional>
#include <string>

namespace mapsetdesk {

// False when the state cannot be kept: the file must not be written then.
using FileKeeping = std::function<bool(const std::string&)>;

}  // namespace mapsetdesk
