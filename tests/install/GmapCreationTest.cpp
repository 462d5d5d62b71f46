// The gmap package of a new installation when its parts fail: an overview
// that does not unpack stays with its source, an Info.xml that cannot be
// written is reported; neither is announced as complete.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/CatalogueTexts.h"
#include "install/GmapCreation.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "support/ProgramHarness.h"
#include "support/RealMapsets.h"
#include "support/Standins.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class RecordingView : public InstallationView, public ToolWindow {
 public:
  void showReport(const std::string& text) override { reports.push_back(text); }
  ToolWindow& toolWindow() override { return *this; }
  void showToolWindow() override { ++toolWindowShown; }
  void WaitForApplication(const std::string&) override {}
  void start(const std::string&) override {}
  std::string text() const override { return {}; }
  void setText(const std::string&) override {}

  std::vector<std::string> reports;
  int toolWindowShown = 0;
};

class GmapCreation : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
    installStandins(program.folder / "program");
    fs::create_directories(karten());
    fs::copy_file(mapsets.root() / "mapset" / "63240001.img", karten() / "63240001.img");
    writeFile(karten() / "Topo_Har.tdb", "tdb");
    writeFile(karten() / "Topo_Har.mp", "source");
    texts.fill(Sprache::English);
  }

  fs::path karten() const { return program.folder / "Karten"; }
  fs::path package() const {
    return program.folder / "ProgramData" / "GARMIN" / "Maps" / "Topo Harz.gmap";
  }
  GmapResult build() {
    const GmapJob job{"Topo Harz", "77", "Topo_Har", pathText(karten()),
                      {pathText(karten() / "63240001.img")}};
    return gmaperzeugen(program.services, texts, view, job);
  }

  ProgramHarness program;
  RealMapsets mapsets;
  MessageCatalogue texts;
  RecordingView view;
};

TEST_F(GmapCreation, AnOverviewThatDoesNotUnpackStaysWithItsSource) {
  writeFile(karten() / "Topo_Har.img", "no IMG file");
  const GmapResult result = build();
  EXPECT_EQ(result.outcome, GmapOutcome::OverviewKept);
  EXPECT_TRUE(fs::exists(karten() / "Topo_Har.img"));
  EXPECT_TRUE(fs::exists(karten() / "Topo_Har.mp"));
  ASSERT_FALSE(view.reports.empty());
  EXPECT_NE(view.reports.back().find(pathText(karten() / "Topo_Har.img")), std::string::npos);
  EXPECT_EQ(view.reports.back().find(texts.text("Satz62")), std::string::npos);
  EXPECT_TRUE(fs::exists(package() / "Info.xml"));
  EXPECT_EQ(view.toolWindowShown, 1);
}

TEST_F(GmapCreation, AnOverviewThatUnpacksIsDeletedWithItsSource) {
  fs::copy_file(mapsets.root() / "mapset" / "osmmap.img", karten() / "Topo_Har.img");
  writeFile(karten() / "Topo_Har.mdx", "index");
  const GmapResult result = build();
  EXPECT_EQ(result.outcome, GmapOutcome::Complete);
  EXPECT_EQ(pathText(result.packageFolder), pathText(package()));
  EXPECT_FALSE(fs::exists(karten() / "Topo_Har.img"));
  EXPECT_FALSE(fs::exists(karten() / "Topo_Har.mp"));
  EXPECT_TRUE(fs::exists(package() / "Topo_Har.mdx"));
  EXPECT_NE(readFile(package() / "Info.xml").find("<IDX>Topo_Har.mdx</IDX>\r\n"),
            std::string::npos);
  ASSERT_EQ(view.reports.size(), 2u);
  EXPECT_EQ(view.reports[0], "0" + pathText(karten() / "63240001.img"));
  EXPECT_EQ(view.reports[1], texts.text("Satz61") + "1" + texts.text("Satz62"));
}

TEST_F(GmapCreation, AnInfoXmlThatCannotBeWrittenIsReportedNotAnnounced) {
  fs::copy_file(mapsets.root() / "mapset" / "osmmap.img", karten() / "Topo_Har.img");
  fs::create_directories(package() / "Info.xml" / "blocked");
  const GmapResult result = build();
  EXPECT_EQ(result.outcome, GmapOutcome::InfoXmlFailed);
  ASSERT_FALSE(view.reports.empty());
  EXPECT_EQ(view.reports.back(), texts.text("Fehler43") + pathText(package() / "Info.xml"));
}

}  // namespace
}  // namespace mapsetdesk::testing
