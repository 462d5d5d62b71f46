#pragma once
// Facts about the machine on systems without Windows: the Windows folder and
// the shell's special folders are folders below the data root.
#include <string>

#include "platform/SystemFacts.h"

namespace mapsetdesk {

class PosixSystemFacts : public SystemFacts {
 public:
  explicit PosixSystemFacts(std::string dataRoot);

  std::string versionName() override;
  bool IsAdmin() override;
  std::string myGetUserName() override;
  std::string WinDir() override;
  std::string specialFolder(int folder) override;

 private:
  std::string dataRoot_;
};

}  // namespace mapsetdesk
