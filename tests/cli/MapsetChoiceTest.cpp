// How the editing and transfer commands find the one mapset a user names.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/MapsetChoice.h"

namespace mapsetdesk::cli {
namespace {

CatalogueRow registered(const std::string& name, int fid, int pid) {
  CatalogueRow row;
  row.state = EntryState::Complete;
  row.entry.mapsetName = name;
  row.cells = {name, std::to_string(fid), std::to_string(pid)};
  return row;
}

GmapRow package(const std::string& name, int fid, int pid) {
  GmapRow row;
  row.display = "gmap; " + name + "; FID:" + std::to_string(fid) + ";PID:" + std::to_string(pid);
  row.name = name;
  row.fid = std::to_string(fid);
  row.pid = std::to_string(pid);
  return row;
}

class MapsetChoiceTest : public ::testing::Test {
 protected:
  MapsetChoiceTest() {
    catalogues.registry.rows = {registered("Topo", 4321, 1), registered("Topo", 4321, 7),
                                registered("2024", 55, 1)};
    catalogues.packages.rows = {package("Rad", 900, 1), package("Topo", 4321, 1)};
  }
  std::optional<ChosenMapset> choose(const std::string& choice, MapsetKind kind) {
    return chooseMapset(context, catalogues, choice, kind);
  }

  Catalogues catalogues;
  std::ostringstream out;
  std::ostringstream err;
  Context context{{}, {}, {}, out, err};
};

TEST_F(MapsetChoiceTest, NumbersNameOneMapsetOrListTheCandidates) {
  auto chosen = choose("4321:7", MapsetKind::Any);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->registry, &catalogues.registry.rows[1]);

  chosen = choose("900", MapsetKind::Any);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->package, &catalogues.packages.rows[0]);

  EXPECT_FALSE(choose("4321:1", MapsetKind::Any));
  EXPECT_NE(err.str().find("several mapsets match \"4321:1\""), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("gmap\tTopo\t4321\t1\t"), std::string::npos) << err.str();

  chosen = choose("4321:1", MapsetKind::Gmap);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->package, &catalogues.packages.rows[1]);
  chosen = choose("04321:01", MapsetKind::Registry);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->registry, &catalogues.registry.rows[0]);
}

TEST_F(MapsetChoiceTest, NamesAreTheCatalogueTextOrThePlainNameExactly) {
  auto chosen = choose("gmap; Rad; FID:900;PID:1", MapsetKind::Any);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->package, &catalogues.packages.rows[0]);
  chosen = choose("Rad", MapsetKind::Any);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->package, &catalogues.packages.rows[0]);
  // Digits that are no FID in use are tried as a name.
  chosen = choose("2024", MapsetKind::Any);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->registry, &catalogues.registry.rows[2]);
  chosen = choose("Topo", MapsetKind::Gmap);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->package, &catalogues.packages.rows[1]);

  EXPECT_FALSE(choose("topo", MapsetKind::Any));
  EXPECT_FALSE(choose("Rad ", MapsetKind::Any));
  EXPECT_EQ(err.str(),
            "no installed mapset matches \"topo\"\nno installed mapset matches \"Rad \"\n");
}

TEST_F(MapsetChoiceTest, ANameOfSeveralMapsetsIsRefusedWithEveryCandidate) {
  EXPECT_FALSE(choose("Topo", MapsetKind::Any));
  EXPECT_EQ(err.str(),
            "several mapsets match \"Topo\"; name one by FID:PID, or with --registry or --gmap:\n"
            "registration\tTopo\t4321\t1\tFamilies\t\t\t\t\t\t\t\tok\n"
            "registration\tTopo\t4321\t7\tFamilies\t\t\t\t\t\t\t\tok\n"
            "gmap\tTopo\t4321\t1\t\t\t\t\t\t\t\t\tok\n");
  err.str("");
  context.sprache = Sprache::Deutsch;
  EXPECT_FALSE(choose("Topo", MapsetKind::Registry));
  EXPECT_EQ(err.str().substr(0, err.str().find('\n')),
            "mehrere Kartensaetze passen zu \"Topo\"; nennen Sie einen mit FID:PID oder mit "
            "--registry oder --gmap:");
}

}  // namespace
}  // namespace mapsetdesk::cli
