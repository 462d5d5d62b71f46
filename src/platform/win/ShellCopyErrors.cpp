#include "platform/win/ShellCopyErrors.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/win/WideText.h"

namespace mapsetdesk {
namespace {

struct ShellCode {
  int code;
  std::string_view text;
};

// The shell's codes from before Win32, which overlap system error codes of
// other meaning, worded as Windows documents them.
constexpr std::array<ShellCode, 25> kShellCodes{{
    {0x71, "The source and destination files are the same file."},
    {0x72, "Multiple file paths were specified in the source buffer, but only one destination "
           "file path."},
    {0x73, "Rename operation was specified but the destination path is a different directory."},
    {0x74, "The source is a root directory, which cannot be moved or renamed."},
    {0x75, "The operation was canceled by the user."},
    {0x76, "The destination is a subtree of the source."},
    {0x78, "Security settings denied access to the source."},
    {0x79, "The source or destination path exceeded or would exceed MAX_PATH."},
    {0x7A, "The operation involved multiple destination paths."},
    {0x7C, "The path in the source or destination or both was invalid."},
    {0x7D, "The source and destination have the same parent folder."},
    {0x7E, "The destination path is an existing file."},
    {0x80, "The destination path is an existing folder."},
    {0x81, "The name of the file exceeds MAX_PATH."},
    {0x82, "The destination is a read-only CD-ROM, possibly unformatted."},
    {0x83, "The destination is a read-only DVD, possibly unformatted."},
    {0x84, "The destination is a writable CD-ROM, possibly unformatted."},
    {0x85, "The file involved in the operation is too large for the destination media or file "
           "system."},
    {0x86, "The source is a read-only CD-ROM, possibly unformatted."},
    {0x87, "The source is a read-only DVD, possibly unformatted."},
    {0x88, "The source is a writable CD-ROM, possibly unformatted."},
    {0xB7, "MAX_PATH was exceeded during the operation."},
    {0x402, "An unknown error occurred, typically an invalid path in the source or destination."},
    {0x10000, "An unspecified error occurred on the destination."},
    {0x10074, "The destination is a root directory and cannot be renamed."},
}};

}  // namespace

std::string systemErrorText(unsigned long code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer, length);
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
    text.pop_back();
  if (text.empty()) return "Windows error " + std::to_string(code) + ".";
  return utf8Text(text);
}

std::string shellOperationErrorText(int result) {
  const auto found = std::find_if(kShellCodes.begin(), kShellCodes.end(),
                                  [result](const ShellCode& known) { return known.code == result; });
  if (found != kShellCodes.end()) return std::string(found->text);
  return systemErrorText(static_cast<unsigned long>(result));
}

}  // namespace mapsetdesk
