#pragma once
// Facts about a made-up machine: the test sets each one.
#include <map>
#include <string>

#include "platform/Platform.h"
#include "platform/SystemFacts.h"

namespace mapsetdesk::testing {

class FakeSystemFacts : public SystemFacts {
 public:
  std::string version;
  bool admin = true;
  // The account the tests run as: on Windows the folder grants of an
  // installation look it up, and a made-up name would make them fail.
  std::string user = openSystemFacts({})->myGetUserName();
  std::string windowsFolder;
  std::map<int, std::string> folders;  // special folder number -> path

  std::string versionName() override { return version; }
  bool IsAdmin() override { return admin; }
  std::string myGetUserName() override { return user; }
  std::string WinDir() override { return windowsFolder; }
  std::string specialFolder(int folder) override {
    const auto found = folders.find(folder);
    return found == folders.end() ? std::string() : found->second;
  }
};

}  // namespace mapsetdesk::testing
