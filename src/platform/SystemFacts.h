#pragma once
// Facts about the machine and the user, each one platform call on Windows.
#include <string>

namespace mapsetdesk {

// Shell special folders the system uses.
enum : int {
  kFolderPersonal = 5,        // the user's documents
  kFolderAppData = 26,        // the user's roaming application data
  kFolderLocalAppData = 28,   // the user's local application data
  kFolderCommonAppData = 35,  // application data of all users
};

// Name of the operating system from GetVersionExA's platform, major and minor
// version; empty for versions the table does not name.
std::string windowsVersionName(int platform, int major, int minor);

class SystemFacts {
 public:
  virtual ~SystemFacts() = default;
  virtual std::string versionName() = 0;    // empty when unknown or not Windows
  virtual bool IsAdmin() = 0;
  virtual std::string myGetUserName() = 0;  // at most 39 characters
  virtual std::string WinDir() = 0;         // without trailing separator
  // Full path without trailing separator, empty for an unknown folder number.
  virtual std::string specialFolder(int folder) = 0;
};

}  // namespace mapsetdesk
