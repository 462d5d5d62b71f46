// A package's subfile that another program holds open without sharing, as
// a running MapSource does: the change stops there and asks to close it.
#include <windows.h>

#include "formats/TreDrawPriority.h"
#include "platform/FilePath.h"
#include "ui/DrawPriorityWindowFixture.h"

namespace mapsetdesk::testing {
namespace {

class HeldFile {
 public:
  explicit HeldFile(const std::filesystem::path& path)
      : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~HeldFile() {
    if (held()) CloseHandle(handle_);
  }
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

TEST_F(DrawPriorityWindow, AHeldSubfileStopsTheChangeWithTheCloseMapsourceMessage) {
  auto& window = listTiles(packaged);
  const std::filesystem::path tre = package / "Product3" / "63240002" / "63240002.TRE";
  const std::string before = readFile(tre);
  {
    const HeldFile mapsource(tre);
    ASSERT_TRUE(mapsource.held());
    EXPECT_TRUE(type(window.TextDP, "9"));
    EXPECT_TRUE(click(window.CommandDPAendern));
    expectSaid(texts.closeMapsource, Icon::Critical);
  }
  EXPECT_EQ(readFile(tre), before) << "the held file is untouched";
  const auto first = readDrawPriority(
      pathText(package / "Product3" / "63240001" / "63240001.TRE"), TreForm::Subfile);
  EXPECT_EQ(first.priority, 9) << "the tiles before the held one are changed";
  EXPECT_EQ(window.Listmaptilename.item(1), "63240002=  Sudteil (63240002) ; DP = 22")
      << "the list is not rebuilt after the stop";
}

}  // namespace
}  // namespace mapsetdesk::testing
