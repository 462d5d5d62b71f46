#include "app/GmtBanner.h"

#include "app/messages/ToolRunnerTexts.h"

namespace mapsetdesk {
namespace {

// The length of the line end at position, 0 when there is none.
std::size_t lineEndAt(const std::string& text, std::size_t position) {
  if (text.compare(position, 2, "\r\n") == 0) return 2;
  if (position < text.size() && text[position] == '\n') return 1;
  return 0;
}

}  // namespace

std::string withoutGmtBanner(std::string text) {
  for (std::size_t found = text.find(kGmtBanner); found != std::string::npos;
       found = text.find(kGmtBanner, found)) {
    text.erase(found, kGmtBanner.size() + lineEndAt(text, found + kGmtBanner.size()));
  }
  return text;
}

}  // namespace mapsetdesk
