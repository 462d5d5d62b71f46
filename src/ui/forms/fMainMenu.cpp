// The main window's menu and the language label.
#include <filesystem>
#include <system_error>

#include "app/Language.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::ui {

void fMain::Sprachwahl_Click() {
  toggleLanguage(services_.registry, services_.dialogs, session_.texts);
  applyTexts();
  program_.languageChanged();
}

void fMain::MnHilfe_Click() {
  const std::string faq = joinPath(services_.programFolder, "FAQ.html");
  std::error_code error;
  if (std::filesystem::is_regular_file(filePath(faq), error) && services_.shell.open(faq)) return;
  program_.urlZorvan.openHelpPage();
}

void fMain::Prop_Click() { program_.einstellungen.open(); }

void fMain::mnuWebsite_Click() { program_.urlZorvan.show(); }

void fMain::Label9_Click() {
  resetLanguageToGerman(services_.registry, services_.dialogs, session_.texts);
  applyTexts();
  program_.languageChanged();
}

}  // namespace mapsetdesk::ui
