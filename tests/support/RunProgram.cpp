#include "support/RunProgram.h"

#include <cstdlib>

#include "platform/FilePath.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win/WideText.h"
#else
#include <sys/wait.h>
#endif

namespace mapsetdesk::testing {
namespace {

#ifdef _WIN32
// Quoted as the C runtime splits a command line: backslashes before a quote
// are doubled, the quote itself escaped.
std::string quoted(const std::string& text) {
  std::string out = "\"";
  std::size_t backslashes = 0;
  for (const char c : text) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    out.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    out += c;
    backslashes = 0;
  }
  out.append(2 * backslashes, '\\');
  return out + '"';
}
// An output file the child writes as its standard handle.
HANDLE inheritableOutput(const std::string& file) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileW(wideText(file).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}
// Started directly, not through cmd /c: where 32-bit programs run under an
// emulator every start is slow, and a shell doubles the starts. The line goes
// as UTF-16, so that arguments keep every character.
int runLine(const std::string& line, const std::string& outFile, const std::string& errFile) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = inheritableOutput(outFile);
  startup.hStdError = inheritableOutput(errFile);
  std::wstring commandLine = wideText(line);
  PROCESS_INFORMATION process{};
  const bool started = startup.hStdOutput != INVALID_HANDLE_VALUE &&
                       startup.hStdError != INVALID_HANDLE_VALUE &&
                       CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &process);
  for (HANDLE handle : {startup.hStdOutput, startup.hStdError})
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  if (!started) return -1;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(exitCode);
}
// Wine takes the user's language from the prefix, not from a variable.
std::string localePrefix(const std::string&) { return {}; }
#else
std::string quoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}
std::string localePrefix(const std::string& locale) {
  return "LC_ALL=" + quoted(locale) + " LC_MESSAGES= LANG= ";
}
int runLine(std::string line, const std::string& outFile, const std::string& errFile) {
  line += " >" + quoted(outFile) + " 2>" + quoted(errFile);
  const int status = std::system(line.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

}  // namespace

std::string withLf(std::string text) {
  for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
    text.erase(at, 1);
  return text;
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const TempDir& scratch, const std::string& locale) {
  const std::string outFile = pathText(scratch / "program-stdout");
  const std::string errFile = pathText(scratch / "program-stderr");
  std::string line = localePrefix(locale) + quoted(program);
  for (const auto& argument : arguments) line += ' ' + quoted(argument);
  ProgramRun run;
  run.exitCode = runLine(line, outFile, errFile);
  run.out = readFile(outFile);
  run.err = readFile(errFile);
  return run;
}

}  // namespace mapsetdesk::testing
