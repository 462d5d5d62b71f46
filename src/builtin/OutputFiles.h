#pragma once
// How the built-in tools write: each output beside its place as a temporary
// file, renamed when complete, reported line by line, with the windows
// painting between files.
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "builtin/ToolReport.h"

namespace mapsetdesk::builtin {

class OutputFiles {
 public:
  OutputFiles(std::string folder, ToolReport& report)
      : folder_(std::move(folder)), report_(report) {}

  // Makes the folder when missing; false (and reported) when it cannot.
  bool prepareFolder();
  // folder\name from the content write puts into the stream.
  bool write(const std::string& name, const std::function<bool(std::ostream&)>& content);
  bool write(const std::string& name, std::string_view content);

  int written() const { return written_; }
  std::string pathOf(const std::string& name) const;

 private:
  std::string folder_;
  ToolReport& report_;
  int written_ = 0;
};

}  // namespace mapsetdesk::builtin
