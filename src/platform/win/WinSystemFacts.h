#pragma once
// Facts about the machine and the user from kernel32, advapi32 and shell32,
// as UTF-8 text.
#include <string>

#include "platform/SystemFacts.h"

namespace mapsetdesk {

class WinSystemFacts final : public SystemFacts {
 public:
  std::string versionName() override;
  bool IsAdmin() override;
  std::string myGetUserName() override;
  std::string WinDir() override;
  std::string specialFolder(int folder) override;
};

}  // namespace mapsetdesk
