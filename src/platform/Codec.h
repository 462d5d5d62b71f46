#pragma once
// Text is UTF-8 inside the program; files and the registry hold Windows-1252.
// The conversion happens only at those boundaries, through these functions.
#include <string>
#include <string_view>

namespace mapsetdesk {

// UTF-8 to Windows-1252. A character that Windows-1252 cannot hold becomes "?";
// so does every byte of malformed UTF-8.
std::string toAnsi(std::string_view utf8);

// Windows-1252 to UTF-8. Every byte maps to a character, the five bytes that
// Windows-1252 leaves undefined to U+0081, U+008D, U+008F, U+0090, U+009D as
// Windows does, so bytes carried as text survive a round trip unchanged.
std::string fromAnsi(std::string_view ansi);

// The Unicode character of one Windows-1252 byte (the undefined five as above).
char32_t ansiCodePoint(unsigned char byte);

// UTF-16 little-endian bytes (no byte-order mark) to UTF-8. An unpaired
// surrogate becomes U+FFFD; an odd last byte is dropped.
std::string fromUtf16le(std::string_view bytes);

bool isValidUtf8(std::string_view bytes);

// Bytes of a file whose encoding is not declared: UTF-8 when they are valid
// UTF-8 (a leading byte-order mark is dropped), else Windows-1252.
std::string decodeUtf8OrAnsi(std::string_view bytes);

}  // namespace mapsetdesk
