#pragma once
// The one way to speak to the user. The Win32 skin shows native boxes; the
// command-line front end and the tests answer from options or scripts.
#include <optional>
#include <string>

namespace mapsetdesk {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
  std::string text;
  std::string title;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  // Stays in front of every program's windows, not only ours: the user is
  // asked to close another program (MapSource) first.
  bool systemModal = false;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual Answer message(const Message& message) = 0;
  // nullopt when the user cancels.
  virtual std::optional<std::string> chooseFolder(const std::string& title,
                                                  const std::string& startFolder) = 0;
  // filter in the file dialog's form: "Description|*.ext|..."
  virtual std::optional<std::string> chooseFile(const std::string& title,
                                                const std::string& filter,
                                                const std::string& startFolder) = 0;
};

}  // namespace mapsetdesk
