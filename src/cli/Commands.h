#pragma once
// One function per mapsetdesk-cli command. Each returns the exit code:
// 0 success, 1 failure, 2 usage error.
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace mapsetdesk::cli {

struct Context {
  PlatformOptions platform;
  // Where the outside programs lie: the executable's folder unless
  // --program-folder names another.
  std::string programFolder;
  std::vector<std::string> args;  // after the command name
  std::ostream& out;
  std::ostream& err;
};

int usageError(Context& context, const std::string& usage);

// paths: where this build keeps its registry, special folders and programs.
int paths(Context& context);
// reg import FILE | reg export ROOT\KEY | reg query ROOT\KEY NAME: .reg files
// and single values of the registry this build uses.
int reg(Context& context);
// info FILE...: what the Garmin files (TDB, IMG, TRE/GMP, TYP, MDX,
// Info.xml) hold, one block of "key: value" lines per file.
int info(Context& context);

// list: the registry catalogue, one tab-separated row per mapset (display
// text, FID, PID, root, subkey path, TDB, overview, tile folder, TYP), then
// one row per gmap product (display text, Info.xml, FID, PID, TDB, index).
int list(Context& context);
// free-fid: the lowest FID no installed mapset uses.
int freeFid(Context& context);
// duplicates: one line per FID/PID pair used twice.
int duplicates(Context& context);
// check [--repair] [--yes]: one line per thing that keeps a mapset from being
// shown; exit 0 when nothing is found. --repair mends what can be mended,
// --yes answers the question before a registration is removed.
int check(Context& context);
// set-wow64 yes|no: the Wow64 setting, which chooses the registry base.
int setWow64(Context& context);
// tools [auto|extern|intern]: who does the outside programs' work; without an
// argument it prints the setting.
int tools(Context& context);
// tool gmt ARGUMENTS... | tool compile FILE.mp: one built-in tool run
// directly with the outside program's arguments, its report printed; exit 1
// when it wrote nothing.
int tool(Context& context);

// cache: one row per cache, name<TAB>size<TAB>unit: basecamp, mapinstall and
// mapsource in MB, basecamp-productdata in bytes; name<TAB>missing or
// name<TAB>unreadable when the folder is not there or cannot be read.
int cache(Context& context);
// cache-clear basecamp|mapinstall|mapsource: deletes the files directly in
// the cache folder and prints what is left as size<TAB>MB. Exit 1 with the
// message when the folder is missing or a link, or when files had to stay.
int cacheClear(Context& context);
// install [--registry|--gmap] --name NAME [--fid N] TILE...: the tiles
// (their folder is the output folder) installed as a gmap package (the
// default) or a registration, with the free FID unless --fid gives one.
// Prints the list rows of the new mapset.
// install [--registry|--gmap] [--keep-fid|--free-fid] [--yes] GMAPSUPP.img:
// the device-image run, every family packaged (the default) or registered
// in turn.
int install(Context& context);
// register [--gmap] --tiles DIR --tdb FILE --overview FILE [--typ FILE]
// [--mdx FILE] [--mdr FILE] [--trf FILE] [--name NAME] [--fid N] [--pid N]:
// the window for an existing TDB filled as a person fills it (name, FID and
// PID as read from the TDB unless given), then registered, or with --gmap
// packaged. Prints the list rows that are new.
int registerExisting(Context& context);
// latitude FID PID [DEGREES|auto]: the map's latitude of least distortion,
// set to DEGREES (5 to 85) or removed; prints the stored degrees or the
// nothing-stored text.
int latitude(Context& context);
// rename [--registry|--gmap] MAPSET NEWNAME: the mapset's name in its TDB (and
// a package's Info.xml) replaced; prints the window's messages.
int renameMapset(Context& context);
// typ [--registry|--gmap] [--yes] MAPSET FILE|--remove: the TYP file assigned
// to the mapset, or taken away (--yes answers the question); prints the
// window's messages.
int typ(Context& context);
// set-fid [--registry|--gmap] MAPSET NEWFID: the FID change of the FID
// changer window; prints its messages, then the mapset's new list rows.
int setFid(Context& context);
// draw-priority [--registry|--gmap] MAPSET [VALUE]: one line per tile (tile
// name, description, draw priority or "none"); with VALUE the change of the
// draw-priority window, its messages, then the lines anew.
int drawPriority(Context& context);

// export [--registry|--gmap] MAPSET: the mapset's files gathered for another
// PC as the export button gathers them; prints the folder to copy.
int exportMapset(Context& context);
// import FOLDER [--to DIR] [--all-users|--user] [--no-installer] [--yes]: an
// exported folder installed as the import button installs it (--to: where
// the copy goes; --yes: a copy there already is replaced); prints the list
// rows of the imported mapset.
int importFolder(Context& context);
// convert MAPSET --to-gmap: a registered mapset packaged as a gmap package
// for BaseCamp; the registration stays. Prints the package's list rows.
int convert(Context& context);

// Rolls back what an interrupted run left unfinished and says so on the
// error stream; run before every command.
int recoverAtStart(Context& context);
// history: the change journal, newest entry first.
int history(Context& context);
// undo [ID] [--yes]: the newest change that stands, or entry ID, taken back.
int undo(Context& context);
// remove [--registry|--gmap] MAPSET [--yes]: the mapset's removal, undoable.
int remove(Context& context);

}  // namespace mapsetdesk::cli
