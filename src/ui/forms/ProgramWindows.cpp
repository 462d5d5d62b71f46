#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::ui {

ProgramWindows::ProgramWindows(WindowSystem& windows, Services& services, Session& session)
    : main(*this, windows, services, session),
      einstellungen(windows, services),
      urlZorvan(windows, services),
      arbeite(windows, main),
      pipe(windows, services, session, main.TextMeldung),
      form1(windows, services),
      latitude(windows, services),
      tdbVorhanden(windows, services, session, main),
      fid(windows, services, main),
      maptilename(windows, services, session, main),
      exportImport(*this, windows, services, session),
      pruefen(windows, services, session),
      verlauf(windows, services),
      geraet(windows, services, pipe) {}

std::vector<Form*> ProgramWindows::all() {
  return {&main,     &einstellungen, &urlZorvan, &arbeite,     &pipe,         &form1,
          &latitude, &tdbVorhanden,  &fid,       &maptilename, &exportImport, &pruefen, &verlauf,
          &geraet};
}

void ProgramWindows::languageChanged() {
  for (Form* form : all()) {
    if (form != &main && form->loaded()) form->languageChanged();
  }
}

void ProgramWindows::unloadAllBut(const Form& keep) {
  for (Form* form : all()) {
    if (form != &keep) form->unload();
  }
}

}  // namespace mapsetdesk::ui
