// The four distance tools (circles, bearing board, measurement, point check)
// through the scripted user.
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

TEST(DistCircleDialog, OpeningSwitchesTheCirclesOnAndReturnsTheTextsAsTheyStand) {
  RunResult r = CallEntry("OnDlgDCSet", {"0", "1", "10", "0", "100"}, "dump\nclick 1\n");
  EXPECT_EQ(r.out, "1 1 10 0 100\n");
  const Dump dump = DumpAt(r);
  EXPECT_EQ(dump.Control(1412).Checked(), 1);
  EXPECT_EQ(dump.Control(1413).Checked() * 100 + dump.Control(1414).Checked() * 10 + dump.Control(1415).Checked(), 10);
  EXPECT_EQ(dump.Control(1409).Text() + "|" + dump.Control(1410).Text() + "|" + dump.Control(1411).Text(), "10|0|100");
  // A value that only begins an item ("5" of "50" and "500") stays itself.
  EXPECT_EQ(CallEntry("OnDlgDCSet", {"1", "0", "5", "5", "5"}, "enter\n").out, "1 0 5 5 5\n");
}

TEST(DistCircleDialog, TypedChosenAndToggledValuesAreReturnedAndCancelGivesNothing) {
  EXPECT_EQ(CallEntry("OnDlgDCSet", {"1", "0", "10", "0", "100"},
                      "type 1409 \"7.5\"\nselect 1411 7\nclick 1415\nclick 1412\nclick 1\n")
                .out,
            "0 2 7.5 0 1000\n");
  // A colour outside the three checks no radio and comes back as it was.
  RunResult r = CallEntry("OnDlgDCSet", {"1", "5", "10", "0", "100"}, "dump\nclick 1\n");
  EXPECT_EQ(r.out, "1 5 10 0 100\n");
  for (int id : {1413, 1414, 1415}) EXPECT_EQ(DumpAt(r).Control(id).Checked(), 0) << id;
  for (const char* script : {"click 2\n", "escape\n", "close\n"}) {
    EXPECT_EQ(CallEntry("OnDlgDCSet", {"1", "0", "10", "0", "100"}, script).out, "\n");
  }
}

std::vector<std::string> BearingArgs(const std::string& group, const std::string& second,
                                     const std::string& editor = "") {
  return {group, "0", "0", "0", U8(u8"山"), second, U8(u8"駅"), U8(u8"港"), U8(u8"島"), "D:\\", editor};
}

TEST(DistBearingDialog, GroupListEndsAtTheFirstEmptyNameAndFlagsToggle) {
  RunResult r = CallEntry("OnDlgDstDr", BearingArgs("0", ""), "dump\nclick 1405\nclick 1001\nclick 1000\nclick 1\n");
  EXPECT_EQ(r.out, "0 0 1 1\n");
  EXPECT_EQ(DumpAt(r).Control(1403).Items(), Texts{U8(u8"山")});
  EXPECT_EQ(DumpAt(r).Control(1405).Checked(), 1);
  EXPECT_EQ(CallEntry("OnDlgDstDr", BearingArgs("2", U8(u8"川")), "select 1403 4\nenter\n").out, "4 1 0 0\n");
  EXPECT_EQ(CallEntry("OnDlgDstDr", BearingArgs("2", U8(u8"川")), "escape\n").out, "\n");
}

TEST(DistBearingDialog, TheEditorOpensTheChosenGroupsTargetFile) {
  RunResult r = CallEntry("OnDlgDstDr", BearingArgs("2", U8(u8"川"), "true"),
                          "click 1404\nselect 1403 1\nclick 1404\nclick 2\n");
  auto started = Events(r.log, "process");
  ASSERT_EQ(started.size(), 2u);
  EXPECT_EQ(started[0]["command"].Str(), "true D:\\MAPELMNT\\Dd2File.dat");
  EXPECT_EQ(started[1]["command"].Str(), "true D:\\MAPELMNT\\Dd1File.dat");
  // Without an editor nothing starts.
  started = Events(CallEntry("OnDlgDstDr", BearingArgs("2", ""), "click 1404\nclick 2\n").log, "process");
  ASSERT_EQ(started.size(), 1u);
  EXPECT_FALSE(started[0]["started"].Bool()) << started[0].Line();
}

TEST(DistMeasureDialog, EachBoxShowsAndTogglesItsOwnFlag) {
  RunResult r = CallEntry("OnDlgDtMsr", {"1", "0", "0", "1", "0", "1", "2", "0"},
                          "dump\nclick 1416\nclick 1417\nclick 1418\nclick 1005\nclick 1419\nclick 1007\nclick 1\n");
  const Dump dump = DumpAt(r);
  EXPECT_EQ(dump.Control(1421).Checked(), 1);
  EXPECT_EQ(dump.Control(1416).Checked(), 1);
  EXPECT_EQ(dump.Control(1417).Checked(), 0);
  EXPECT_EQ(dump.Control(1420).Checked(), 1);
  EXPECT_EQ(dump.Control(1009).Checked(), 1);
  EXPECT_EQ(dump.Control(1008).Text(), U8(u8"黒"));
  EXPECT_EQ(r.out, "1 1 1 0 1 0 0 0\n");
}

TEST(DistMeasureDialog, WhiteMapShowsWhiteAndHidingStaysAsked) {
  RunResult r = CallEntry("OnDlgDtMsr", {"0", "1", "1", "0", "1", "0", "1", "1"},
                          "click 1015\nclick 1015\ndump\nclick 1008\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Control(1008).Text(), U8(u8"白"));
  EXPECT_EQ(DumpAt(r).Control(1015).Checked(), 1);
  EXPECT_EQ(r.out, "0 1 1 0 1 0 1 -1\n");
  // The white flag is not returned; the hide field is 0 unless asked.
  EXPECT_EQ(CallEntry("OnDlgDtMsr", {"0", "1", "1", "0", "1", "0", "1", "1"}, "enter\n").out, "0 1 1 0 1 0 1 0\n");
  EXPECT_EQ(CallEntry("OnDlgDtMsr", {"0", "1", "1", "0", "1", "0", "1", "1"}, "click 1015\nclick 2\n").out, "\n");
}

TEST(PointCheckDialog, ShowsThePointAndAnswersOneTwoOrMinusOne) {
  const std::vector<std::string> point = {"35.6251", "139.2436"};
  RunResult r = CallEntry("OnDlgDtChk", point, "dump\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Control(1006).Text(), "N35.6251, E139.2436");
  EXPECT_EQ(r.out, "1\n");
  EXPECT_EQ(CallEntry("OnDlgDtChk", point, "enter\n").out, "1\n");
  EXPECT_EQ(CallEntry("OnDlgDtChk", point, "click 1422\n").out, "2\n");
  for (const char* script : {"click 2\n", "escape\n", "close\n"}) {
    EXPECT_EQ(CallEntry("OnDlgDtChk", point, script).out, "-1\n");
  }
}

}  // namespace
}  // namespace topodlg::test
