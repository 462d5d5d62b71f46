#include "ui/forms/fMain.h"

namespace mapsetdesk::ui {

fMain::fMain(ProgramWindows& program, WindowSystem& windows, Services& services, Session& session)
    : Form(windows, "fMain"), program_(program), services_(services), session_(session) {
  placeControls();
  Optiontdbja.onClick = [this] { Optiontdbja_Click(); };
  Optiontdbno.onClick = [this] { Optiontdbno_Click(); };
  Sprachwahl.onClick = [this] { Sprachwahl_Click(); };
  MnHilfe.onClick = [this] { MnHilfe_Click(); };
  Prop.onClick = [this] { Prop_Click(); };
  mnuWebsite.onClick = [this] { mnuWebsite_Click(); };
  Label9.onClick = [this] { Label9_Click(); };
  ListLoeschen.onClick = [this] { ListLoeschen_Click(); };
  ListLoeschen.onScroll = [this] { ListLoeschen_Scroll(); };
  ListSubkey.onScroll = [this] { ListSubkey_Scroll(); };
  ListID.onScroll = [this] { ListID_Scroll(); };
  ListProdFam.onScroll = [this] { ListProdFam_Scroll(); };
  ListMapsetName.onScroll = [this] { ListMapsetName_Scroll(); };
  CommandKartenentfernen.onClick = [this] { CommandKartenentfernen_Click(); };
  ListLoeschen.onDblClick = [this] { ListLoeschen_DblClick(); };
  ListMapsetName.onClick = [this] { ListMapsetName_Click(); };
  ListMapsetName.onDblClick = [this] { ListMapsetName_DblClick(); };
  ListMapsetGMP.onClick = [this] { ListMapsetGMP_Click(); };
  ListMapsetGMP.onDblClick = [this] { ListMapsetGMP_DblClick(); };
  CommandKompa.onClick = [this] { CommandKompa_Click(); };
  CommandKompa.onGotFocus = [this] { CommandKompa_GotFocus(); };
  CommandKompa.onMouseEnter = [this] { CommandKompa_MouseEnter(); };
  LabelGMPFolder.onClick = [this] { LabelGMPFolder_Click(); };
  MnuLatitude.onClick = [this] { MnuLatitude_Click(); };
  MnuPruefen.onClick = [this] { MnuPruefen_Click(); };
  MnuVerlauf.onClick = [this] { MnuVerlauf_Click(); };
  MnuGeraet.onClick = [this] { MnuGeraet_Click(); };
  CommandFID.onClick = [this] { CommandFID_Click(); };
  CommandFilename.onClick = [this] { CommandFilename_Click(); };
  CmdExpImp.onClick = [this] { CmdExpImp_Click(); };
  bindSelectionEvents();
  bindNewMapsetEvents();
  bindTypPickerEvents();
  bindRenameEvents();
  bindTypEvents();
  CommandButtonPV.onClick = [this] { CommandButtonPV_Click(); };
  applyTexts();
}

}  // namespace mapsetdesk::ui
