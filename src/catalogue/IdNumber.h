#pragma once
// Family and product IDs as a person types them. Both are stored in two
// bytes, and 0 names no family and no product (a TDB whose FID field is 0
// takes its product field as the family), so every ID entry of the program
// takes decimal digits from 1 to 65535 and nothing else.
#include <cstdint>
#include <optional>
#include <string_view>

namespace mapsetdesk {

enum class IdFault { None, NotANumber, Zero, TooBig };

// Blanks around the digits are allowed; a sign, a fraction or any other
// character is not a number.
IdFault idFault(std::string_view text);

// The ID the text stands for; none when idFault finds a fault.
std::optional<std::uint16_t> idFromText(std::string_view text);

}  // namespace mapsetdesk
