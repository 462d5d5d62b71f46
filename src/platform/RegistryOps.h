#pragma once
// The registry access layer every Part uses. Text crosses it as UTF-8 and is
// stored as Windows-1252; nothing here raises or reports to the caller except
// the checked write, which tells the user through the dialogs.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/Registry.h"

namespace mapsetdesk {

// Longest value data a read returns (terminator included).
inline constexpr std::size_t kRegReadLimit = 256;

// Outcome of the checked writes of one operation.
struct RegWriteCheck {
  bool vRegkey = true;      // false once any read-back differed
  std::string vRegkeybin;   // what the last checked write read back
};

std::string fRegAbfrageWert(Registry& reg, Root root, const std::string& path,
                            const std::string& name);
void fStringSpeichern(Registry& reg, Root root, const std::string& path,
                      const std::string& name, const std::string& text);
// bytes: a text whose characters are the byte values 0-255 (see fromAnsi).
void ffStringSpeichern(Registry& reg, Root root, const std::string& path,
                       const std::string& name, const std::string& bytes);
// fehler29 is the registry-write message in the current language.
void HKCUStringSpeichern(Registry& reg, Dialogs& dialogs, const std::string& fehler29,
                         RegWriteCheck& check, Root root, const std::string& path,
                         const std::string& name, const std::string& text);
void fSchluesselLoeschen(Registry& reg, Root root, const std::string& path);
void fWerteLoeschen(Registry& reg, Root root, const std::string& path,
                    const std::string& name);
// Deletes HKEY_LOCAL_MACHINE\vRegistryKey.
void AktSchluesselLoeschen(Registry& reg, const std::string& vRegistryKey);
std::vector<std::string> fSubkeysListen(Registry& reg, Root root, const std::string& path);

// Whether two key names name the same key: the registry's own comparison,
// which folds case the Windows way, accented letters included.
bool sameKeyName(const std::string& a, const std::string& b);

// DWORD values (the latitude setting); nullopt when absent or not a DWORD.
std::optional<std::uint32_t> fDwordLesen(Registry& reg, Root root, const std::string& path,
                                         const std::string& name);
void fDwordSpeichern(Registry& reg, Root root, const std::string& path,
                     const std::string& name, std::uint32_t value);

}  // namespace mapsetdesk
