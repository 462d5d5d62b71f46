#pragma once
// Starting outside programs: the part of the outside-tool runner that the
// system provides. Windows starts them with CreateProcessA and reads their
// output through an anonymous pipe; POSIX splits the command line by the
// Windows rules (CommandLine.h), runs a Windows executable through wine when
// wine is installed, and reads through a pipe of its own.
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace mapsetdesk {

// How a plain run shows the program's window (the values are the window
// styles the callers pass).
enum class WindowStyle { Hidden = 0, NormalFocus = 1, MinimizedFocus = 2 };

// A program started hidden whose standard output comes through a pipe.
// Standard input and standard error are not connected.
class CapturedChild {
 public:
  virtual ~CapturedChild() = default;
  // How many bytes the pipe holds now, without taking them; 0 when it
  // cannot tell.
  virtual std::size_t bytesWaiting() = 0;
  // Takes up to count bytes; nullopt when the read failed.
  virtual std::optional<std::string> read(std::size_t count) = 0;
  // Whether the program has ended; never waits.
  virtual bool ended() = 0;
  // Returns when output arrives, the program ends, the window system has
  // input for the program, or after limit at the latest.
  virtual void waitQuiet(std::chrono::milliseconds limit) = 0;
};

enum class CaptureFailure {
  None,
  PipeNotCreated,  // nothing was started
  NotStarted,      // the program is missing or the command line is unusable
};

struct CapturedStart {
  CaptureFailure failure = CaptureFailure::None;
  std::unique_ptr<CapturedChild> child;  // set when failure is None
};

class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  // Makes the pipe, calls pipeReady, then starts the command line hidden
  // with its standard output into the pipe, in the caller's environment and
  // current folder.
  virtual CapturedStart startCaptured(const std::string& commandLine,
                                      const std::function<void()>& pipeReady) = 0;
  // Starts the command line with the window style and waits, without time
  // limit, until the program has ended. False when it could not be started.
  virtual bool runAndWait(const std::string& commandLine, WindowStyle style) = 0;
  // Starts the command line with the window style and returns at once; the
  // program runs on by itself. False when it could not be started.
  virtual bool startDetached(const std::string& commandLine, WindowStyle style) = 0;
  // The bytes a program printed as text: the ANSI code page on Windows, the
  // system's UTF-8 (else Windows-1252) elsewhere.
  virtual std::string outputText(std::string_view bytes) = 0;
  // Whether the outside program (or its companion file) at path can do its
  // work: the file is there, or something else does that program's work.
  virtual bool hasProgram(const std::string& path);
};

std::unique_ptr<ProcessLauncher> openSystemProcessLauncher();

}  // namespace mapsetdesk
