#include <gtest/gtest.h>

#include "app/Language.h"
#include "app/Settings.h"
#include "app/messages/MessageKeys.h"
#include "platform/MemoryRegistry.h"
#include "support/RefusingRegistry.h"
#include "support/ScriptedDialogs.h"

namespace mapsetdesk {
namespace {

using testing::RefusingRegistry;
using testing::ScriptedDialogs;

const char* const kFehler29English =
    "zorvan was unable to write to registry, because the securitysettings doe's not allow that. "
    "You should create a gmap-installation instaed registy-installation. in that case are "
    "adminright's not necessary. Or try to start zorvan with rightclick an ZORVAN*-exe==> start "
    "as==> administrator and change your securitysetting in uac and/or in registry. zorvan must "
    "have a write-rights in registry.";
const char* const kFehler29German =
    "ZORVAN konnte keine Registryeinträge schreiben, weil die Sicherheitseinstellungen des PC "
    "dies verhindern. Sie sollten die Karte als gmap-Installation erzeugen statt "
    "Registry-Installation, da werden keine admin-Rechte gebraucht. Oder Starten Sie zorvan neu "
    "mit Rechtsclick auf die ZORVAN*-exe ==> starten als ==> admin und konfigurieren Sie die "
    "Benutzerkontensteuerung und/oder die Zugriffsrechte für dier Registry so, das der "
    "Vollzugriff für ZORVAN erlaubt wird.";

class LanguageTest : public ::testing::Test {
 protected:
  void setLanguage(const std::string& code) {
    registry.setValue(Root::CurrentUser, "Software\\ZORVAN", RegValue{"Language", kRegSz, code});
  }
  std::string stored() { return Settings(registry).language(); }

  void expectGerman() {
    EXPECT_EQ(catalogue.sprache(), Sprache::Deutsch);
    EXPECT_EQ(catalogue.text(key::Satz21), "Den Kartensatz wirklich aus Mapsource entfernen ?");
    EXPECT_EQ(catalogue.caption("CommandAllesLoeschen"), "zurueck");
    EXPECT_EQ(catalogue.toolTip("ListLoeschen"), "'Doppelclick' entfernt Mapset aus 'Mapsouce'");
    EXPECT_EQ(catalogue.toolTip("CommandFilename"), catalogue.text(key::Satz48));
  }
  void expectEnglish() {
    EXPECT_EQ(catalogue.sprache(), Sprache::English);
    EXPECT_EQ(catalogue.text(key::Satz21), "Are you sure to remove mapset ?");
    EXPECT_EQ(catalogue.caption("CommandAllesLoeschen"), "back");
    EXPECT_EQ(catalogue.toolTip("ListLoeschen"), "'doubleclick' removes Mapset");
    EXPECT_EQ(catalogue.toolTip("CommandFilename"), catalogue.text(key::Satz48));
  }

  MemoryRegistry memory;
  RefusingRegistry registry{memory};
  ScriptedDialogs dialogs;
  MessageCatalogue catalogue;
};

TEST(SpracheFor, NamesTheLanguageOfASetting) {
  EXPECT_EQ(spracheFor("Deu"), Sprache::Deutsch);
  EXPECT_EQ(spracheFor(""), Sprache::Deutsch);
  EXPECT_EQ(spracheFor("Eng"), Sprache::English);
  EXPECT_FALSE(spracheFor("Fra"));
  EXPECT_FALSE(spracheFor("eng"));
  EXPECT_FALSE(spracheFor("Deu "));
}

TEST_F(LanguageTest, UnsetEmptyOrDeuGiveGerman) {
  language(registry, catalogue);
  expectGerman();
  setLanguage("Eng");
  language(registry, catalogue);
  setLanguage("");
  language(registry, catalogue);
  expectGerman();
  setLanguage("Eng");
  language(registry, catalogue);
  setLanguage("Deu");
  language(registry, catalogue);
  expectGerman();
}

TEST_F(LanguageTest, EngGivesEnglish) {
  setLanguage("Eng");
  language(registry, catalogue);
  expectEnglish();
  EXPECT_EQ(catalogue.toolTip("CommandFilename"),
            "Click here, then doubleclick a mapset to list its maptiles with their drawpriority.");
}

TEST_F(LanguageTest, AnyOtherValueKeepsThePreviousTexts) {
  setLanguage("Eng");
  language(registry, catalogue);
  catalogue.setToolTip("CommandFilename", "changed since");
  setLanguage("Fra");
  language(registry, catalogue);
  expectEnglish();
}

TEST_F(LanguageTest, AnyOtherValueAtTheFirstFillGivesGermanRatherThanBlankTexts) {
  setLanguage("Fra");
  language(registry, catalogue);
  EXPECT_FALSE(catalogue.empty());
  expectGerman();
}

TEST_F(LanguageTest, ToggleFromGermanStoresEngAndNamesEnglish) {
  setLanguage("Deu");
  language(registry, catalogue);
  toggleLanguage(registry, dialogs, catalogue);
  EXPECT_EQ(stored(), "Eng");
  EXPECT_EQ(catalogue.caption("Sprachwahl"), "English");
  expectEnglish();
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(LanguageTest, ToggleFromEnglishStoresDeuAndNamesDeutsch) {
  setLanguage("Eng");
  language(registry, catalogue);
  toggleLanguage(registry, dialogs, catalogue);
  EXPECT_EQ(stored(), "Deu");
  EXPECT_EQ(catalogue.caption("Sprachwahl"), "Deutsch");
  expectGerman();
  // The German captions of the catalogue replace the reset captions.
  EXPECT_EQ(catalogue.caption("Command1"), " Auswahl ist fertig");
  EXPECT_EQ(catalogue.caption("CommandButtonPV"), "Mapset zu Mapsource hinzufuegen");
}

TEST_F(LanguageTest, TogglingTwiceReturnsToTheFirstLanguage) {
  for (const std::string first : {"Deu", "Eng"}) {
    setLanguage(first);
    language(registry, catalogue);
    const auto before = catalogue.sprache();
    toggleLanguage(registry, dialogs, catalogue);
    EXPECT_NE(catalogue.sprache(), before);
    toggleLanguage(registry, dialogs, catalogue);
    EXPECT_EQ(stored(), first);
    EXPECT_EQ(catalogue.sprache(), before);
  }
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(LanguageTest, ToggleFromAnyOtherValueStoresEngWithoutCaptionChange) {
  for (const std::string other : {"", "Fra"}) {
    setLanguage(other);
    MessageCatalogue fresh;
    language(registry, fresh);
    toggleLanguage(registry, dialogs, fresh);
    EXPECT_EQ(stored(), "Eng") << other;
    EXPECT_EQ(fresh.caption("Sprachwahl"), "Language") << other;
    EXPECT_EQ(fresh.sprache(), Sprache::English) << other;
  }
}

TEST_F(LanguageTest, RefusedToggleShowsTheRegistryWriteMessageAndKeepsTheLanguage) {
  setLanguage("Deu");
  language(registry, catalogue);
  registry.refuseWrites();
  toggleLanguage(registry, dialogs, catalogue);

  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, kFehler29German);
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(shown.buttons, Buttons::Ok);
  EXPECT_TRUE(dialogs.messages().empty());
  EXPECT_EQ(stored(), "Deu");
  EXPECT_EQ(catalogue.caption("Sprachwahl"), "Language");
  expectGerman();
}

TEST_F(LanguageTest, RefusedToggleFromEnglishSpeaksEnglishAndRestoresItsCaptions) {
  setLanguage("Eng");
  language(registry, catalogue);
  registry.refuseWrites();
  toggleLanguage(registry, dialogs, catalogue);

  EXPECT_EQ(dialogs.take().text, kFehler29English);
  EXPECT_EQ(stored(), "Eng");
  EXPECT_EQ(catalogue.caption("Sprachwahl"), "Language");
  expectEnglish();
  EXPECT_EQ(catalogue.caption("CommandButtonPV"), "next step-add to Mapsource");
}

TEST_F(LanguageTest, Label9ResetsToGerman) {
  setLanguage("Eng");
  language(registry, catalogue);
  resetLanguageToGerman(registry, dialogs, catalogue);
  EXPECT_EQ(stored(), "Deu");
  expectGerman();
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(LanguageTest, Label9ResetCaptionsStayWhenTheSettingCannotBeChanged) {
  setLanguage("Eng");
  language(registry, catalogue);
  setLanguage("Fra");
  registry.refuseWrites();
  resetLanguageToGerman(registry, dialogs, catalogue);

  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, kFehler29English);
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(stored(), "Fra");
  EXPECT_EQ(catalogue.caption("Label4"), "ausgewaehlte Files :");
  EXPECT_EQ(catalogue.caption("Command2"),
            "weiteres Mapset in 'Mapsource' einbinden oder entfernen");
  EXPECT_EQ(catalogue.caption("CommandHinzufuegen"), "Mapset hinzufuegen");
  EXPECT_EQ(catalogue.caption("CommandKartenentfernen"), "Karten anzeigen/entfernen");
  EXPECT_EQ(catalogue.caption("Label3"), "Name in 'MapSource'");
  EXPECT_EQ(catalogue.caption("CommandButtonPV"), "next step;add to Mapsource");
  EXPECT_EQ(catalogue.caption("Command1"), "Selection is finished");
  EXPECT_EQ(catalogue.caption("CommandAllesLoeschen"), "zurueck");
  // Everything else keeps the English texts.
  EXPECT_EQ(catalogue.caption("CommandFolder"), "choose folder");
  EXPECT_EQ(catalogue.text(key::Satz21), "Are you sure to remove mapset ?");
}

TEST_F(LanguageTest, SettingsWindowTextsFollowTheSameRules) {
  EinstellungenTexts texts = einstellungenTexts(Sprache::Deutsch);
  setLanguage("Eng");
  SpracheEinstellungen(registry, texts);
  EXPECT_EQ(texts.row64, "operatingsystem is 64 bit");
  EXPECT_EQ(texts.row32, "operatingsystem is 32 bit");
  EXPECT_EQ(texts.question,
            "is a 64 bit operatingsystem in use ? 'yes' for 64 bit, 'no' for 32 bit");

  setLanguage("Fra");
  SpracheEinstellungen(registry, texts);
  EXPECT_EQ(texts.row64, "operatingsystem is 64 bit");

  for (const std::string german : {"Deu", ""}) {
    setLanguage(german);
    texts = einstellungenTexts(Sprache::English);
    SpracheEinstellungen(registry, texts);
    EXPECT_EQ(texts.row64, "Betriebssystem arbeitet mit 64 bit");
    EXPECT_EQ(texts.row32, "Betriebssystem arbeitet mit 32 bit");
    EXPECT_EQ(texts.question,
              "Wird dieser PC mit 64 bit Betriebssystem betrieben ? 'ja' für 64 bit, 'nein' "
              "für 32 bit");
  }
}

TEST_F(LanguageTest, SettingsWindowRowsAreTheCatalogueRows) {
  for (const Sprache sprache : {Sprache::Deutsch, Sprache::English}) {
    catalogue.fill(sprache);
    const EinstellungenTexts texts = einstellungenTexts(sprache);
    EXPECT_EQ(texts.row64, catalogue.text(key::Satz68));
    EXPECT_EQ(texts.row32, catalogue.text(key::Satz69));
    EXPECT_FALSE(texts.caption.empty());
    EXPECT_FALSE(texts.hint.empty());
  }
}

}  // namespace
}  // namespace mapsetdesk
