#include <windows.h>

#include <vector>

#include "platform/Codec.h"
#include "platform/ProcessLauncher.h"
#include "platform/win/WideText.h"

namespace mapsetdesk {
namespace {

// The window states STARTUPINFO takes for the styles 0, 1 and 2.
WORD showState(WindowStyle style) {
  switch (style) {
    case WindowStyle::Hidden:
      return SW_HIDE;
    case WindowStyle::NormalFocus:
      return SW_SHOWNORMAL;
    case WindowStyle::MinimizedFocus:
      return SW_SHOWMINIMIZED;
  }
  return SW_SHOWNORMAL;
}

// CreateProcessW may write into the command line, so it gets a copy.
std::vector<wchar_t> commandBuffer(const std::string& commandLine) {
  const std::wstring wide = wideText(commandLine);
  std::vector<wchar_t> buffer(wide.begin(), wide.end());
  buffer.push_back(L'\0');
  return buffer;
}

// Wine, on a busy machine, now and then fails to bring a new process up and
// reports an internal error; the same start a moment later succeeds.
constexpr int kStartAttempts = 3;
constexpr DWORD kPauseBeforeRetryMs = 50;

// Starts the command line; the process and thread handles are the caller's.
bool startProcess(const std::string& commandLine, STARTUPINFOW& startup, bool inheritHandles,
                  PROCESS_INFORMATION& process) {
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  SECURITY_ATTRIBUTES* attributes = inheritHandles ? &inheritable : nullptr;
  for (int attempt = 1;; ++attempt) {
    std::vector<wchar_t> buffer = commandBuffer(commandLine);
    if (CreateProcessW(nullptr, buffer.data(), attributes, attributes, inheritHandles,
                       NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &process))
      return true;
    if (GetLastError() != ERROR_INTERNAL_ERROR || attempt == kStartAttempts) return false;
    Sleep(kPauseBeforeRetryMs);
  }
}

STARTUPINFOW windowStartup(WindowStyle style) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = showState(style);
  return startup;
}

class WinCapturedChild final : public CapturedChild {
 public:
  WinCapturedChild(const PROCESS_INFORMATION& process, HANDLE readEnd, HANDLE writeEnd)
      : process_(process), readEnd_(readEnd), writeEnd_(writeEnd) {}

  ~WinCapturedChild() override {
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    CloseHandle(readEnd_);
    CloseHandle(writeEnd_);
  }
  WinCapturedChild(const WinCapturedChild&) = delete;
  WinCapturedChild& operator=(const WinCapturedChild&) = delete;

  std::size_t bytesWaiting() override {
    DWORD waiting = 0;
    if (!PeekNamedPipe(readEnd_, nullptr, 0, nullptr, &waiting, nullptr)) return 0;
    return waiting;
  }

  std::optional<std::string> read(std::size_t count) override {
    std::string chunk(count, '\0');
    DWORD got = 0;
    if (!ReadFile(readEnd_, chunk.data(), static_cast<DWORD>(count), &got, nullptr))
      return std::nullopt;
    chunk.resize(got);
    return chunk;
  }

  bool ended() override { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }

  // An anonymous pipe cannot be waited for; the program's end and input for
  // the program's windows can.
  void waitQuiet(std::chrono::milliseconds limit) override {
    MsgWaitForMultipleObjectsEx(1, &process_.hProcess, static_cast<DWORD>(limit.count()),
                                QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }

 private:
  PROCESS_INFORMATION process_;
  HANDLE readEnd_;
  HANDLE writeEnd_;
};

class WinProcessLauncher final : public ProcessLauncher {
 public:
  CapturedStart startCaptured(const std::string& commandLine,
                              const std::function<void()>& pipeReady) override {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
      return {CaptureFailure::PipeNotCreated, nullptr};
    // The child needs only the write end.
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    pipeReady();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = writeEnd;
    PROCESS_INFORMATION process{};
    if (!startProcess(commandLine, startup, true, process)) {
      CloseHandle(readEnd);
      CloseHandle(writeEnd);
      return {CaptureFailure::NotStarted, nullptr};
    }
    return {CaptureFailure::None, std::make_unique<WinCapturedChild>(process, readEnd, writeEnd)};
  }

  bool runAndWait(const std::string& commandLine, WindowStyle style) override {
    STARTUPINFOW startup = windowStartup(style);
    PROCESS_INFORMATION process{};
    if (!startProcess(commandLine, startup, false, process)) return false;
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    return true;
  }

  bool startDetached(const std::string& commandLine, WindowStyle style) override {
    STARTUPINFOW startup = windowStartup(style);
    PROCESS_INFORMATION process{};
    if (!startProcess(commandLine, startup, false, process)) return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
  }

  std::string outputText(std::string_view bytes) override { return fromAnsi(bytes); }
};

}  // namespace

std::unique_ptr<ProcessLauncher> openSystemProcessLauncher() {
  return std::make_unique<WinProcessLauncher>();
}

}  // namespace mapsetdesk
