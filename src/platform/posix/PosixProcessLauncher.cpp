#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <fstream>
#include <vector>

#include "platform/Codec.h"
#include "platform/CommandLine.h"
#include "platform/ProcessLauncher.h"

extern char** environ;

namespace mapsetdesk {
namespace {

constexpr const char* kNullDevice = "/dev/null";
constexpr const char* kWine = "wine";

bool isRegularFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A Windows executable begins with the letters MZ.
bool isWindowsExecutable(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::array<char, 2> start{};
  return file.read(start.data(), start.size()) && start[0] == 'M' && start[1] == 'Z';
}

bool hasExtension(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  return dot != std::string::npos && path.find('/', dot) == std::string::npos;
}

// As Windows does, a program named without an extension may be one ending
// in ".exe".
std::string withExe(const std::string& path) {
  if (isRegularFile(path) || hasExtension(path) || !isRegularFile(path + ".exe")) return path;
  return path + ".exe";
}

// The program and its arguments as execve takes them. As on Windows, a bare
// program name is looked for in the current folder before the search path;
// a Windows executable is handed to wine. Empty when the line names nothing.
std::vector<std::string> argumentVector(const std::string& commandLine) {
  ProgramCall call = parseProgramCall(
      commandLine, [](const std::string& candidate) { return isRegularFile(withExe(candidate)); });
  if (call.program.empty()) return {};
  call.program = withExe(call.program);
  std::vector<std::string> argv;
  if (isRegularFile(call.program) && isWindowsExecutable(call.program)) argv.push_back(kWine);
  if (call.program.find('/') == std::string::npos && isRegularFile(call.program))
    call.program = "./" + call.program;
  argv.push_back(std::move(call.program));
  for (std::string& argument : call.arguments) argv.push_back(std::move(argument));
  return argv;
}

// What a child's standard handles are: -1 keeps the parent's.
struct ChildHandles {
  int output = -1;
  bool quiet = false;  // input and error to the null device
};

class SpawnActions {
 public:
  explicit SpawnActions(const ChildHandles& handles) {
    posix_spawn_file_actions_init(&actions_);
    if (handles.quiet) {
      posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, kNullDevice, O_RDONLY, 0);
      posix_spawn_file_actions_addopen(&actions_, STDERR_FILENO, kNullDevice, O_WRONLY, 0);
    }
    if (handles.output >= 0)
      posix_spawn_file_actions_adddup2(&actions_, handles.output, STDOUT_FILENO);
  }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  const posix_spawn_file_actions_t* get() const { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

// The child's process id, or -1 when it could not be started.
pid_t spawn(const std::vector<std::string>& argv, const ChildHandles& handles) {
  if (argv.empty()) return -1;
  std::vector<char*> pointers;
  for (const std::string& argument : argv) pointers.push_back(const_cast<char*>(argument.c_str()));
  pointers.push_back(nullptr);
  const SpawnActions actions(handles);
  pid_t child = -1;
  if (posix_spawnp(&child, pointers[0], actions.get(), nullptr, pointers.data(), environ) != 0)
    return -1;
  return child;
}

void waitForEnd(pid_t child) {
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
}

// A descriptor that becomes readable when the process ends; -1 on systems
// without one, which then notice the end at the next look.
int processDescriptor(pid_t child) {
#ifdef SYS_pidfd_open
  return static_cast<int>(syscall(SYS_pidfd_open, child, 0));
#else
  (void)child;
  return -1;
#endif
}

class PosixCapturedChild final : public CapturedChild {
 public:
  PosixCapturedChild(pid_t child, int pipe)
      : child_(child), pipe_(pipe), processFd_(processDescriptor(child)) {}

  ~PosixCapturedChild() override {
    if (!ended_) waitForEnd(child_);
    close(pipe_);
    if (processFd_ >= 0) close(processFd_);
  }
  PosixCapturedChild(const PosixCapturedChild&) = delete;
  PosixCapturedChild& operator=(const PosixCapturedChild&) = delete;

  std::size_t bytesWaiting() override {
    int waiting = 0;
    if (ioctl(pipe_, FIONREAD, &waiting) != 0 || waiting < 0) return 0;
    return static_cast<std::size_t>(waiting);
  }

  std::optional<std::string> read(std::size_t count) override {
    std::string chunk(count, '\0');
    ssize_t got = -1;
    do {
      got = ::read(pipe_, chunk.data(), count);
    } while (got < 0 && errno == EINTR);
    if (got < 0) return std::nullopt;
    chunk.resize(static_cast<std::size_t>(got));
    return chunk;
  }

  bool ended() override {
    if (ended_) return true;
    int status = 0;
    const pid_t result = waitpid(child_, &status, WNOHANG);
    // ECHILD: the program was reaped elsewhere, so it has ended too.
    ended_ = result == child_ || (result < 0 && errno == ECHILD);
    return ended_;
  }

  void waitQuiet(std::chrono::milliseconds limit) override {
    std::array<pollfd, 2> watched{};
    nfds_t count = 0;
    if (!hungUp_) watched[count++] = {pipe_, POLLIN, 0};
    if (processFd_ >= 0) watched[count++] = {processFd_, POLLIN, 0};
    if (poll(watched.data(), count, static_cast<int>(limit.count())) <= 0 || hungUp_) return;
    // Every writer has closed the pipe: it stays empty, and waiting on it
    // would return at once from now on.
    const short events = watched[0].revents;
    hungUp_ = (events & (POLLHUP | POLLERR)) != 0 && (events & POLLIN) == 0;
  }

 private:
  pid_t child_;
  int pipe_;
  int processFd_;
  bool ended_ = false;
  bool hungUp_ = false;
};

class PosixProcessLauncher final : public ProcessLauncher {
 public:
  CapturedStart startCaptured(const std::string& commandLine,
                              const std::function<void()>& pipeReady) override {
    std::array<int, 2> ends{};
    if (pipe2(ends.data(), O_CLOEXEC) != 0) return {CaptureFailure::PipeNotCreated, nullptr};
    pipeReady();
    const pid_t child = spawn(argumentVector(commandLine), {ends[1], true});
    // Only the child writes; the pipe reports its end once the child is gone.
    close(ends[1]);
    if (child < 0) {
      close(ends[0]);
      return {CaptureFailure::NotStarted, nullptr};
    }
    return {CaptureFailure::None, std::make_unique<PosixCapturedChild>(child, ends[0])};
  }

  // No windows here: a hidden program's output goes nowhere, as it would
  // into its hidden console; the others print where the caller prints.
  bool runAndWait(const std::string& commandLine, WindowStyle style) override {
    const bool hidden = style == WindowStyle::Hidden;
    const int nowhere = hidden ? open(kNullDevice, O_WRONLY | O_CLOEXEC) : -1;
    const pid_t child = spawn(argumentVector(commandLine), {nowhere, hidden});
    if (nowhere >= 0) close(nowhere);
    if (child < 0) return false;
    waitForEnd(child);
    return true;
  }

  // A grandchild in a session of its own runs the program, so that nothing
  // waits for it and no finished child is left behind.
  bool startDetached(const std::string& commandLine, WindowStyle) override {
    const std::vector<std::string> argv = argumentVector(commandLine);
    if (argv.empty()) return false;
    const pid_t middle = fork();
    if (middle < 0) return false;
    if (middle == 0) {
      setsid();
      _exit(spawn(argv, {-1, true}) < 0 ? 127 : 0);
    }
    int status = 0;
    while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }

  std::string outputText(std::string_view bytes) override { return decodeUtf8OrAnsi(bytes); }
};

}  // namespace

std::unique_ptr<ProcessLauncher> openSystemProcessLauncher() {
  return std::make_unique<PosixProcessLauncher>();
}

}  // namespace mapsetdesk
