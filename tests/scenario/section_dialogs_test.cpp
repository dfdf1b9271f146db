// The cross-section, parallel cross-section and block-diagram viewpoint
// dialogs driven through the scripted user.
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

TEST(SectionDialog, WhiteRelabelsTheBlackRadioAndStringFieldsSelectSharedControls) {
  RunResult r = CallEntry("OnDlgGradientSet", {"1", "3", "0", "77", "2", "2|1|0|0|1|"},
                     "dump\nclick 1501\ndump\nenter\n");
  const Dump dump = DumpAt(r);
  EXPECT_EQ(dump.Control(1033).Text(), U8(u8"白"));
  EXPECT_EQ(dump.Control(1033).Checked(), 1);
  EXPECT_EQ(dump.Control(1030).Checked(), 1);
  EXPECT_EQ(dump.Control(1036).Checked(), 1);
  EXPECT_EQ(dump.Control(1040).Checked(), 1);
  EXPECT_EQ(dump.Control(1515).Checked(), 1);
  EXPECT_EQ(dump.Control(1499).Checked(), 1);
  EXPECT_EQ(dump.Control(1504).Checked(), 1);
  EXPECT_EQ(dump.Control(1502).Checked(), 0);
  // Vertical lines hang from the baseline: switching them on shows both.
  EXPECT_EQ(DumpAt(r, 1).Control(1502).Checked(), 1);
  EXPECT_EQ(r.out, "1|3|0|77|2|2|1|1|1|1|\n");
}

TEST(SectionDialog, RadiosAndTogglesSetTheirMembers) {
  RunResult r = CallEntry("OnDlgGradientSet", {"0", "3", "1", "0", "0", "0|0|1|1|0|"},
                     "click 1033\nclick 1032\nclick 1037\nclick 1039\nclick 1501\nclick 1502\nclick 1502\n"
                     "click 1514\nclick 1499\nclick 1504\nclick 1\n");
  // Switching vertical lines off leaves the baseline, which then toggles.
  EXPECT_EQ(r.out, "3|0|1|0|1|1|1|1|0|1|\n");
  EXPECT_EQ(CallEntry("OnDlgGradientSet", {"0", "0", "0", "0", "0", "0|0|0|0|0|"}, "click 1034\nescape\n").out, "\n");
}

TEST(SectionDialog, UnknownValuesSelectNoRadioAndShortStringsReadAsZero) {
  RunResult r = CallEntry("OnDlgGradientSet", {"9", "5", "0", "0", "7", "4|1"}, "dump\nenter\n");
  const Dump dump = DumpAt(r);
  for (int id : {1029, 1030, 1031, 1032, 1033, 1034, 1035, 1038, 1039, 1040, 1513, 1514, 1515}) {
    EXPECT_EQ(dump.Control(id).Checked(), 0) << id;
  }
  EXPECT_EQ(dump.Control(1033).Text(), U8(u8"黒"));
  EXPECT_EQ(r.out, "9|5|0|0|7|4|1|0|0|0|\n");
}

TEST(ParallelSectionDialog, SectionsAreShownLessOneAndReturnedPlusOne) {
  RunResult r = CallEntry("OnDlgPrflSet", {"1", "0", "0", "1", "9", "5", "33", "2", "1.5"}, "dump\nenter\n");
  const Dump dump = DumpAt(r);
  EXPECT_EQ(dump.Control(1509).Text(), "4");
  EXPECT_EQ(dump.Control(1508).Text(), "1.5");
  EXPECT_EQ(dump.Control(1499).Checked(), 1);
  EXPECT_EQ(dump.Control(1504).Checked(), 1);
  EXPECT_EQ(dump.Control(1515).Checked(), 1);
  EXPECT_EQ(r.out, "0|1|0|0|1|1|5|33|2|1.500000\n");
}

TEST(ParallelSectionDialog, SpacingAndSectionsAreRangeCheckedOnOk) {
  RunResult r = CallEntry("OnDlgPrflSet", {"0", "0", "0", "0", "0", "5", "0", "0", "1.0"},
                     "type 1509 \"21\"\nenter\nanswer ok\ntype 1509 \"20\"\ntype 1508 \"0.4\"\nclick 1\nanswer ok\n"
                     "type 1508 \"10\"\nclick 1501\nclick 1\n");
  EXPECT_EQ(Events(r.log, "messagebox").size(), 2u);
  EXPECT_EQ(r.out, "0|0|1|1|0|1|21|0|0|10.000000\n");
  EXPECT_EQ(CallEntry("OnDlgPrflSet", {"0", "0", "0", "0", "0", "5", "0", "0", "1.0"}, "click 2\n").out, "\n");
}

// Arguments: highest, lowest, block bottom, azimuth, depression, angle step,
// hidden lines, relief, wire direction, frame interval, exaggeration, direction.
std::vector<std::string> ViewArgs(const std::string& lowest, const std::string& azimuth, const std::string& angleStep,
                                  const std::string& exaggeration) {
  return {"1500", lowest, "0", azimuth, "20", angleStep, "2", "1", "0", "0", exaggeration, "N"};
}

TEST(ViewPointDialog, AzimuthGoesRoundAndNamesItsDirection) {
  RunResult r = CallEntry("OnDlgViewPoint", ViewArgs("300", "355", "10", "0.2"),
                     "click 122\ndump\nclick 122\ndump\nclick 123\nclick 123\ndump\nenter\n");
  EXPECT_EQ(DumpAt(r).Control(103).Text(), "360");
  EXPECT_EQ(DumpAt(r).Control(101).Text(), "N");
  EXPECT_EQ(DumpAt(r, 1).Control(103).Text(), "0");
  EXPECT_EQ(DumpAt(r, 2).Control(103).Text(), "355");  // 0, then 360, then 355
  EXPECT_EQ(r.out, "0 2 10 1 0 0 355 20 0 0.200000\n");
  // Each button wraps only at its own end: a typed 400 steps down to 395, a
  // typed -20 up to -15.
  r = CallEntry("OnDlgViewPoint", ViewArgs("0", "0", "10", "1"), "type 103 \"400\"\nclick 123\ndump\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Control(101).Text(), "N");
  EXPECT_EQ(r.out, "0 2 10 1 0 0 395 20 0 1.000000\n");
  EXPECT_EQ(CallEntry("OnDlgViewPoint", ViewArgs("0", "0", "10", "1"), "type 103 \"-20\"\nclick 122\nclick 1\n").out,
            "0 2 10 1 0 0 -15 20 0 1.000000\n");
  // The edges of the sectors.
  const struct {
    const char* azimuth;
    const char* direction;
  } cases[] = {{"10", "NE"}, {"71", "E"}, {"100", "SE"}, {"161", "S"}, {"190", "SW"},
               {"251", "W"}, {"280", "NW"}, {"341", "N"}};
  for (const auto& c : cases) {
    Dump dump = DumpAt(CallEntry("OnDlgViewPoint", ViewArgs("0", c.azimuth, "10", "1"), "click 122\ndump\nescape\n"));
    EXPECT_EQ(dump.Control(101).Text(), c.direction) << c.azimuth;
  }
}

TEST(ViewPointDialog, SpinsKeepTheirBounds) {
  RunResult r = CallEntry("OnDlgViewPoint", ViewArgs("300", "0", "10", "0.15"),
                     "click 123\nclick 129\nclick 131\nclick 131\nclick 127\ndump\nclick 128\nclick 125\n"
                     "click 125\nclick 125\nclick 125\nclick 125\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Control(150).Text(), "0.1");
  EXPECT_EQ(DumpAt(r).Control(104).Text(), "0");
  EXPECT_EQ(r.out, "50 2 5 1 0 0 360 0 0 0.100000\n");
  r = CallEntry("OnDlgViewPoint", ViewArgs("50", "0", "28", "0.2"),
           "click 130\nclick 128\nclick 124\nclick 124\nclick 124\nclick 124\nclick 124\nclick 127\nclick 1\n");
  EXPECT_EQ(r.out, "10 2 30 1 0 0 0 45 0 0.100000\n");
  r = CallEntry("OnDlgViewPoint", {"1500", "900", "40", "0", "88", "10", "2", "1", "0", "0", "1", "N"},
           "click 129\nclick 124\nclick 126\nclick 1\n");
  EXPECT_EQ(r.out, "0 2 10 1 0 0 0 90 0 1.100000\n");
}

TEST(ViewPointDialog, DirectionButtonsAndRadios) {
  RunResult r = CallEntry("OnDlgViewPoint", {"1500", "0", "0", "0", "10", "10", "5", "2", "2", "3", "1", "N"},
                     "dump\nclick 110\ndump\nclick 149\nclick 1198\nclick 1204\nclick 1\n");
  const Dump before = DumpAt(r);
  EXPECT_EQ(before.Control(147).Checked() + before.Control(148).Checked() + before.Control(149).Checked(), 0);
  EXPECT_EQ(before.Control(1199).Checked(), 1);
  EXPECT_EQ(before.Control(1205).Checked(), 1);
  EXPECT_EQ(DumpAt(r, 1).Control(101).Text(), "SE");
  EXPECT_EQ(r.out, "0 -1 10 2 1 0 135 30 0 1.000000\n");
  r = CallEntry("OnDlgViewPoint", {"1500", "0", "0", "0", "10", "10", "1", "2", "0", "0", "1", "N"},
           "dump\nclick 147\nclick 1193\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Control(148).Checked(), 1);
  EXPECT_EQ(DumpAt(r).Control(1194).Checked(), 1);
  EXPECT_EQ(r.out, "0 2 10 1 0 0 0 10 0 1.000000\n");
}

TEST(ViewPointDialog, ShowOnMapReturnsTypedValuesUncheckedButOkChecksTheStep) {
  RunResult r = CallEntry("OnDlgViewPoint", ViewArgs("0", "0", "10", "1"),
                     "type 103 \"123\"\ntype 150 \"2.5\"\ntype 105 \"40\"\ntype 104 \"x\"\nclick 121\n");
  EXPECT_EQ(r.out, "0 2 40 1 0 0 123 20 1 2.500000\n");
  r = CallEntry("OnDlgViewPoint", ViewArgs("0", "0", "10", "1"),
           "type 105 \"40\"\nenter\nanswer ok\ntype 105 \"4\"\nclick 1\nanswer ok\ntype 105 \"30\"\nclick 1\n");
  EXPECT_EQ(Events(r.log, "messagebox").size(), 2u);
  EXPECT_EQ(r.out, "0 2 30 1 0 0 0 20 0 1.000000\n");
  EXPECT_EQ(CallEntry("OnDlgViewPoint", ViewArgs("0", "0", "10", "1"), "click 121\n").out.back(), '\n');
  EXPECT_EQ(CallEntry("OnDlgViewPoint", ViewArgs("0", "0", "10", "1"), "escape\n").out, "\n");
}

}  // namespace
}  // namespace topodlg::test
