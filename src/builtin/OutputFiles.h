#pragma once
// How the built-in tools write: each output beside its place as a temporary
// file, renamed when complete, reported line by line, with the windows
// painting between files. Names come from inside the files read, so one run
// never writes two outputs that Windows takes for one name, nor over the
// file it reads.
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

#include "builtin/ToolReport.h"

namespace mapsetdesk::builtin {

class OutputFiles {
 public:
  // input: the file the run reads, never written over.
  OutputFiles(std::string folder, ToolReport& report, std::string input = {})
      : folder_(std::move(folder)), report_(report), input_(std::move(input)) {}

  // Makes the folder when missing and takes away the temporary files a
  // killed run left there; false (and reported) when it cannot.
  bool prepareFolder();
  // folder\name from the content write puts into the stream.
  bool write(const std::string& name, const std::function<bool(std::ostream&)>& content);
  bool write(const std::string& name, std::string_view content);
  // name is not written, for the reason given.
  void refuse(const std::string& name, const std::string& reason);

  int written() const { return written_; }
  // Something was written and nothing was refused or failed.
  bool complete() const { return written_ > 0 && failed_ == 0; }
  int failed() const { return failed_; }
  std::string pathOf(const std::string& name) const;

 private:
  void removeLeftTemporaries();
  // Why name cannot be written, or nullptr.
  const char* refusal(const std::string& name, const std::string& path);

  std::string folder_;
  ToolReport& report_;
  std::string input_;
  std::set<std::string> names_;  // as Windows compares them
  int written_ = 0;
  int failed_ = 0;
};

}  // namespace mapsetdesk::builtin
