// Landmarks: display settings (OnDlgLndMk) and one landmark record
// (OnDlgRegistLandMark).
#include <gtest/gtest.h>

#include "tests/support/dump_query.h"
#include "tests/support/topodlg_run.h"

namespace topodlg::test {
namespace {

const std::string kNames = U8(u8"山頂|鉄塔|煙突|ビル|||||||||");
constexpr int kTypeBoxes[] = {1377, 1378, 1379, 1380, 1381, 1382, 1383, 1384, 1385, 1386, 1388, 1389};

struct LandmarkSet {
  RunResult Run(int display, int names, int height, const std::string& flags, const std::string& script,
                const std::string& typeNames = kNames, const std::string& editor = "") {
    RunResult r = RunCli({"call", "OnDlgLndMk", std::to_string(display), std::to_string(names),
                          std::to_string(height), flags, typeNames, "D:\\LANDMARK.DAT", editor},
                         script);
    EXPECT_EQ(r.exit, 0) << r.err;
    auto dumps = Events(r.log, "dump");
    dump = dumps.empty() ? "" : dumps[0];
    return r;
  }
  std::string Ticks() const {
    std::string ticks;
    for (int id : kTypeBoxes) ticks += FieldOf(dump, id, "checked");
    return ticks;
  }
  std::string dump;
};

TEST(LandmarkSetDialog, ShowsTheSettingsAndReturnsThemWithTwelveDigits) {
  LandmarkSet d;
  RunResult r = d.Run(1, 1, 1, "101000000001", "dump\nclick 1\n");
  EXPECT_EQ(r.out, "1 1 1|101000000001\n");
  EXPECT_EQ(d.Ticks(), "101000000001");
  EXPECT_EQ(FieldOf(d.dump, 1387, "checked") + FieldOf(d.dump, 1343, "checked") + FieldOf(d.dump, 1347, "checked") +
                FieldOf(d.dump, 1348, "checked"),
            "1101");
  EXPECT_EQ(TextOf(d.dump, 1377) + TextOf(d.dump, 1380) + "|" + TextOf(d.dump, 1389), U8(u8"山頂ビル|"));
  EXPECT_NE(d.dump.find(U8(u8R"("title":" ランドマークの設定")")), std::string::npos);
  EXPECT_EQ(d.Run(1, 1, 1, "101000000001", "click 1377\nescape\n").out, "\n");
}

TEST(LandmarkSetDialog, HandlersToggleTheirMembers) {
  LandmarkSet d;
  // Display 0 opens as 1; one click on type 1 turns it off.
  EXPECT_EQ(d.Run(0, 0, 0, "100000000000", "click 1377\nclick 1\n").out, "1 0 0|000000000000\n");
  EXPECT_EQ(d.Run(0, 0, 0, "100000000000", "click 1387\nclick 1343\nclick 1348\nclick 1389\nclick 1\n").out,
            "0 1 1|100000000001\n");
  EXPECT_EQ(d.Run(1, 1, 5, "000000000000", "dump\nclick 1347\nclick 1\n").out, "1 1 0|000000000000\n");
  EXPECT_EQ(FieldOf(d.dump, 1348, "checked"), "1");
}

TEST(LandmarkSetDialog, ShortFlagsAndNamesReadAsOffAndEmpty) {
  LandmarkSet d;
  RunResult r = d.Run(2, 1, 0, "1x2", "dump\nclick 1379\nclick 1378\nclick 1\n", "A|B");
  // A flag 2 is kept but not ticked; a click makes it 1.
  EXPECT_EQ(d.Ticks(), "100000000000");
  EXPECT_EQ(r.out, "2 1 0|111000000000\n");
  EXPECT_EQ(FieldOf(d.dump, 1387, "checked") + TextOf(d.dump, 1378) + TextOf(d.dump, 1379), "0B");
  EXPECT_EQ(d.Run(1, 0, 0, "2", "click 1\n").out, "1 0 0|200000000000\n");
}

TEST(LandmarkSetDialog, EditOpensTheLandmarkFileInTheEditor) {
  LandmarkSet d;
  RunResult r = d.Run(1, 0, 0, "000000000000", "click 1345\nclick 1\n", kNames, "true");
  auto processes = Events(r.log, "process");
  ASSERT_EQ(processes.size(), 1u);
  EXPECT_NE(processes[0].find(R"("command":"true D:\\LANDMARK.DAT")"), std::string::npos);
}

RunResult RegistLandmark(int finish, const std::string& script, std::string* dump = nullptr) {
  std::vector<std::string> args = {"call", "OnDlgRegistLandMark", std::to_string(finish), "139.14.38", "35.37.30"};
  for (const char8_t* name : {u8"山頂", u8"鉄塔", u8"煙突", u8"ビル", u8"橋", u8"塔", u8"寺", u8"城", u8"灯台", u8"門",
                           u8"滝", u8"岩"}) {
    args.push_back(U8(name));
  }
  RunResult r = RunCli(args, script);
  EXPECT_EQ(r.exit, 0) << r.err;
  if (dump) {
    auto dumps = Events(r.log, "dump");
    *dump = dumps.empty() ? "" : dumps[0];
  }
  return r;
}

TEST(LandmarkRegistDialog, OkReturnsTheDefaultsAndThePosition) {
  std::string dump;
  RunResult r = RegistLandmark(0, "dump\nclick 1\n", &dump);
  EXPECT_EQ(r.out, "0 |-999|35.37.30|139.14.38|100|0\n");
  EXPECT_EQ(TextOf(dump, 1369) + "|" + TextOf(dump, 1370) + "|" + TextOf(dump, 1374) + "|" + TextOf(dump, 1375) +
                "|" + FieldOf(dump, 1400, "selected"),
            U8(u8"35.37.30|139.14.38|四角錘|赤|0"));
  EXPECT_NE(FieldOf(dump, 1400, "items").find(U8(u8R"("灯台","門","滝","岩"])")), std::string::npos);
  EXPECT_EQ(RegistLandmark(0, "type 1371 \"x\"\nescape\n").out, "\n");
}

TEST(LandmarkRegistDialog, TheTypeShowsItsColourAndGoesBackAsItsIndex) {
  std::string dump;
  RunResult r = RegistLandmark(0, U8(u8"select 1400 3\ndump\ntype 1371 \"東京タワー\"\ntype 1373 \"333\"\nclick 1\n"), &dump);
  EXPECT_EQ(TextOf(dump, 1375), U8(u8"黄"));
  EXPECT_EQ(r.out, U8(u8"0 東京タワー|-999|35.37.30|139.14.38|333|3\n"));
  EXPECT_EQ(RegistLandmark(1, "select 1400 11\ndump\nselect 1400 -1\nclick 1\n", &dump).out,
            "1 |-999|35.37.30|139.14.38|100|11\n");
  EXPECT_EQ(TextOf(dump, 1375), U8(u8"灰"));
}

TEST(LandmarkRegistDialog, FinishingKeepsTheValuesTheDialogOpenedWith) {
  EXPECT_EQ(RegistLandmark(0, "type 1371 \"new\"\ntype 1372 \"5\"\nselect 1400 2\nclick 1376\n").out,
            "1 |-999|35.37.30|139.14.38|100|2\n");
}

}  // namespace
}  // namespace topodlg::test
