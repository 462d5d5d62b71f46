#pragma once
// A registry for one test. System is the one this build runs on: the real
// registry on Windows, a file registry in a fresh folder elsewhere. Memory is
// the in-memory registry. A test works only below its own scratch keys
// (base()), which are removed with everything below them afterwards, so the
// same test can run against the real Windows registry.
#include <memory>
#include <string>

#include "platform/Registry.h"
#include "support/TempDir.h"

namespace mapsetdesk::testing {

class TestRegistry {
 public:
  enum class Kind { System, Memory };

  explicit TestRegistry(Kind kind = Kind::System);
  ~TestRegistry();
  TestRegistry(const TestRegistry&) = delete;
  TestRegistry& operator=(const TestRegistry&) = delete;

  Registry& registry() { return *registry_; }
  // "Software\mapsetdesk-test-<pid>-<n>" of HKEY_CURRENT_USER,
  // "SOFTWARE\mapsetdesk-test-<pid>-<n>" of HKEY_LOCAL_MACHINE; not created.
  const std::string& base(Root root) const;
  // The data root of the file registry (what --home names); unused on Windows.
  std::string dataRoot() const { return folder_.str(); }

 private:
  TempDir folder_;
  std::unique_ptr<Registry> registry_;
  std::string userBase_;
  std::string machineBase_;
};

}  // namespace mapsetdesk::testing
