// The map layout setting dialogs (screen size, scale and compass, legend and
// title, print settings, range check) driven through the scripted user.
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

TEST(GraphicSizeDialog, ButtonsStepByFiveWithinFiveTo200) {
  EXPECT_EQ(CallEntry("OnDlgGraphicSize", {"198"}, "click 1091\nclick 1091\nenter\n").out, "200\n");
  EXPECT_EQ(CallEntry("OnDlgGraphicSize", {"7"}, "click 1092\ndump\nclick 1092\nclick 1\n").out, "5\n");
  EXPECT_EQ(CallEntry("OnDlgGraphicSize", {"100"}, "click 1092\nescape\n").out, "-1\n");
}

TEST(GraphicSizeDialog, TypedSizeIsNotTakenOver) {
  RunResult r = CallEntry("OnDlgGraphicSize", {"-20"}, "dump\ntype 152 \"50\"\nenter\n");
  EXPECT_EQ(DumpAt(r).Control(152).Text(), "-20");
  EXPECT_EQ(r.out, "-20\n");
}

const std::vector<std::string> kScale = {"1000", "2000", "300", "5", "0", "0", "-1", "2"};

std::vector<std::string> ScaleArgs(const std::string& displaySwitch) {
  std::vector<std::string> args = kScale;
  args.push_back(displaySwitch);
  return args;
}

TEST(ScalePositionDialog, SpinsStepWithoutBoundsAndRefill) {
  RunResult r = CallEntry("OnDlgScaleSet", ScaleArgs("on"),
                     "type 114 \"7777\"\nclick 129\nclick 129\nclick 132\nclick 131\nclick 131\nclick 131\n"
                     "click 131\nclick 135\nclick 138\nclick 127\ndump\nclick 215\nclick 1\n");
  // The refill replaced the typed 7777: the spin worked on the member.
  EXPECT_EQ(DumpAt(r).Control(114).Text(), "0");
  EXPECT_EQ(DumpAt(r).Control(215).Checked(), 1);
  EXPECT_EQ(r.out, "0 2500 -100 -1 0 0 1 5 off\n");
}

TEST(ScalePositionDialog, DisplaySwitchTurnsAnyOtherTextOn) {
  RunResult r = CallEntry("OnDlgScaleSet", ScaleArgs("ON"), "dump\nclick 215\nenter\n");
  EXPECT_EQ(DumpAt(r).Control(215).Checked(), 0);
  EXPECT_EQ(r.out, "1000 2000 300 0 0 -1 2 5 on\n");
}

TEST(ScalePositionDialog, ShowOnMapNegatesVerticalLengthAndIgnoresTypedText) {
  RunResult r = CallEntry("OnDlgScaleSet", ScaleArgs("off"), "type 115 \"999\"\ntype 116 \"40\"\nclick 151\n");
  EXPECT_EQ(r.out, "1000 2000 -300 0 0 -1 2 5 off\n");
}

TEST(ScalePositionDialog, StepsAndNegationSaturateAtTheEndsOfTheIntRange) {
  RunResult r = CallEntry("OnDlgScaleSet", {"2147483647", "0", "-2147483648", "5", "0", "0", "0", "0", "on"},
                          "click 128\nclick 151\n");
  EXPECT_EQ(r.out, "2147483647 0 2147483647 0 0 0 0 5 on\n");
}

TEST(ScalePositionDialog, TicksOutsideOneToElevenKeepTheDialogOpen) {
  RunResult r = CallEntry("OnDlgScaleSet", ScaleArgs("off"),
                     "type 116 \"12\"\nclick 1\nanswer ok\ntype 116 \"0\"\nenter\nanswer ok\n"
                     "type 116 \"11\"\ntype 110 \"4\"\nclick 1\n");
  EXPECT_EQ(Events(r.log, "messagebox").size(), 2u);
  EXPECT_EQ(r.out, "1000 2000 300 4 0 -1 2 11 off\n");
  EXPECT_EQ(CallEntry("OnDlgScaleSet", ScaleArgs("off"), "click 2\n").out, "\n");
}

TEST(LegendPositionDialog, CornerButtonsSetCornerAndName) {
  RunResult r = CallEntry("OnDlgLgdSet", {"0", "1", "-20", "0", U8(u8"右上")},
                     "type 146 \"x\"\nclick 145\ndump\nclick 123\nclick 124\nclick 124\nclick 125\nclick 117\nclick 1\n");
  const Dump dump = DumpAt(r);
  EXPECT_EQ(dump.Control(146).Text(), U8(u8"左下"));
  EXPECT_EQ(dump.Control(118).Checked(), 1);
  EXPECT_EQ(r.out, "-10 4 -10 -1\n");
  EXPECT_EQ(CallEntry("OnDlgLgdSet", {"0", "4", "0", "0", ""}, "click 147\nclick 119\nenter\n").out, "0 0 0 1\n");
}

TEST(LegendPositionDialog, AlignmentSelectsItsRadioOrNone) {
  Dump dump = DumpAt(CallEntry("OnDlgLgdSet", {"0", "0", "0", "1", ""}, "dump\nescape\n"));
  EXPECT_EQ(dump.Control(119).Checked(), 1);
  dump = DumpAt(CallEntry("OnDlgLgdSet", {"0", "0", "0", "5", ""}, "dump\nescape\n"));
  EXPECT_EQ(dump.Control(117).Checked() + dump.Control(118).Checked() + dump.Control(119).Checked(), 0);
}

TEST(PrintSettingsDialog, SizesStepWithinTheirBounds) {
  RunResult r = CallEntry("OnDlgPrintSet", {"0", "1", "178", "0", "12", "OUT", "ON"},
                     "click 1007\nclick 1007\nclick 1003\ndump\nclick 1003\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Control(1002).Text(), "14");
  EXPECT_EQ(r.out, "0 1 180 0 14 OUT|ON\n");
  r = CallEntry("OnDlgPrintSet", {"0", "1", "52", "0", "14", "OUT", "ON"}, "click 1011\nclick 1004\nclick 1\n");
  EXPECT_EQ(r.out, "0 1 50 0 13 OUT|ON\n");
  r = CallEntry("OnDlgPrintSet", {"0", "1", "100", "0", "9", "OUT", "ON"}, "click 1004\nclick 1004\nclick 1\n");
  EXPECT_EQ(r.out, "0 1 100 0 8 OUT|ON\n");
}

TEST(PrintSettingsDialog, RadiosAndCheckBoxSetTheirValues) {
  RunResult r = CallEntry("OnDlgPrintSet", {"3", "1", "100", "1", "10", "IN", "on"},
                     "dump\nclick 1000\nclick 1013\nclick 1118\nclick 1009\nclick 1005\nclick 1\n");
  const Dump dump = DumpAt(r);
  EXPECT_EQ(dump.Control(1001).Checked(), 1);  // any width but 0 is thick
  EXPECT_EQ(dump.Control(1012).Checked(), 1);
  EXPECT_EQ(dump.Control(1010).Checked(), 1);
  EXPECT_EQ(dump.Control(1008).Checked(), 1);  // "on" is not "ON"
  EXPECT_EQ(dump.Control(1118).Checked(), 1);
  EXPECT_EQ(r.out, "0 0 100 0 10 OUT|ON\n");
  EXPECT_EQ(CallEntry("OnDlgPrintSet", {"0", "0", "100", "0", "10", "IN", "OFF"}, "click 1118\nescape\n").out, "\n");
}

std::vector<std::string> RangeArgs(const std::string& corners, const std::string& userCell,
                                   const std::string& cellSize, const std::string& meshKind,
                                   const std::string& mapKind) {
  std::vector<std::string> args = {"0"};
  size_t start = 0;
  while (start < corners.size()) {
    size_t end = corners.find(' ', start);
    if (end == std::string::npos) end = corners.size();
    args.push_back(corners.substr(start, end - start));
    start = end + 1;
  }
  args.insert(args.end(), {userCell, userCell, cellSize, meshKind, mapKind});
  return args;
}

TEST(RangeCheckDialog, SpanButtonIsClampedAndMeasured) {
  RunResult r = CallEntry("OnDlgRangeSet", RangeArgs("10 10 12 12 0 0 49 49", "0", "50,50", "", ""),
                     "click 156\ndump\nclick 1\n");
  const Dump dump = DumpAt(r);
  EXPECT_EQ(dump.Control(153).Text(), "49");
  EXPECT_EQ(dump.Control(1087).Text(), "  2.0");
  EXPECT_EQ(r.out, "10 10 49 49 0 2.000000 2.000000\n");
}

TEST(RangeCheckDialog, ExtentsFollowTheKindOfMap) {
  auto confirmed = [](const std::vector<std::string>& args) { return CallEntry("OnDlgRangeSet", args, "enter\n").out; };
  // Maps of kind "USER" measure with the cell size the host passes as reals.
  EXPECT_EQ(confirmed(RangeArgs("0 0 3 3 0 0 9 9", "250", "50,50", "", "USER")), "0 0 3 3 0 1.000000 1.000000\n");
  EXPECT_EQ(confirmed(RangeArgs("0 0 10 5 0 0 99 99", "0", "250,100", "", U8(u8"関東広域"))),
            "0 0 10 5 0 10.000000 2.000000\n");
  EXPECT_EQ(confirmed(RangeArgs("0 0 9 9 0 0 99 99", "0", "50,25", "50TEM", "")), "0 0 9 9 0 2.000000 1.000000\n");
  // Without a comma the whole text is the cell height.
  EXPECT_EQ(confirmed(RangeArgs("0 0 9 9 0 0 99 99", "0", "50", "", "")), "0 0 9 9 0 0.000000 0.500000\n");
}

TEST(RangeCheckDialog, ArrowsClampCornersToTheMapData) {
  RunResult r = CallEntry("OnDlgRangeSet", RangeArgs("10 10 20 20 10 10 21 21", "0", "1000,1000", "", ""),
                     "click 143\nclick 145\nclick 148\nclick 148\nclick 150\nclick 1\n");
  EXPECT_EQ(r.out, "10 10 21 21 0 12.000000 12.000000\n");
}

TEST(RangeCheckDialog, TypedCornersCountAtOnceWithoutRemeasuring) {
  RunResult r = CallEntry("OnDlgRangeSet", RangeArgs("0 0 9 9 0 0 49 49", "0", "100,100", "", ""),
                     "type 153 \"90\"\nclick 5\n");
  EXPECT_EQ(r.out, "0 0 90 9 2 1.000000 1.000000\n");
  // A typed corner is then clamped by the next button.
  r = CallEntry("OnDlgRangeSet", RangeArgs("0 0 9 9 0 0 49 49", "0", "100,100", "", ""), "type 153 \"90\"\nclick 150\nclick 1\n");
  EXPECT_EQ(r.out, "0 0 49 10 0 5.000000 1.100000\n");
  EXPECT_EQ(CallEntry("OnDlgRangeSet", RangeArgs("0 0 9 9 0 0 49 49", "0", "100,100", "", ""), "close\n").out, "\n");
}

}  // namespace
}  // namespace topodlg::test
