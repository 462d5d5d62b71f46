#include "ui/forms/FormPruefen.h"

#include "app/Language.h"
#include "app/ProductTitle.h"
#include "app/messages/MessageKeys.h"
#include "app/messages/TdbVorhandenTexts.h"
#include "check/BaseFindings.h"
#include "check/FindingLine.h"
#include "check/Repairs.h"
#include "history/Journal.h"
#include "platform/FilePath.h"

namespace mapsetdesk::ui {

FormPruefen::FormPruefen(WindowSystem& windows, Services& services, Session& session)
    : Form(windows, "FormPruefen"),
      services_(services),
      session_(session),
      texts_(&checkTexts(Sprache::Deutsch)) {
  placeControls();
  CmdPruefen.onClick = [this] { CmdPruefen_Click(); };
  CmdReparieren.onClick = [this] { CmdReparieren_Click(); };
}

void FormPruefen::placeControls() {
  width = 900;
  height = 420;
  ListBefunde.position = {12, 12, 876, 340};
  // Severity, mapset, FID, PID, what was found, the repair.
  ListBefunde.tabStops = {90, 290, 345, 385, 690};
  CmdPruefen.position = {12, 364, 200, 40};
  CmdReparieren.position = {688, 364, 200, 40};
}

void FormPruefen::open() {
  language();
  check();
  show();
}

void FormPruefen::language() {
  texts_ = &checkTexts(chosenSprache(services_.registry));
  caption = texts_->caption;
  CmdPruefen.caption = texts_->cmdPruefen;
  CmdReparieren.caption = texts_->cmdReparieren;
}

CheckPlace FormPruefen::checkPlace() {
  const GmapFolders maps = gmapFolders(services_.registry, services_.facts, session_.vReg6432);
  return {session_.vReg6432, unusedRegistryBases(session_.vReg6432), maps,
          session_.texts.text(key::Fehler25)};
}

void FormPruefen::check() {
  report_ = checkInstallation(services_.registry, services_.dialogs, checkPlace());
  ListBefunde.clear();
  for (const Finding& finding : report_.findings) ListBefunde.addItem(findingLine(finding, *texts_));
  if (report_.findings.empty()) ListBefunde.addItem(texts_->nothingFound);
  CmdReparieren.enabled = hasRepairable(report_);
}

bool FormPruefen::confirmRemoval(const Finding& finding) {
  const Message question{removalQuestion(finding, *texts_), std::string(kMessageTitle),
                         Buttons::YesNo, Icon::Question};
  return services_.dialogs.message(question) == Answer::Yes;
}

void FormPruefen::CmdPruefen_Click() { check(); }

void FormPruefen::CmdReparieren_Click() {
  RepairTools tools{services_.registry, services_.dialogs, services_.folders, session_.vReg6432,
                    tdbVorhandenTexts(chosenSprache(services_.registry)).tdb,
                    [this](const Finding& finding) { return confirmRemoval(finding); },
                    [this] { return checkInstallation(services_.registry, services_.dialogs,
                                                      checkPlace()); },
                    keyBackupFolderOf(services_.facts.specialFolder(kFolderLocalAppData)),
                    pathText(Journal::folderFor(services_.facts))};
  const std::vector<RepairOutcome> results = repairAll(report_, tools);
  ListBefunde.clear();
  for (std::size_t index = 0; index < results.size(); ++index)
    ListBefunde.addItem(repairLine(report_.findings[index], results[index], *texts_));
  CmdReparieren.enabled = false;
  afterRepairs();
}

}  // namespace mapsetdesk::ui
