// Landmarks: display settings (OnDlgLndMk) and one landmark record
// (OnDlgRegistLandMark).
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

const std::string kNames = U8(u8"山頂|鉄塔|煙突|ビル|||||||||");
constexpr int kTypeBoxes[] = {1377, 1378, 1379, 1380, 1381, 1382, 1383, 1384, 1385, 1386, 1388, 1389};

RunResult SetLandmarks(int display, int names, int height, const std::string& flags, const std::string& script,
                       const std::string& typeNames = kNames, const std::string& editor = "") {
  return CallEntry("OnDlgLndMk",
                   {std::to_string(display), std::to_string(names), std::to_string(height), flags, typeNames,
                    "D:\\LANDMARK.DAT", editor},
                   script);
}

// The check states of the twelve type boxes, one digit each.
std::string Ticks(const Dump& dump) {
  std::string ticks;
  for (int id : kTypeBoxes) ticks += std::to_string(dump.Control(id).Checked());
  return ticks;
}

TEST(LandmarkSetDialog, ShowsTheSettingsAndReturnsThemWithTwelveDigits) {
  RunResult r = SetLandmarks(1, 1, 1, "101000000001", "dump\nclick 1\n");
  EXPECT_EQ(r.out, "1 1 1|101000000001\n");
  const Dump d = DumpAt(r);
  EXPECT_EQ(Ticks(d), "101000000001");
  EXPECT_EQ(std::vector<int>({d.Control(1387).Checked(), d.Control(1343).Checked(), d.Control(1347).Checked(),
                              d.Control(1348).Checked()}),
            std::vector<int>({1, 1, 0, 1}));
  EXPECT_EQ(d.Control(1377).Text() + d.Control(1380).Text() + "|" + d.Control(1389).Text(), U8(u8"山頂ビル|"));
  EXPECT_EQ(d.Title(), U8(u8" ランドマークの設定"));
  EXPECT_EQ(SetLandmarks(1, 1, 1, "101000000001", "click 1377\nescape\n").out, "\n");
}

TEST(LandmarkSetDialog, HandlersToggleTheirMembers) {
  // Display 0 opens as 1; one click on type 1 turns it off.
  EXPECT_EQ(SetLandmarks(0, 0, 0, "100000000000", "click 1377\nclick 1\n").out, "1 0 0|000000000000\n");
  EXPECT_EQ(SetLandmarks(0, 0, 0, "100000000000", "click 1387\nclick 1343\nclick 1348\nclick 1389\nclick 1\n").out,
            "0 1 1|100000000001\n");
  RunResult r = SetLandmarks(1, 1, 5, "000000000000", "dump\nclick 1347\nclick 1\n");
  EXPECT_EQ(r.out, "1 1 0|000000000000\n");
  EXPECT_EQ(DumpAt(r).Control(1348).Checked(), 1);
}

TEST(LandmarkSetDialog, ShortFlagsAndNamesReadAsOffAndEmpty) {
  RunResult r = SetLandmarks(2, 1, 0, "1x2", "dump\nclick 1379\nclick 1378\nclick 1\n", "A|B");
  // A flag 2 is kept but not ticked; a click makes it 1.
  const Dump d = DumpAt(r);
  EXPECT_EQ(Ticks(d), "100000000000");
  EXPECT_EQ(r.out, "2 1 0|111000000000\n");
  EXPECT_EQ(d.Control(1387).Checked(), 0);
  EXPECT_EQ(d.Control(1378).Text() + d.Control(1379).Text(), "B");
  EXPECT_EQ(SetLandmarks(1, 0, 0, "2", "click 1\n").out, "1 0 0|200000000000\n");
}

TEST(LandmarkSetDialog, EditOpensTheLandmarkFileInTheEditor) {
  RunResult r = SetLandmarks(1, 0, 0, "000000000000", "click 1345\nclick 1\n", kNames, "true");
  auto processes = Events(r.log, "process");
  ASSERT_EQ(processes.size(), 1u);
  EXPECT_EQ(processes[0]["command"].Str(), "true D:\\LANDMARK.DAT");
}

RunResult RegistLandmark(int finish, const std::string& script) {
  std::vector<std::string> args = {std::to_string(finish), "139.14.38", "35.37.30"};
  for (const char8_t* name : {u8"山頂", u8"鉄塔", u8"煙突", u8"ビル", u8"橋", u8"塔", u8"寺", u8"城", u8"灯台", u8"門",
                           u8"滝", u8"岩"}) {
    args.push_back(U8(name));
  }
  return CallEntry("OnDlgRegistLandMark", args, script);
}

TEST(LandmarkRegistDialog, OkReturnsTheDefaultsAndThePosition) {
  RunResult r = RegistLandmark(0, "dump\nclick 1\n");
  EXPECT_EQ(r.out, "0 |-999|35.37.30|139.14.38|100|0\n");
  const Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1369).Text() + "|" + d.Control(1370).Text() + "|" + d.Control(1374).Text() + "|" +
                d.Control(1375).Text(),
            U8(u8"35.37.30|139.14.38|四角錘|赤"));
  EXPECT_EQ(d.Control(1400).Selected(), 0);
  const Texts types = d.Control(1400).Items();
  ASSERT_GE(types.size(), 4u);
  EXPECT_EQ(Texts(types.end() - 4, types.end()), Texts({U8(u8"灯台"), U8(u8"門"), U8(u8"滝"), U8(u8"岩")}));
  EXPECT_EQ(RegistLandmark(0, "type 1371 \"x\"\nescape\n").out, "\n");
}

TEST(LandmarkRegistDialog, TheTypeShowsItsColourAndGoesBackAsItsIndex) {
  RunResult r = RegistLandmark(0, U8(u8"select 1400 3\ndump\ntype 1371 \"東京タワー\"\ntype 1373 \"333\"\nclick 1\n"));
  EXPECT_EQ(DumpAt(r).Control(1375).Text(), U8(u8"黄"));
  EXPECT_EQ(r.out, U8(u8"0 東京タワー|-999|35.37.30|139.14.38|333|3\n"));
  r = RegistLandmark(1, "select 1400 11\ndump\nselect 1400 -1\nclick 1\n");
  EXPECT_EQ(r.out, "1 |-999|35.37.30|139.14.38|100|11\n");
  EXPECT_EQ(DumpAt(r).Control(1375).Text(), U8(u8"灰"));
}

TEST(LandmarkRegistDialog, FinishingKeepsTheValuesTheDialogOpenedWith) {
  EXPECT_EQ(RegistLandmark(0, "type 1371 \"new\"\ntype 1372 \"5\"\nselect 1400 2\nclick 1376\n").out,
            "1 |-999|35.37.30|139.14.38|100|2\n");
}

}  // namespace
}  // namespace topodlg::test
