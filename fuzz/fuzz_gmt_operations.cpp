// The built-in gmt operations on any bytes as an image file: unpack, the
// split by family, the split of a family image and the device-image check.
// None may end the program, write over the image, write more than the image
// can hold, report success with a file unwritten, or leave a temporary file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "builtin/BuiltinGmt.h"
#include "builtin/DeviceImageCheck.h"
#include "platform/FileReplace.h"

using namespace mapsetdesk;
namespace fs = std::filesystem;

namespace {

class CountingReport : public builtin::ToolReport {
 public:
  void line(const std::string& text) override {
    if (text.starts_with("cannot write")) ++refused;
  }
  int refused = 0;
};

std::string readWhole(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What the outputs of one operation may hold at most: each output repeats at
// most the image's bytes, plus a head of at most 64 Ki directory entries.
std::uintmax_t outputLimit(std::size_t imageSize, std::size_t files) {
  return files * (2 * std::uintmax_t{imageSize} + (std::uintmax_t{1} << 26));
}

void checkOutputs(const fs::path& out, std::size_t imageSize, bool succeeded,
                  const CountingReport& report) {
  std::size_t files = 0;
  std::uintmax_t bytes = 0;
  std::error_code error;
  for (fs::directory_iterator it(out, error), end; !error && it != end; it.increment(error)) {
    if (it->path().filename().string().ends_with(kReplacementSuffix)) std::abort();
    ++files;
    bytes += fs::file_size(it->path());
  }
  if (bytes > outputLimit(imageSize, files)) std::abort();
  if (succeeded && (files == 0 || report.refused > 0)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fs::path root =
      fs::temp_directory_path() / ("fuzz_gmt_operations_" + std::to_string(getpid()));
  fs::remove_all(root);
  fs::create_directories(root);
  const fs::path image = root / "gmapsupp.img";
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::ofstream(image, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));

  builtin::checkDeviceImage(image.string());
  for (const char* mode : {"-g", "-G", "-S"}) {
    const fs::path out = root / "out";
    CountingReport report;
    const bool succeeded = builtin::runGmt({mode, "-o", out.string(), image.string()}, report);
    checkOutputs(out, size, succeeded, report);
    fs::remove_all(out);
  }
  if (readWhole(image) != bytes) std::abort();
  return 0;
}
