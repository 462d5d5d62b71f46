#pragma once
// Operations on whole folders and on the files the catalogue removes:
// copying a folder as the platform's shell copies it, asking the user for a
// folder, the last name of a path, and deleting a file or a folder with
// everything in it, telling a refused deletion from other failures.
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "platform/Dialogs.h"

namespace mapsetdesk {

enum class RemoveStatus {
  Removed,
  Missing,  // nothing of that kind at the path: nothing was deleted
  Denied,   // access denied, or the file is held open by another program
  Failed,
};

struct RemoveResult {
  RemoveStatus status = RemoveStatus::Removed;
  std::string error;  // the platform's description when Denied or Failed
};

class FolderOps {
 public:
  virtual ~FolderOps() = default;
  // Copies source with everything in it into destination (into a folder of
  // the same name there; when destination does not exist, destination
  // becomes the copy). A failure shows the copy error and returns false.
  virtual bool copyFolder(const std::string& source, const std::string& destination) = 0;
  // Deletes a file; a folder at the path is left alone and reads as Missing.
  virtual RemoveResult removeFile(const std::string& path) = 0;
  // Deletes a folder with everything in it; read-only files are not forced,
  // so the first of them ends the deletion. What was deleted before stays so.
  virtual RemoveResult removeFolder(const std::string& path) = 0;
  // Moves a file or a folder with everything in it to `to`, where nothing may
  // be: a rename, a copy and deletion only across volumes. Refused as a
  // deletion is refused.
  virtual RemoveResult moveItem(const std::string& from, const std::string& to);
};

// copyFolder's failures show here.
std::unique_ptr<FolderOps> openSystemFolderOps(Dialogs& dialogs);

// The copy error, titled "Error message", with the exclamation icon.
void showCopyError(Dialogs& dialogs, const std::string& source, const std::string& description);

// The folder the user chose in the folder-browse dialog, or the empty text
// when the dialog was cancelled.
std::string browseForFolder(Dialogs& dialogs, const std::string& title);

// A separator followed by the text after the last separator of the path.
std::string lastFolderName(const std::string& path);

// The platform's copy of a folder as copyFolder describes it; nullopt when it
// succeeded, else the platform's description of the failure.
std::optional<std::string> shellCopyFolder(const std::string& source,
                                           const std::string& destination);

// Deletes the folder with everything in it. A link inside it (a symbolic
// link, or a junction on Windows) is deleted itself; what it points to stays.
std::error_code removeFolderTree(const std::string& path);

// Whether a failed file operation was refused for lack of access: a
// protected file, or one that another program holds open.
bool isAccessDenied(const std::error_code& error);

}  // namespace mapsetdesk
