#pragma once
// How a test makes a stand-in fail: an environment variable per stand-in
// names the failure, as the parts that run them must handle it.
//
//   MAPSETDESK_GMT_FAULT         nothing      write no file at all
//                                no-tdb       write everything but the TDB
//                                no-overview  write the TDB but no overview source
//                                no-label     overview source without the preview label
//                                bad-checksum a TDB whose checksum does not match
//                                no-family    -G finds no family in the image
//   MAPSETDESK_CGPSMAPPER_FAULT  nothing      write no overview map
//   MAPSETDESK_SETACL_FAULT      nothing      record and change nothing
#include <string>

namespace mapsetdesk::standin {

inline constexpr const char* kGmtFault = "MAPSETDESK_GMT_FAULT";
inline constexpr const char* kCgpsmapperFault = "MAPSETDESK_CGPSMAPPER_FAULT";
inline constexpr const char* kSetaclFault = "MAPSETDESK_SETACL_FAULT";

class Faults {
 public:
  explicit Faults(const char* variable);
  bool has(const std::string& fault) const { return fault_ == fault; }

 private:
  std::string fault_;
};

// One line of output; the pipe collects it.
void say(const std::string& line);

}  // namespace mapsetdesk::standin
