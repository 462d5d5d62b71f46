#include "app/Settings.h"

#include "platform/Blanks.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {

std::optional<std::string> registryBaseFor(std::string_view wow64) {
  if (wow64 == kWow64Yes) return std::string(kRegistryBase64);
  if (wow64 == kWow64No) return std::string(kRegistryBase32);
  return std::nullopt;
}

// The read cuts at the NUL before it trims, so no blank is left around it.
std::string Settings::cgps() const { return read(kVersionValue); }

namespace {

// A hundred years and a terabyte: anything more is a typing slip.
constexpr std::uintmax_t kMostDays = 36500;
constexpr std::uintmax_t kMostMegabytes = 1024 * 1024;

std::uintmax_t wholeNumberOr(std::string_view text, std::uintmax_t most, std::uintmax_t otherwise) {
  text = trimBlanks(text);
  if (text.empty() || text.size() > 9) return otherwise;
  std::uintmax_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return otherwise;
    value = value * 10 + static_cast<std::uintmax_t>(c - '0');
  }
  return value > 0 && value <= most ? value : otherwise;
}

}  // namespace

Retention Settings::history() const {
  Retention limits;
  limits.days = static_cast<int>(wholeNumberOr(read(kHistoryDaysValue), kMostDays, limits.days));
  limits.megabytes = wholeNumberOr(read(kHistoryMegabytesValue), kMostMegabytes, limits.megabytes);
  return limits;
}

void Settings::storeWow64(bool is64) {
  write(kWow64Value, std::string(is64 ? kWow64Yes : kWow64No));
}

void Settings::storeDir(const std::string& folder) { write(kDirValue, folder); }

void Settings::storeLastDir(const std::string& folder) { write(kLastDirValue, folder); }

void Settings::storeWindowPlacement(std::string_view value, const std::string& text) {
  write(value, text);
}

bool Settings::storeTools(ToolsChoice choice) {
  const std::string name(toolsChoiceName(choice));
  write(kToolsValue, name);
  return read(kToolsValue) == name;
}

bool Settings::storeLanguage(std::string_view code, Dialogs& dialogs, const std::string& fehler29) {
  return writeChecked(kLanguageValue, std::string(code), dialogs, fehler29);
}

bool Settings::storeDirChecked(const std::string& folder, Dialogs& dialogs,
                               const std::string& fehler29) {
  return writeChecked(kDirValue, folder, dialogs, fehler29);
}

std::string Settings::read(std::string_view name) const {
  return fRegAbfrageWert(registry_, Root::CurrentUser, std::string(kSettingsKey),
                         std::string(name));
}

void Settings::write(std::string_view name, const std::string& text) {
  fStringSpeichern(registry_, Root::CurrentUser, std::string(kSettingsKey), std::string(name),
                   text);
}

bool Settings::writeChecked(std::string_view name, const std::string& text, Dialogs& dialogs,
                            const std::string& fehler29) {
  RegWriteCheck check;
  HKCUStringSpeichern(registry_, dialogs, fehler29, check, Root::CurrentUser,
                      std::string(kSettingsKey), std::string(name), text);
  return check.vRegkey;
}

}  // namespace mapsetdesk
