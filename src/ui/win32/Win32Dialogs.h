#pragma once
// The native message box, folder browser and file chooser, owned by the
// window the person is working in.
#include "platform/Dialogs.h"

namespace mapsetdesk::ui::win32 {

class Win32Dialogs : public Dialogs {
 public:
  Answer message(const Message& message) override;
  std::optional<std::string> chooseFolder(const std::string& title,
                                          const std::string& startFolder) override;
  std::optional<std::string> chooseFile(const std::string& title, const std::string& filter,
                                        const std::string& startFolder) override;
};

}  // namespace mapsetdesk::ui::win32
