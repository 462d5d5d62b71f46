#include "app/messages/CliTexts.h"

namespace mapsetdesk {
namespace {

CliTexts english() {
  CliTexts texts;
  texts.programSummary =
      "mapsetdesk-cli installs Garmin IMG maps for MapSource and BaseCamp and manages the "
      "installed mapsets. COMMAND --help shows a command's forms and an example.";
  texts.exampleLabel = "Example:";
  texts.helpFlag = "show this help and exit";
  texts.helpCommand = "the command whose help to show";
  texts.versionFlag = "show the release number and exit";
  texts.homeOption = "the data root on Linux (default $MAPSETDESK_HOME, else "
                     "$XDG_DATA_HOME/mapsetdesk, else ~/.local/share/mapsetdesk)";
  texts.programFolderOption = "the folder of the outside programs (default: mapsetdesk-cli's)";
  texts.langOption = "the language of the texts (default: the Language setting, else the locale)";
  texts.labels = {{"Usage", "Usage"},           {"Options", "Options"},
                  {"Positionals", "Arguments"}, {"Subcommands", "Commands"},
                  {"OPTIONS", "OPTIONS"},       {"SUBCOMMAND", "COMMAND"},
                  {"SUBCOMMANDS", "COMMANDS"},  {"REQUIRED", "(required)"},
                  {"Excludes", "Excludes"},     {"Needs", "Needs"}};
  texts.commands = {
          {"tool gmt", {"the built-in gmt operations with gmt's own arguments", "tool gmt -S -f FID,PID -m NAME -n MAPNAME -o DIR -c CODEPAGE -@ LIST   TDB and overview source of tiles\ntool gmt -g -o DIR FILE   unpack an image into its tiles\ntool gmt -G -o DIR FILE   split a device image by family\ntool gmt -S -o DIR FILE   split one family's image", "mapsetdesk-cli tool gmt -g -o out gmapsupp.img"}},
          {"tool compile", {"the built-in overview compiler on a Polish source file", "", "mapsetdesk-cli tool compile Harz.mp"}},
          {"reg import", {"import a REGEDIT4 .reg file", "", "mapsetdesk-cli reg import backup.reg"}},
          {"reg export", {"write a key and its subkeys as REGEDIT4 text", "", "mapsetdesk-cli reg export HKLM\\SOFTWARE\\Garmin > garmin.reg"}},
          {"reg query", {"print one value as the program reads it", "", "mapsetdesk-cli reg query HKCU\\Software\\ZORVAN Wow64"}},
          {"paths",
           {"show where this build keeps its registry, special folders and programs",
            "",
            "mapsetdesk-cli paths"}},
          {"reg",
           {"import, export or query the registry this build uses",
            "reg import FILE         import a REGEDIT4 .reg file (a hive takes the whole file or nothing)\nreg export ROOT\\KEY    write a key and its subkeys as REGEDIT4 text\nreg query ROOT\\KEY NAME print one value as the program reads it",
            "mapsetdesk-cli reg query HKCU\\Software\\ZORVAN Language"}},
          {"set-wow64",
           {"store whether Windows is 64-bit, which chooses the registry base",
            "Without it the commands store what the system says: on Windows whether it is 64-bit, elsewhere no.",
            "mapsetdesk-cli set-wow64 yes"}},
          {"list",
           {"list the registered mapsets and the gmap packages",
            "One tab-separated row per mapset: kind, name, FID, PID, root, key, TDB, overview, tile folder, TYP, index, Info.xml, state; empty where a value does not apply.",
            "mapsetdesk-cli list --json"}},
          {"free-fid",
           {"print the lowest FID from 10 to 9999 that no mapset uses",
            "",
            "mapsetdesk-cli free-fid"}},
          {"duplicates",
           {"list the mapsets that share FID and PID",
            "",
            "mapsetdesk-cli duplicates"}},
          {"install",
           {"install tiles or a device image as a gmap package or a registration",
            "install [--registry|--gmap] --name NAME [--fid N] TILE...\n    installs the tiles (their folder is the output folder) with the free FID unless --fid gives one\ninstall [--registry|--gmap] [--keep-fid|--free-fid] [--yes] GMAPSUPP.img\n    splits a device image by family into SplittMaps beside it and installs each family",
            "mapsetdesk-cli install --name \"Harz Test\" 63240001.img 63240002.img"}},
          {"register",
           {"register or package an existing TDB and overview map",
            "Name, FID and PID are those of the TDB unless given; FID and PID are 1 to 65535.",
            "mapsetdesk-cli register --tiles Harz --tdb Harz/Harz.tdb --overview Harz/Harz.img"}},
          {"remove",
           {"remove a mapset as the main window does; the history can take it back",
            "remove [--registry|--gmap] MAPSET --yes\n    the registration's keys, TDB and overview, or the package folder, go into the history",
            "mapsetdesk-cli remove \"Harz Test\" --yes"}},
          {"history",
           {"list the recorded changes, newest first",
            "One tab-separated line per change: id, time (ISO 8601, UTC), action, mapset, state. --json gives one object per change (id, time, action, mapset, state). Clearing a tile cache deletes on purpose and is not recorded.",
            "mapsetdesk-cli history"}},
          {"undo",
           {"take back the newest change that stands, or the change ID",
            "undo [ID] --yes\n    refused, with nothing touched, when a file or key it would restore has changed since; the undo is itself recorded and can be undone",
            "mapsetdesk-cli undo --yes"}},
          {"rename",
           {"rename a mapset in its TDB (and a package's Info.xml)",
            "",
            "mapsetdesk-cli rename \"Harz Test\" \"Harz 2024\""}},
          {"typ",
           {"assign a TYP file to a mapset or take it away",
            "typ [--registry|--gmap] MAPSET FILE       assign the TYP file (eight characters and .typ)\ntyp [--registry|--gmap] [--yes] MAPSET --remove   take the TYP file away",
            "mapsetdesk-cli typ \"Harz Test\" styles/harztyp1.typ"}},
          {"set-fid",
           {"give a mapset a new FID in TDB, index, TYP, registration or Info.xml",
            "",
            "mapsetdesk-cli set-fid \"Harz Test\" 4711"}},
          {"draw-priority",
           {"list the draw priority of a mapset's tiles or set it",
            "Without VALUE one line per tile: tile, description, draw priority or none. With VALUE it is written into every tile (above 31 becomes 30).",
            "mapsetdesk-cli draw-priority \"Harz Test\" 24"}},
          {"latitude",
           {"show, set or remove the latitude of least distortion of one map",
            "latitude FID PID           show the stored degrees\nlatitude FID PID DEGREES   store 5 to 85 degrees\nlatitude FID PID auto      remove the stored degrees",
            "mapsetdesk-cli latitude 4711 1 48"}},
          {"export",
           {"gather a mapset's files for another PC and print the folder to copy",
            "",
            "mapsetdesk-cli export \"Harz Test\""}},
          {"import",
           {"install a folder that export made on another PC",
            "A registration is copied into --to and registered there; a package into the map folder of all users, of the user, or into --to with a shortcut in the user's map folder.",
            "mapsetdesk-cli import /media/stick/Harz --all-users --no-installer"}},
          {"device-image",
           {"write one device image (gmapsupp.img) of installed mapsets for a GPS or its card",
            "device-image [--registry|--gmap] --out FILE [--yes] MAPSET...\n    every tile's subfiles as installed, each mapset's TYP file with its FID and the product list; refused before writing when two mapsets share FID and PID, two tiles a map number, a file is missing or damaged, or the image exceeds the free space or 4 GB (FAT32)",
            "mapsetdesk-cli device-image --out /media/GARMIN/Garmin/gmapsupp.img \"Harz Test\" 4712"}},
          {"convert",
           {"make a gmap package of a registered mapset; the registration stays",
            "",
            "mapsetdesk-cli convert \"Harz Test\" --to-gmap"}},
          {"tools",
           {"show or choose who does the outside programs' work",
            "auto: the outside programs when they are in the program folder, else the built-in tools; extern: only the outside programs; intern: always the built-in tools.",
            "mapsetdesk-cli tools intern"}},
          {"tool",
           {"run one built-in tool with the outside program's arguments",
            "tool gmt ARGUMENTS...   the built-in gmt operations (-S, -g, -G)\ntool compile FILE.mp    the built-in overview compiler",
            "mapsetdesk-cli tool gmt -g -o out gmapsupp.img"}},
          {"info",
           {"show the header facts of TDB, IMG, TRE/GMP, TYP, MDX and Info.xml files",
            "",
            "mapsetdesk-cli info Harz/Harz.tdb"}},
          {"cache",
           {"show the size of the tile caches and of BaseCamp's product data cache",
            "",
            "mapsetdesk-cli cache --json"}},
          {"cache-clear",
           {"empty one tile cache (files directly in it; subfolders stay)",
            "",
            "mapsetdesk-cli cache-clear mapsource"}},
          {"check",
           {"check every mapset for what keeps MapSource or BaseCamp from showing it",
            "One tab-separated line per finding: severity, name, FID, PID, what is wrong, what the repair does; exit 0 when nothing is found. --repair mends what can be mended and keeps each changed file's backup.",
            "mapsetdesk-cli check --repair"}},
          {"help",
           {"show the list of commands or the help of one command",
            "",
            "mapsetdesk-cli help install"}},
  };
  texts.options = {
      {"--registry", "the registered mapset (the registry catalogue)"},
      {"--gmap", "the gmap package"},
      {"install --registry", "register the mapset in the registry"},
      {"install --gmap", "make a gmap package (the default)"},
      {"register --gmap", "make a gmap package instead of a registration"},
      {"--yes", "answer yes to the command's question"},
      {"install --yes", "let an existing SplittMaps folder be emptied"},
      {"check --yes", "let a registration whose TDB and tile folder are gone be removed"},
      {"import --yes", "replace a copy that is there already"},
      {"typ --yes", "answer yes before the TYP file is taken away"},
      {"--json", "write JSON instead of text"},
      {"--name", "the mapset's name"},
      {"--fid", "the family ID"},
      {"--pid", "the product ID"},
      {"--keep-fid", "keep each family's FID"},
      {"--free-fid", "give each family a free FID"},
      {"--tiles", "the folder of the tiles"},
      {"--tdb", "the TDB file"},
      {"--overview", "the overview map"},
      {"--typ", "the TYP file"},
      {"--mdx", "the index file (MDX)"},
      {"--mdr", "the search index (MDR)"},
      {"--trf", "the traffic file (TRF)"},
      {"--to", "the folder the copy goes into"},
      {"--all-users", "copy a package into the map folder of all users"},
      {"--user", "copy a package into the user's map folder"},
      {"--no-installer", "do not print the MapSource download sources"},
      {"--to-gmap", "make a gmap package"},
      {"--repair", "mend what can be mended"},
      {"--remove", "take the TYP file away"},
      {"MAPSET", "FID, FID:PID, the name list shows, or the mapset's plain name"},
      {"NEWNAME", "the new name"},
      {"ID", "the change's id as history shows it (default: the newest that stands)"},
      {"undo --yes", "answer yes to the question before the undo"},
      {"remove --yes", "answer yes to the removal question"},
      {"NEWFID", "the new FID"},
      {"VALUE", "the draw priority to write"},
      {"FILE", "the file"},
      {"info FILE", "the files to describe"},
      {"install FILE", "the tiles, or one device image"},
      {"typ FILE", "the TYP file"},
      {"device-image --out", "the device image to write"},
      {"device-image --yes", "replace an existing device image"},
      {"device-image MAPSET", "the mapsets, each as FID, FID:PID, the name list shows, or its plain name"},
      {"FOLDER", "the folder export made"},
      {"FID", "the family ID"},
      {"PID", "the product ID"},
      {"DEGREES", "5 to 85, or auto to remove the stored degrees"},
      {"CACHE", "basecamp, mapinstall or mapsource"},
      {"CHOICE", "auto, extern or intern"},
      {"ANSWER", "yes for 64-bit Windows, no for 32-bit"},
      {"KEY", "ROOT\\KEY, the root as HKLM, HKCU or its long name"},
      {"NAME", "the value's name"},
      {"ARGUMENTS", "the outside program's arguments"},
      {"COMMAND", "the command"},
  };
  texts.unknownCommand = "unknown command: ";
  texts.unexpectedArgument = "unexpected argument: ";
  texts.missingArgument = "missing: ";
  texts.missingValue = "an option lacks its value";
  texts.notANumber = "not a number: ";
  texts.notOneOf = "not one of ";
  texts.excludeEachOther = "these options exclude each other: ";
  texts.wrongArguments = "the arguments do not fit the command";
  texts.seeHelp = "see: mapsetdesk-cli ";
  texts.seeHelpEnd = " --help";
  texts.userRegistryUnreadable =
      "the user's registry cannot be read, so neither can the setting Wow64";
  texts.wow64Stored64 =
      "the setting Wow64 was not set; stored: 64-bit Windows (change it with set-wow64 no)";
  texts.wow64Stored32 =
      "the setting Wow64 was not set; stored: 32-bit Windows (change it with set-wow64 yes)";
  texts.settingNotStored = "the setting could not be stored";
  texts.noMatch = "no installed mapset matches ";
  texts.severalMatches = "several mapsets match ";
  texts.severalMatchesEnd = "; name one by FID:PID, or with --registry or --gmap:";
  texts.cannotBeRead = "cannot be read: ";
  texts.everyFidUsed = "every FID is used from ";
  texts.removalNeedsYes = "the removal needs the answer --yes";
  texts.undoNeedsYes = "the undo needs the answer --yes";
  texts.fidTaken = "FID ";
  texts.fidTakenEnd = " is used already; choose --keep-fid or --free-fid";
  texts.fileUnreadable = "cannot read ";
  texts.regFileError = "fault in line ";
  texts.regRefused = "the registry refused to change ";
  texts.noSuchKey = "no such key: ";
  texts.windowRefusesRegistration = "the window does not let the mapset be registered";
  texts.windowRefusesPackage = "the window does not let the mapset be packaged";
  texts.noTypFile = "the chooser offers no TYP file ";
  texts.noTypFileEnd = " (its name must be eight characters and .typ)";
  texts.unknownKind = "unknown kind of file";
  texts.damaged = "damaged: ";
  texts.noWholeTile = "no readable TRE header";
  texts.notADeviceImage = "--name and --fid belong to tiles, --keep-fid and --free-fid to a "
                          "device image";
  texts.imageExists = "the file exists; --yes replaces it: ";
  return texts;
}

CliTexts german() {
  CliTexts texts;
  texts.programSummary =
      "mapsetdesk-cli installiert Garmin-IMG-Karten fuer MapSource und BaseCamp und verwaltet "
      "die installierten Kartensaetze. BEFEHL --help zeigt die Formen eines Befehls und ein "
      "Beispiel.";
  texts.exampleLabel = "Beispiel:";
  texts.helpFlag = "zeigt diese Hilfe und endet";
  texts.helpCommand = "der Befehl, dessen Hilfe gezeigt wird";
  texts.versionFlag = "zeigt die Versionsnummer und endet";
  texts.homeOption = "der Datenordner unter Linux (sonst $MAPSETDESK_HOME, dann "
                     "$XDG_DATA_HOME/mapsetdesk, dann ~/.local/share/mapsetdesk)";
  texts.programFolderOption =
      "der Ordner der externen Programme (sonst der von mapsetdesk-cli)";
  texts.langOption =
      "die Sprache der Texte (sonst die Einstellung Language, dann die Locale)";
  texts.labels = {{"Usage", "Aufruf"},           {"Options", "Optionen"},
                  {"Positionals", "Argumente"},  {"Subcommands", "Befehle"},
                  {"OPTIONS", "OPTIONEN"},       {"SUBCOMMAND", "BEFEHL"},
                  {"SUBCOMMANDS", "BEFEHLE"},    {"REQUIRED", "(noetig)"},
                  {"Excludes", "schliesst aus"}, {"Needs", "braucht"}};
  texts.commands = {
          {"tool gmt", {"die eingebauten gmt-Operationen mit gmts eigenen Argumenten", "tool gmt -S -f FID,PID -m NAME -n MAPNAME -o ORDNER -c CODEPAGE -@ LISTE   TDB und Uebersichtsquelle aus Kacheln\ntool gmt -g -o ORDNER DATEI   ein Image in seine Kacheln auspacken\ntool gmt -G -o ORDNER DATEI   ein Geraete-Image nach Familien teilen\ntool gmt -S -o ORDNER DATEI   das Image einer Familie teilen", "mapsetdesk-cli tool gmt -g -o out gmapsupp.img"}},
          {"tool compile", {"der eingebaute Compiler der Uebersichtskarte fuer eine Polish-Datei", "", "mapsetdesk-cli tool compile Harz.mp"}},
          {"reg import", {"importiert eine REGEDIT4-.reg-Datei", "", "mapsetdesk-cli reg import backup.reg"}},
          {"reg export", {"schreibt einen Schluessel samt Unterschluesseln als REGEDIT4-Text", "", "mapsetdesk-cli reg export HKLM\\SOFTWARE\\Garmin > garmin.reg"}},
          {"reg query", {"zeigt einen Wert, wie das Programm ihn liest", "", "mapsetdesk-cli reg query HKCU\\Software\\ZORVAN Wow64"}},
          {"paths",
           {"zeigt, wo dieser Build Registry, Sonderordner und Programme haelt",
            "",
            "mapsetdesk-cli paths"}},
          {"reg",
           {"importiert, exportiert oder liest die Registry dieses Builds",
            "reg import DATEI        importiert eine REGEDIT4-.reg-Datei (ein Zweig nimmt alles oder nichts)\nreg export ROOT\\KEY    schreibt einen Schluessel samt Unterschluesseln als REGEDIT4-Text\nreg query ROOT\\KEY NAME zeigt einen Wert, wie das Programm ihn liest",
            "mapsetdesk-cli reg query HKCU\\Software\\ZORVAN Language"}},
          {"set-wow64",
           {"speichert, ob Windows 64 bit hat; das waehlt die Registry-Basis",
            "Ohne diesen Befehl speichern die Befehle, was das System sagt: unter Windows, ob es 64 bit hat, sonst nein.",
            "mapsetdesk-cli set-wow64 yes"}},
          {"list",
           {"listet die registrierten Kartensaetze und die gmap-Pakete",
            "Eine Zeile mit Tabulatoren je Kartensatz: Art, Name, FID, PID, Root, Schluessel, TDB, Uebersichtskarte, Kartenordner, TYP, Index, Info.xml, Zustand; leer, wo ein Wert nicht passt.",
            "mapsetdesk-cli list --json"}},
          {"free-fid",
           {"zeigt die kleinste FID von 10 bis 9999, die kein Kartensatz benutzt",
            "",
            "mapsetdesk-cli free-fid"}},
          {"duplicates",
           {"listet die Kartensaetze mit gleicher FID und PID",
            "",
            "mapsetdesk-cli duplicates"}},
          {"install",
           {"installiert Kacheln oder ein Geraete-Image als gmap-Paket oder Registrierung",
            "install [--registry|--gmap] --name NAME [--fid N] KACHEL...\n    installiert die Kacheln (ihr Ordner ist der Ausgabeordner) mit der freien FID, wenn --fid keine nennt\ninstall [--registry|--gmap] [--keep-fid|--free-fid] [--yes] GMAPSUPP.img\n    teilt ein Geraete-Image nach Familien in SplittMaps daneben und installiert jede Familie",
            "mapsetdesk-cli install --name \"Harz Test\" 63240001.img 63240002.img"}},
          {"register",
           {"registriert oder verpackt eine vorhandene TDB mit Uebersichtskarte",
            "Name, FID und PID sind die der TDB, wenn nicht angegeben; FID und PID sind 1 bis 65535.",
            "mapsetdesk-cli register --tiles Harz --tdb Harz/Harz.tdb --overview Harz/Harz.img"}},
          {"remove",
           {"entfernt einen Kartensatz wie das Hauptfenster; der Verlauf kann ihn zurueckholen",
            "remove [--registry|--gmap] MAPSET --yes\n    die Schluessel der Registrierung, TDB und Uebersicht oder der Paketordner kommen in den Verlauf",
            "mapsetdesk-cli remove \"Harz Test\" --yes"}},
          {"history",
           {"listet die aufgezeichneten Aenderungen, die neueste zuerst",
            "Eine Zeile je Aenderung, durch Tabulatoren getrennt: Nummer, Zeit (ISO 8601, UTC), Aktion, Kartensatz, Zustand. --json gibt ein Objekt je Aenderung (id, time, action, mapset, state). Das Leeren eines Kachel-Caches loescht mit Absicht und wird nicht aufgezeichnet.",
            "mapsetdesk-cli history"}},
          {"undo",
           {"nimmt die neueste noch geltende Aenderung zurueck, oder die Aenderung ID",
            "undo [ID] --yes\n    abgelehnt, ohne etwas anzuruehren, wenn sich eine Datei oder ein Schluessel seither geaendert hat; das Rueckgaengigmachen wird selbst aufgezeichnet und kann rueckgaengig gemacht werden",
            "mapsetdesk-cli undo --yes"}},
          {"rename",
           {"benennt einen Kartensatz in seiner TDB (und der Info.xml eines Pakets) um",
            "",
            "mapsetdesk-cli rename \"Harz Test\" \"Harz 2024\""}},
          {"typ",
           {"weist einem Kartensatz eine TYP-Datei zu oder nimmt sie weg",
            "typ [--registry|--gmap] KARTENSATZ DATEI       weist die TYP-Datei zu (acht Zeichen und .typ)\ntyp [--registry|--gmap] [--yes] KARTENSATZ --remove   nimmt die TYP-Datei weg",
            "mapsetdesk-cli typ \"Harz Test\" styles/harztyp1.typ"}},
          {"set-fid",
           {"gibt einem Kartensatz eine neue FID in TDB, Index, TYP, Registrierung oder Info.xml",
            "",
            "mapsetdesk-cli set-fid \"Harz Test\" 4711"}},
          {"draw-priority",
           {"zeigt die Draw-Priority der Kacheln eines Kartensatzes oder setzt sie",
            "Ohne WERT eine Zeile je Kachel: Kachel, Beschreibung, Draw-Priority oder none. Mit WERT wird er in jede Kachel geschrieben (ueber 31 wird 30).",
            "mapsetdesk-cli draw-priority \"Harz Test\" 24"}},
          {"latitude",
           {"zeigt, setzt oder entfernt die optimale Latitude einer Karte",
            "latitude FID PID          zeigt die gespeicherten Grad\nlatitude FID PID GRAD     speichert 5 bis 85 Grad\nlatitude FID PID auto     entfernt die gespeicherten Grad",
            "mapsetdesk-cli latitude 4711 1 48"}},
          {"export",
           {"sammelt die Dateien eines Kartensatzes fuer einen anderen PC und zeigt den Ordner",
            "",
            "mapsetdesk-cli export \"Harz Test\""}},
          {"import",
           {"installiert einen Ordner, den export auf einem anderen PC gemacht hat",
            "Eine Registrierung wird nach --to kopiert und dort registriert; ein Paket in den Kartenordner aller Benutzer, des Benutzers oder nach --to mit einer Verknuepfung im Kartenordner des Benutzers.",
            "mapsetdesk-cli import /media/stick/Harz --all-users --no-installer"}},
          {"device-image",
           {"schreibt ein Geraete-Image (gmapsupp.img) installierter Kartensaetze fuer ein GPS oder seine Karte",
            "device-image [--registry|--gmap] --out DATEI [--yes] KARTENSATZ...\n    die Teildateien jeder Kachel wie installiert, die TYP-Datei jedes Kartensatzes mit seiner FID und die Produktliste; vor dem Schreiben abgelehnt, wenn zwei Kartensaetze FID und PID teilen, zwei Kacheln eine Kartennummer, eine Datei fehlt oder beschaedigt ist oder das Image den freien Platz oder 4 GB (FAT32) uebersteigt",
            "mapsetdesk-cli device-image --out /media/GARMIN/Garmin/gmapsupp.img \"Harz Test\" 4712"}},
          {"convert",
           {"macht aus einem registrierten Kartensatz ein gmap-Paket; die Registrierung bleibt",
            "",
            "mapsetdesk-cli convert \"Harz Test\" --to-gmap"}},
          {"tools",
           {"zeigt oder waehlt, wer die Arbeit der externen Programme tut",
            "auto: die externen Programme, wenn sie im Programmordner liegen, sonst die eingebauten; extern: nur die externen Programme; intern: immer die eingebauten.",
            "mapsetdesk-cli tools intern"}},
          {"tool",
           {"startet ein eingebautes Werkzeug mit den Argumenten des externen Programms",
            "tool gmt ARGUMENTE...   die eingebauten gmt-Operationen (-S, -g, -G)\ntool compile DATEI.mp   der eingebaute Compiler der Uebersichtskarte",
            "mapsetdesk-cli tool gmt -g -o out gmapsupp.img"}},
          {"info",
           {"zeigt die Kopfdaten von TDB-, IMG-, TRE/GMP-, TYP-, MDX- und Info.xml-Dateien",
            "",
            "mapsetdesk-cli info Harz/Harz.tdb"}},
          {"cache",
           {"zeigt die Groesse der Kachel-Caches und des Produktdaten-Caches von BaseCamp",
            "",
            "mapsetdesk-cli cache --json"}},
          {"cache-clear",
           {"leert einen Kachel-Cache (Dateien direkt darin; Unterordner bleiben)",
            "",
            "mapsetdesk-cli cache-clear mapsource"}},
          {"check",
           {"prueft jeden Kartensatz auf das, was MapSource oder BaseCamp am Anzeigen hindert",
            "Eine Zeile mit Tabulatoren je Befund: Schwere, Name, FID, PID, was falsch ist, was die Reparatur tut; Ende 0, wenn nichts gefunden ist. --repair repariert, was sich reparieren laesst, und sichert jede geaenderte Datei.",
            "mapsetdesk-cli check --repair"}},
          {"help",
           {"zeigt die Liste der Befehle oder die Hilfe eines Befehls",
            "",
            "mapsetdesk-cli help install"}},
  };
  texts.options = {
      {"--registry", "der registrierte Kartensatz (der Registry-Katalog)"},
      {"--gmap", "das gmap-Paket"},
      {"install --registry", "den Kartensatz in der Registry registrieren"},
      {"install --gmap", "ein gmap-Paket machen (die Vorgabe)"},
      {"register --gmap", "ein gmap-Paket statt einer Registrierung machen"},
      {"--yes", "beantwortet die Frage des Befehls mit ja"},
      {"install --yes", "ein vorhandener Ordner SplittMaps darf geleert werden"},
      {"check --yes",
       "eine Registrierung, deren TDB und Kartenordner fehlen, darf entfernt werden"},
      {"import --yes", "eine schon vorhandene Kopie wird ersetzt"},
      {"typ --yes", "beantwortet die Frage vor dem Wegnehmen der TYP-Datei mit ja"},
      {"--json", "schreibt JSON statt Text"},
      {"--name", "der Name des Kartensatzes"},
      {"--fid", "die Familien-ID"},
      {"--pid", "die Produkt-ID"},
      {"--keep-fid", "jede Familie behaelt ihre FID"},
      {"--free-fid", "jede Familie bekommt eine freie FID"},
      {"--tiles", "der Ordner der Kacheln"},
      {"--tdb", "die TDB-Datei"},
      {"--overview", "die Uebersichtskarte"},
      {"--typ", "die TYP-Datei"},
      {"--mdx", "die Index-Datei (MDX)"},
      {"--mdr", "der Suchindex (MDR)"},
      {"--trf", "die Verkehrsdatei (TRF)"},
      {"--to", "der Ordner, in den die Kopie geht"},
      {"--all-users", "ein Paket in den Kartenordner aller Benutzer kopieren"},
      {"--user", "ein Paket in den Kartenordner des Benutzers kopieren"},
      {"--no-installer", "die Download-Quellen von MapSource nicht zeigen"},
      {"--to-gmap", "ein gmap-Paket machen"},
      {"--repair", "repariert, was sich reparieren laesst"},
      {"--remove", "nimmt die TYP-Datei weg"},
      {"MAPSET", "FID, FID:PID, der Name, den list zeigt, oder der blosse Name des Kartensatzes"},
      {"NEWNAME", "der neue Name"},
      {"ID", "die Nummer der Aenderung, wie history sie zeigt (sonst die neueste noch geltende)"},
      {"undo --yes", "beantwortet die Frage vor dem Rueckgaengigmachen mit ja"},
      {"remove --yes", "beantwortet die Frage vor dem Entfernen mit ja"},
      {"NEWFID", "die neue FID"},
      {"VALUE", "die Draw-Priority, die geschrieben wird"},
      {"FILE", "die Datei"},
      {"info FILE", "die Dateien, die beschrieben werden"},
      {"install FILE", "die Kacheln oder ein Geraete-Image"},
      {"typ FILE", "die TYP-Datei"},
      {"device-image --out", "das zu schreibende Geraete-Image"},
      {"device-image --yes", "ersetzt ein vorhandenes Geraete-Image"},
      {"device-image MAPSET", "die Kartensaetze, jeder als FID, FID:PID, der Name, den list zeigt, oder sein Name"},
      {"FOLDER", "der Ordner, den export gemacht hat"},
      {"FID", "die Familien-ID"},
      {"PID", "die Produkt-ID"},
      {"DEGREES", "5 bis 85, oder auto zum Entfernen der gespeicherten Grad"},
      {"CACHE", "basecamp, mapinstall oder mapsource"},
      {"CHOICE", "auto, extern oder intern"},
      {"ANSWER", "yes fuer 64-bit-Windows, no fuer 32 bit"},
      {"KEY", "ROOT\\KEY, der Root als HKLM, HKCU oder sein langer Name"},
      {"NAME", "der Name des Werts"},
      {"ARGUMENTS", "die Argumente des externen Programms"},
      {"COMMAND", "der Befehl"},
  };
  texts.unknownCommand = "unbekannter Befehl: ";
  texts.unexpectedArgument = "unerwartetes Argument: ";
  texts.missingArgument = "es fehlt: ";
  texts.missingValue = "einer Option fehlt ihr Wert";
  texts.notANumber = "keine Zahl: ";
  texts.notOneOf = "nicht eines von ";
  texts.excludeEachOther = "diese Optionen schliessen sich aus: ";
  texts.wrongArguments = "die Argumente passen nicht zum Befehl";
  texts.seeHelp = "siehe: mapsetdesk-cli ";
  texts.seeHelpEnd = " --help";
  texts.userRegistryUnreadable =
      "die Registry des Benutzers ist nicht lesbar, also auch nicht die Einstellung Wow64";
  texts.wow64Stored64 = "die Einstellung Wow64 fehlte; gespeichert: 64-bit-Windows (aendern "
                        "mit set-wow64 no)";
  texts.wow64Stored32 = "die Einstellung Wow64 fehlte; gespeichert: 32-bit-Windows (aendern "
                        "mit set-wow64 yes)";
  texts.settingNotStored = "die Einstellung konnte nicht gespeichert werden";
  texts.noMatch = "kein installierter Kartensatz passt zu ";
  texts.severalMatches = "mehrere Kartensaetze passen zu ";
  texts.severalMatchesEnd = "; nennen Sie einen mit FID:PID oder mit --registry oder --gmap:";
  texts.cannotBeRead = "nicht lesbar: ";
  texts.everyFidUsed = "jede FID ist vergeben von ";
  texts.removalNeedsYes = "das Entfernen braucht die Antwort --yes";
  texts.undoNeedsYes = "das Rueckgaengigmachen braucht die Antwort --yes";
  texts.fidTaken = "die FID ";
  texts.fidTakenEnd = " ist schon vergeben; waehlen Sie --keep-fid oder --free-fid";
  texts.fileUnreadable = "nicht lesbar: ";
  texts.regFileError = "Fehler in Zeile ";
  texts.regRefused = "die Registry verweigert die Aenderung von ";
  texts.noSuchKey = "diesen Schluessel gibt es nicht: ";
  texts.windowRefusesRegistration = "das Fenster laesst den Kartensatz nicht registrieren";
  texts.windowRefusesPackage = "das Fenster laesst den Kartensatz nicht verpacken";
  texts.noTypFile = "die Auswahl bietet keine TYP-Datei ";
  texts.noTypFileEnd = " (ihr Name muss acht Zeichen und .typ haben)";
  texts.unknownKind = "unbekannte Art von Datei";
  texts.damaged = "beschaedigt: ";
  texts.noWholeTile = "kein lesbarer TRE-Kopf";
  texts.notADeviceImage = "--name und --fid gehoeren zu Kacheln, --keep-fid und --free-fid zu "
                          "einem Geraete-Image";
  texts.imageExists = "die Datei gibt es schon; --yes ersetzt sie: ";
  return texts;
}

}  // namespace

const CliTexts& cliTexts(Sprache sprache) {
  static const CliTexts englishTexts = english();
  static const CliTexts germanTexts = german();
  return sprache == Sprache::English ? englishTexts : germanTexts;
}

}  // namespace mapsetdesk
