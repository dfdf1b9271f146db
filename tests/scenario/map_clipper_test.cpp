// Clipping the map on show (OnDlgMapClipper) through the scripted user.
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

class MapClipper : public ::testing::Test {
 protected:
  // Arguments 17..23 after the bounds, mesh coordinates and sub-kind.
  RunResult Run(const std::string& script, const std::string& mapFile = "D:\\MAP\\MEM5339",
                const std::string& mapName = U8(u8"東京"), int bound3 = 300, const std::string& southWest2 = "35.5 x",
                const std::string& pointFile = "") {
    return CallEntry("OnDlgMapClipper",
                     {"1", "2", std::to_string(bound3), "4", "10", "20", "30", "40", "1", U8(u8"山"), U8(u8"海"), "",
                      "g3", "g4", "D:\\names.pnt", pointFile, southWest2, "139.5", "36.0", "140.0", mapFile, "5339",
                      mapName, "ignored"},
                     script);
  }
};

TEST_F(MapClipper, ShowsTheMapAndReturnsTheClipWithPlaceholders) {
  RunResult r = Run("dump\ntype 1311 \"" + U8(u8"皇居") + "\"\nclick 1\n");
  const Dump d = DumpAt(r);
  EXPECT_EQ(r.out, U8(u8"皇居|東京|5339|35.5 x|139.5|36.0|140.0|D:\\names.pnt|*|50mﾒｯｼｭ|400×400|(10,30)->(20,40)|0\n"));
  EXPECT_EQ(d.Control(1289).Text() + "/" + d.Control(1314).Text() + "/" + d.Control(1291).Text() + "/" +
                d.Control(1313).Text(),
            U8(u8"東京/D:\\MAP\\MEM5339/5339/(10,30)->(20,40)"));
  // The south-west second value is shown up to its first blank, returned whole.
  EXPECT_EQ(d.Control(1296).Text() + "/" + d.Control(1295).Text() + "/" + d.Control(1294).Text() + "/" +
                d.Control(1293).Text(),
            "35.5/139.5/36.0/140.0");
  EXPECT_EQ(d.Control(1290).Text() + d.Control(1292).Text(), U8(u8"50mﾒｯｼｭ400×400"));
  EXPECT_EQ(d.Control(1319).Items(), Texts({U8(u8"山"), U8(u8"海"), "", "g3", "g4"}));
  EXPECT_EQ(d.Control(1319).Selected(), 0);
  EXPECT_EQ(Events(r.log, "open").at(0).Line(),
            U8(u8R"({"event":"open","dialog":188,"title":"現在表示中の地図をクリップ"})"));
}

TEST_F(MapClipper, TheGroupIsTheChosenItem) {
  RunResult r = Run("select 1319 3\ndump\ntype 1311 t\nenter\n");
  EXPECT_EQ(DumpAt(r).Control(1325).Text(), U8(u8"ｸﾞﾙｰﾌﾟ4"));
  EXPECT_EQ(r.out.substr(r.out.size() - 3), "|3\n");
}

TEST_F(MapClipper, AnEmptyTitleIsAskedForAndCancelReturnsNothing) {
  RunResult r = Run("click 1\nanswer ok\nenter\nanswer ok\ntype 1311 x\nclick 1\n");
  ASSERT_EQ(Events(r.log, "messagebox").size(), 2u);
  EXPECT_EQ(Events(r.log, "messagebox").at(0).Line(),
            U8(u8R"({"event":"messagebox","text":"地図タイトルを記入してください。","buttons":"ok","icon":"exclamation","answer":"ok"})"));
  EXPECT_EQ(r.out.substr(0, 2), "x|");
  EXPECT_EQ(Run("type 1311 x\nclick 2\n").out, "\n");
  EXPECT_EQ(Run("escape\n").out, "\n");
}

TEST_F(MapClipper, KindsAndMeshTotalsFollowTheMapFileAndName) {
  auto kindAndTotal = [&](const std::string& file, const std::string& name, int bound3 = 300) {
    RunResult r = Run("type 1311 t\nclick 1\n", file, name, bound3);
    // Fields 1, 10 and 11 of the result: map name, kind, mesh total.
    std::vector<std::string> fields;
    size_t at = 0;
    for (size_t bar; (bar = r.out.find('|', at)) != std::string::npos; at = bar + 1) fields.push_back(r.out.substr(at, bar - at));
    return fields.size() < 12 ? std::string("?") : fields[1] + "/" + fields[9] + "/" + fields[10];
  };
  EXPECT_EQ(kindAndTotal("SEM1", "a"), U8(u8"a/250mﾒｯｼｭ/320×320"));
  EXPECT_EQ(kindAndTotal("TEM1", "a"), U8(u8"a/1Kmﾒｯｼｭ（標高）/80×80"));
  EXPECT_EQ(kindAndTotal("user.map", "a"), U8(u8"a/ユーザー作成地図/(1,2)->(300,4)"));
  EXPECT_EQ(kindAndTotal("MEM1", "a", 200), U8(u8"a/50mﾒｯｼｭ/200×200"));
  EXPECT_EQ(kindAndTotal("MEM1", U8(u8"５×５と３×３")), U8(u8"５×５と３×３/50mﾒｯｼｭ/400×400"));
  EXPECT_EQ(kindAndTotal(U8(u8"MEM指定した範囲"), "a", 100), U8(u8"指定した範囲/50mﾒｯｼｭ/200×200"));
  EXPECT_EQ(DumpAt(Run("dump\nescape\n", U8(u8"MEM指定した範囲"))).Control(1289).Text(), U8(u8"指定した範囲"));
  // Empty values travel as "*".
  EXPECT_EQ(Run("type 1311 t\nclick 1\n", "", "", 0, "").out, U8(u8"t|*|5339|*|139.5|36.0|140.0|D:\\names.pnt|*|ユーザー作成地図|(1,2)->(0,4)|(10,30)->(20,40)|0\n"));
}

}  // namespace
}  // namespace topodlg::test
