#pragma once
// The keys of the main window's message catalogue. The numbers are names, not
// positions: they have gaps and two spellings ("Satz", "satz") that the flows
// quote as they stand. One list feeds both the named constants, which callers
// use so that a misspelt key does not compile, and the array of all keys.
#include <array>
#include <string_view>

#define MAPSETDESK_MESSAGE_KEYS(X)                                                       \
  X(Tip1) X(Tip2) X(Satz20) X(Satz21) X(Satz22) X(Satz25) X(Satz26) X(Satz27) X(Satz28)  \
  X(Satz29) X(Satz30) X(Satz43) X(Fehler2) X(Fehler5) X(Fehler8) X(Fehler9) X(Fehler12)  \
  X(Fehler13) X(Fehler15) X(Fehler16) X(Fehler17) X(Fehler18) X(Tooltip3) X(Fehler30)   \
  X(Fehler31) X(Fehler32) X(Fehler35) X(Fehler36) X(Satz48) X(Satz49) X(Satz50)         \
  X(Satz51) X(Satz52) X(Satz53) X(Satz55) X(satz56) X(satz57) X(satz58) X(satz59)        \
  X(satz60) X(Satz61) X(Satz62) X(Satz63) X(Satzumlaut) X(Satz64) X(Satz65) X(Satz66)   \
  X(Satz67) X(Satz68) X(Satz69) X(Satz70) X(Satz71) X(Satz72) X(Satz73) X(Satz74)        \
  X(Satz75) X(Satz76) X(Satz77) X(Satz78) X(Text1) X(Text2) X(Fehler19) X(Fehler20)      \
  X(Fehler22) X(Fehler23) X(Fehler24) X(Fehler25) X(Fehler26) X(Fehler27) X(Fehler28)   \
  X(Fehler29) X(Fehler33) X(Fehler37) X(Fehler38) X(Fehler39) X(Fehler40) X(Fehler41)   \
  X(Fehler42) X(Fehler43) X(FehlerCpreview) X(Fehler48) X(Fehler49) X(Fehler60) X(Fehler61)

namespace mapsetdesk {

namespace key {
#define MAPSETDESK_KEY_CONSTANT(name) inline constexpr std::string_view name{#name};
MAPSETDESK_MESSAGE_KEYS(MAPSETDESK_KEY_CONSTANT)
#undef MAPSETDESK_KEY_CONSTANT
}  // namespace key

#define MAPSETDESK_KEY_ENTRY(name) key::name,
inline constexpr std::array kMessageKeys{MAPSETDESK_MESSAGE_KEYS(MAPSETDESK_KEY_ENTRY)};
#undef MAPSETDESK_KEY_ENTRY

}  // namespace mapsetdesk
