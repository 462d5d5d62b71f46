#pragma once
// The user's settings: text values below HKEY_CURRENT_USER\Software\ZORVAN,
// read and written through the registry access layer. An absent value reads
// as the empty text; the callers apply the defaults that the empty text means.
#include <optional>
#include <string>
#include <string_view>

#include "builtin/ToolsChoice.h"
#include "history/Retention.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"

namespace mapsetdesk {

inline constexpr std::string_view kSettingsKey = "Software\\ZORVAN";
inline constexpr std::string_view kLanguageValue = "Language";
inline constexpr std::string_view kWow64Value = "Wow64";
inline constexpr std::string_view kDirValue = "Dir";
inline constexpr std::string_view kLastDirValue = "LastDir";
inline constexpr std::string_view kVersionValue = "Version";
inline constexpr std::string_view kToolsValue = "Tools";
inline constexpr std::string_view kHistoryDaysValue = "HistoryDays";
inline constexpr std::string_view kHistoryMegabytesValue = "HistoryMB";
// Where a person left the main window, the tool window and the window for an
// existing TDB.
inline constexpr std::string_view kWindowPlacementValue = "WindowPlacement";
inline constexpr std::string_view kToolWindowPlacementValue = "WindowPlacementFormPipe";
inline constexpr std::string_view kTdbWindowPlacementValue = "WindowPlacementFormTDBvorhanden";

inline constexpr std::string_view kLanguageGerman = "Deu";
inline constexpr std::string_view kLanguageEnglish = "Eng";
inline constexpr std::string_view kWow64Yes = "wahr";   // 64-bit Windows
inline constexpr std::string_view kWow64No = "falsch";  // 32-bit Windows

// The base of every Garmin key path below HKEY_LOCAL_MACHINE.
inline constexpr std::string_view kRegistryBase64 = "SOFTWARE\\Wow6432Node";
inline constexpr std::string_view kRegistryBase32 = "SOFTWARE";

// `vReg6432` for a Wow64 setting; none while the setting holds neither
// "wahr" nor "falsch", which makes the start-up ask.
std::optional<std::string> registryBaseFor(std::string_view wow64);

class Settings {
 public:
  explicit Settings(Registry& registry) : registry_(registry) {}

  std::string language() const { return read(kLanguageValue); }
  std::string wow64() const { return read(kWow64Value); }
  bool wwoww() const { return wow64() == kWow64Yes; }
  std::string dir() const { return read(kDirValue); }
  std::string lastDir() const { return read(kLastDirValue); }
  ToolsChoice tools() const { return toolsChoiceFrom(read(kToolsValue)); }
  // `cgps`: the Version setting without surrounding blanks.
  std::string cgps() const;
  // How long and how large the change history may grow; the defaults where
  // a setting is not a whole number within reason.
  Retention history() const;
  // value: one of the window placement values above.
  std::string windowPlacement(std::string_view value) const { return read(value); }

  void storeWow64(bool is64);
  void storeDir(const std::string& folder);
  void storeLastDir(const std::string& folder);
  void storeWindowPlacement(std::string_view value, const std::string& text);
  // False when the value does not read back as written.
  bool storeTools(ToolsChoice choice);

  // Checked writes: a value that does not read back as written shows fehler29
  // (the registry-write message of the current language). True when stored.
  bool storeLanguage(std::string_view code, Dialogs& dialogs, const std::string& fehler29);
  bool storeDirChecked(const std::string& folder, Dialogs& dialogs, const std::string& fehler29);

 private:
  std::string read(std::string_view name) const;
  void write(std::string_view name, const std::string& text);
  bool writeChecked(std::string_view name, const std::string& text, Dialogs& dialogs,
                    const std::string& fehler29);

  Registry& registry_;
};

}  // namespace mapsetdesk
