#pragma once
// Paths that came from the registry, an Info.xml or a list file name their
// last component in whatever case the writer chose ("Topo_Har.TDB" for the
// file gmt.exe wrote as "Topo_Har.tdb"). Windows finds such a file either
// way; on a file system that tells case apart the name is looked up here.
#include <string>
#include <string_view>
#include <unordered_map>

namespace mapsetdesk {

// The path itself when something exists there; else the path with its last
// component replaced by the one entry of its folder whose name differs only
// in the case of ASCII letters; else the path itself.
std::string foundPath(const std::string& path);

// Looks up many paths as foundPath does, listing each folder at most once:
// a catalogue of a thousand mapsets whose files share a folder reads that
// folder once, not once per missing file. Folders are taken as they were at
// their first lookup.
class FoundPaths {
 public:
  std::string found(const std::string& path);

 private:
  // Per folder: each name folded to lower case, to the first entry so named.
  using Listing = std::unordered_map<std::string, std::string>;
  const Listing& listing(const std::string& folder);
  std::unordered_map<std::string, Listing> listings_;
};

// isFile and isFolder of the found path.
bool isFileAnyCase(const std::string& path);
bool isFolderAnyCase(const std::string& path);

// Whether two file or key names are the same to Windows: ASCII letters alike
// in either case.
bool sameNameAnyCase(std::string_view a, std::string_view b);

// Whether two paths name the same place as Windows compares names: "." and
// ".." steps resolved, ASCII letters alike in either case. The places need
// not exist.
bool samePathAnyCase(const std::string& a, const std::string& b);

}  // namespace mapsetdesk
