#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <windows.h>

#include "platform/ShellLink.h"
#include "platform/win/WideText.h"

namespace mapsetdesk {
namespace {

// The shell's link object and its interface, named here so that no import
// library of GUIDs is needed.
constexpr CLSID kShellLinkClass = {
    0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kShellLinkW = {
    0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kPersistFile = {
    0x0000010b, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// COM for this thread while the link is made; a thread that had it already keeps it.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

bool saveLink(IShellLinkW& link, const std::wstring& linkPath) {
  IPersistFile* file = nullptr;
  if (FAILED(link.QueryInterface(kPersistFile, reinterpret_cast<void**>(&file)))) return false;
  const bool saved = SUCCEEDED(file->Save(linkPath.c_str(), TRUE));
  file->Release();
  return saved;
}

}  // namespace

bool createShortcut(const std::string& linkPath, const std::string& target) {
  const ComScope com;
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkW,
                              reinterpret_cast<void**>(&link))))
    return false;
  const bool made = SUCCEEDED(link->SetPath(wideText(target).c_str())) &&
                    saveLink(*link, wideText(linkPath));
  link->Release();
  return made;
}

}  // namespace mapsetdesk
