#pragma once
// Rights on Garmin's registry key and on the GARMIN\Maps folders, which the
// user often lacks. On Windows the outside tool SetACL.exe makes the user
// owner of the registry key and gives full control of it; the folders get
// their owner and a write-access entry through the security calls. Other
// systems have neither: there the grants do nothing and show nothing.
#include <string>

#include "platform/Dialogs.h"
#include "platform/ToolRunner.h"

namespace mapsetdesk {

inline constexpr char kSetAclMissing[] =
    "Die Datei SetACL.exe  im Ordner BIN der Installation fehlt. Installieren Sie ZORVAN neu, um "
    "den Fehler zu beheben. Ohne diese Datei können die Rechte nicht automatisch gesetzt werden. "
    "Sie können alternativ die Zugriffsrechte auf Registry und Dateiverzeichniss von Hand "
    "einrichten.";
inline constexpr char kPermissionsTitle[] = "ZORVAN";

// The program folder + "\BIN\SetACL.exe".
std::string setAclPath(const std::string& programFolder);

struct SetAclCommands {
  std::string owner;        // makes the user owner of the key
  std::string fullControl;  // gives the user full control of it
};

// registryPath in SetACL's notation ("HKLM\SOFTWARE\Garmin"), left unquoted.
SetAclCommands setAclCommandLines(const std::string& setAcl, const std::string& registryPath,
                                  const std::string& user);

// Starts both SetACL runs, each detached in a minimized window, without
// waiting for either or looking at their outcome. Without SetACL.exe the
// user is told so and nothing is started.
void runSetAcl(ToolRunner& runner, Dialogs& dialogs, const std::string& programFolder,
               const std::string& registryPath, const std::string& user);

// Whether this system grants rights at all (Windows).
bool grantsRights();

// runSetAcl on Windows.
void grantRegistryRights(ToolRunner& runner, Dialogs& dialogs, const std::string& programFolder,
                         const std::string& registryPath, const std::string& user);
// SetACL's work without SetACL: the user becomes owner of the key below
// HKEY_LOCAL_MACHINE and gets full control of it. Silent.
bool takeRegistryKeyRights(const std::string& keyPath, const std::string& user);

// The user becomes the folder's owner. A failing call tells its name and
// error code and ends the grant.
void grantFolderOwner(Dialogs& dialogs, const std::string& folder, const std::string& user);
// An entry granting the user write access, inherited by the folder's
// subfolders and files, is merged into the folder's access list.
void grantFolderWriteAccess(Dialogs& dialogs, const std::string& folder, const std::string& user);

}  // namespace mapsetdesk
