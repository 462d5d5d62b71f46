#pragma once
// The arguments a program was started with, after the program itself, as
// UTF-8. Windows hands main() the arguments in the ANSI code page, which
// cannot hold every name, so there they are read anew as UTF-16.
#include <string>
#include <vector>

namespace mapsetdesk {

std::vector<std::string> programArguments(int argc, char** argv);

}  // namespace mapsetdesk
