#include "support/TestRegistry.h"

#include <atomic>

#include "platform/MemoryRegistry.h"
#include "platform/Platform.h"
#include "platform/RegistryTransfer.h"

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace mapsetdesk::testing {
namespace {

int processId() {
#ifdef _WIN32
  return _getpid();
#else
  return getpid();
#endif
}

std::string scratchName() {
  static std::atomic<unsigned> counter{0};
  return "mapsetdesk-test-" + std::to_string(processId()) + "-" + std::to_string(counter++);
}

}  // namespace

TestRegistry::TestRegistry(Kind kind) {
  if (kind == Kind::Memory) {
    registry_ = std::make_unique<MemoryRegistry>();
  } else {
    PlatformOptions options;
    options.dataRoot = folder_.str();
    registry_ = openSystemRegistry(options);
  }
  const std::string name = scratchName();
  userBase_ = "Software\\" + name;
  machineBase_ = "SOFTWARE\\" + name;
}

TestRegistry::~TestRegistry() {
  deleteKeyTree(*registry_, Root::CurrentUser, userBase_);
  deleteKeyTree(*registry_, Root::LocalMachine, machineBase_);
}

const std::string& TestRegistry::base(Root root) const {
  return root == Root::LocalMachine ? machineBase_ : userBase_;
}

}  // namespace mapsetdesk::testing
