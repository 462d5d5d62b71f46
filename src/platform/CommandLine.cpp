#include "platform/CommandLine.h"

namespace mapsetdesk {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// One argument after another, as a Windows program's start-up code reads
// them. quoted counts the marks of a run modulo three: 0 outside a quoted
// part, 1 inside; a third mark in a row stands for itself.
class ArgumentReader {
 public:
  explicit ArgumentReader(std::string_view text) : text_(text) {}

  std::vector<std::string> readAll() {
    for (std::size_t i = 0; i < text_.size();) i = take(i);
    endArgument();
    return std::move(arguments_);
  }

 private:
  std::size_t take(std::size_t i) {
    const char c = text_[i];
    if (isBlank(c) && quoted_ == 0) {
      endArgument();
      return i + 1;
    }
    started_ = true;
    if (c == '"') return takeMarks(i);
    current_ += c;
    backslashes_ = c == '\\' ? backslashes_ + 1 : 0;
    return i + 1;
  }

  // A quotation mark after the backslashes counted so far, and the marks
  // that follow it directly.
  std::size_t takeMarks(std::size_t i) {
    current_.resize(current_.size() - backslashes_ / 2);
    if (backslashes_ % 2 == 1) {
      current_.back() = '"';
    } else {
      ++quoted_;
    }
    backslashes_ = 0;
    for (++i; i < text_.size() && text_[i] == '"'; ++i) {
      if (++quoted_ == 3) {
        current_ += '"';
        quoted_ = 0;
      }
    }
    if (quoted_ == 2) quoted_ = 0;
    return i;
  }

  void endArgument() {
    if (started_) arguments_.push_back(std::move(current_));
    current_.clear();
    started_ = false;
    backslashes_ = 0;
  }

  std::string_view text_;
  std::vector<std::string> arguments_;
  std::string current_;
  bool started_ = false;
  int quoted_ = 0;
  std::size_t backslashes_ = 0;
};

// Where a quoted program name ends: the closing mark, or the end of the line.
std::size_t closingMark(std::string_view line) {
  const std::size_t close = line.find('"', 1);
  return close == std::string_view::npos ? line.size() : close;
}

std::size_t firstBlank(std::string_view line) {
  std::size_t end = 0;
  while (end < line.size() && !isBlank(line[end])) ++end;
  return end;
}

}  // namespace

std::vector<std::string> splitArguments(std::string_view text) {
  return ArgumentReader(text).readAll();
}

std::vector<std::string> splitCommandLine(std::string_view commandLine) {
  if (commandLine.empty()) return {};
  std::vector<std::string> all;
  std::size_t rest = 0;
  if (commandLine.front() == '"') {
    const std::size_t close = closingMark(commandLine);
    all.emplace_back(commandLine.substr(1, close - 1));
    rest = std::min(close + 1, commandLine.size());
  } else {
    rest = firstBlank(commandLine);
    all.emplace_back(commandLine.substr(0, rest));
  }
  for (std::string& argument : splitArguments(commandLine.substr(rest)))
    all.push_back(std::move(argument));
  return all;
}

ProgramCall parseProgramCall(std::string_view commandLine,
                             const std::function<bool(const std::string&)>& isFile) {
  if (commandLine.empty()) return {};
  if (commandLine.front() == '"') {
    const std::size_t close = closingMark(commandLine);
    return {std::string(commandLine.substr(1, close - 1)),
            splitArguments(commandLine.substr(std::min(close + 1, commandLine.size())))};
  }
  for (std::size_t end = 0; end <= commandLine.size(); ++end) {
    if (end < commandLine.size() && !isBlank(commandLine[end])) continue;
    const std::string candidate(commandLine.substr(0, end));
    if (!candidate.empty() && isFile(candidate))
      return {candidate, splitArguments(commandLine.substr(end))};
  }
  const std::size_t end = firstBlank(commandLine);
  return {std::string(commandLine.substr(0, end)), splitArguments(commandLine.substr(end))};
}

}  // namespace mapsetdesk
