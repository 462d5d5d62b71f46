#pragma once
// Every window of the program, made once at start and kept for the whole run
// (a window that is unloaded is loaded afresh when it is shown again).
#include <vector>

#include "app/Services.h"
#include "app/Session.h"
#include "ui/forms/ExportImport.h"
#include "ui/forms/Form1.h"
#include "ui/forms/FormArbeite.h"
#include "ui/forms/FormEinstellungen.h"
#include "ui/forms/FormGeraet.h"
#include "ui/forms/FormMaptilename.h"
#include "ui/forms/FormPipe.h"
#include "ui/forms/FormPruefen.h"
#include "ui/forms/FormTDBvorhanden.h"
#include "ui/forms/FormURL_ZORVAN.h"
#include "ui/forms/FormVerlauf.h"
#include "ui/forms/fLatitude.h"
#include "ui/forms/formFID.h"
#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

class ProgramWindows {
 public:
  ProgramWindows(WindowSystem& windows, Services& services, Session& session);

  fMain main;
  FormEinstellungen einstellungen;
  FormURL_ZORVAN urlZorvan;
  FormArbeite arbeite;
  FormPipe pipe;  // the tool window of the outside programs
  Form1 form1;    // the folders and tile caches
  fLatitude latitude;
  FormTDBvorhanden tdbVorhanden;  // registers an existing TDB and overview
  formFID fid;                    // the FID changer
  FormMaptilename maptilename;    // the tiles' draw priority
  ExportImport exportImport;      // moves a mapset to another PC
  FormPruefen pruefen;            // the health check
  FormVerlauf verlauf;            // the history of changes, and undo
  FormGeraet geraet;              // sends mapsets to a device as one image

  // The main window first.
  std::vector<Form*> all();
  // Every loaded window other than the main window takes the language setting's texts.
  void languageChanged();
  // Unloads every loaded window except the one given.
  void unloadAllBut(const Form& keep);
};

}  // namespace mapsetdesk::ui
