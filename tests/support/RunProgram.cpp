#include "support/RunProgram.h"

#include <cstdlib>

#include "platform/FilePath.h"

#ifdef _WIN32
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
// cmd /c drops the first and the last quote of a line that begins with one.
// The line goes as UTF-16, so that arguments keep every character.
int runLine(const std::string& line) { return _wsystem(wideText('"' + line + '"').c_str()); }
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
int runLine(const std::string& line) {
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
  line += " >" + quoted(outFile) + " 2>" + quoted(errFile);
  ProgramRun run;
  run.exitCode = runLine(line);
  run.out = readFile(outFile);
  run.err = readFile(errFile);
  return run;
}

}  // namespace mapsetdesk::testing
