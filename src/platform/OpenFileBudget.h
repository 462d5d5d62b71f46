#pragma once
// How many files a long run may hold open at once, beside what the program
// holds already. The system's limit is raised to what it allows, up to a
// few thousand, the first time this is asked.
#include <cstddef>

namespace mapsetdesk {

std::size_t openFileBudget();

}  // namespace mapsetdesk
