#include <windows.h>
#include <shellapi.h>

#include "platform/ProgramArguments.h"
#include "platform/win/WideText.h"

namespace mapsetdesk {

std::vector<std::string> programArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  if (wide == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(utf8Text(wide[i]));
  LocalFree(wide);
  return arguments;
}

}  // namespace mapsetdesk
