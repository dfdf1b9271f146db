// The contour settings dialog driven through topodlg's scripted user.
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

std::vector<std::string> Args(const std::vector<std::string>& values) {
  std::vector<std::string> args = {"call", "OnDlgContour"};
  args.insert(args.end(), values.begin(), values.end());
  return args;
}

const std::vector<std::string> kArgs = Args({"10", "99", "5", "990", "0", "0", "0", "1", "2", "0", "103"});

TEST(ContourDialog, PresetRecountsAndOwnOkButtonReturnsOne) {
  RunResult r = RunCli(kArgs, "click 109\ndump\nclick 140\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "1 25 5 0 0 1 2 0 103\n");
  auto dumps = Dumps(r.log);
  ASSERT_EQ(dumps.size(), 1u);
  EXPECT_EQ(dumps[0].Control(103).Text(), "39");
  EXPECT_EQ(dumps[0].Control(102).Text(), "25");
}

TEST(ContourDialog, CancelEscapeAndCloseGiveEmptyResult) {
  for (const char* script : {"click 2\n", "escape\n", "close\n"}) {
    RunResult r = RunCli(kArgs, script);
    ASSERT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(r.out, "\n") << script;
    EXPECT_EQ(Events(r.log, "end").at(0).Line(), R"({"event":"end","dialog":140,"code":2})");
  }
}

TEST(ContourDialog, EnterRunsTheFrameworkOkWithAZeroFlag) {
  RunResult r = RunCli(kArgs, "type 102 \"20\"\nenter\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "0 20 5 0 0 1 2 0 103\n");
}

TEST(ContourDialog, EnterWithABadNumberKeepsTheDialogOpen) {
  RunResult r = RunCli(kArgs, "type 105 \"x\"\nenter\nanswer ok\ndump\nescape\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "\n");
  auto boxes = Events(r.log, "messagebox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0]["icon"].Str(), "exclamation");
  // The framework puts the focus on the edit that was refused.
  EXPECT_EQ(DumpAt(r).Focus(), 105);
}

TEST(ContourDialog, OwnOkButtonEndsEvenWhenAnEditIsNotANumber) {
  // Edits are taken over in the order 105, 102, 123, ...: 105 is taken, 102 is
  // refused, 123 keeps its old value.
  RunResult r = RunCli(kArgs, "type 105 \"7\"\ntype 102 \"abc\"\ntype 123 \"30\"\nclick 140\nanswer ok\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "1 10 7 0 0 1 2 0 103\n");
}

TEST(ContourDialog, SharedValueSelectsCoastColourAndThickLines) {
  RunResult r = RunCli(Args({"10", "0", "5", "0", "0", "0", "0", "0", "0", "0", "203"}), "dump\nclick 140\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "1 10 5 0 0 0 0 0 203\n");
  const Dump dump = DumpAt(r);
  EXPECT_EQ(dump.Control(1002).Kind(), "combo");
  EXPECT_EQ(dump.Control(1002).Text(), U8(u8"茶 細線"));
  // 203 / 100 = 2: thick lines are on, but the box is ticked only for exactly 1.
  const DumpedControl thick = dump.Control(1045);
  EXPECT_EQ(thick.Kind() + " " + thick.Text(), U8(u8"check 印刷時に太くする"));
  EXPECT_TRUE(thick.Enabled() && thick.Visible());
  EXPECT_EQ(thick.Checked(), 0);
}

TEST(ContourDialog, PresetWithNoHeightGivesNoMainContours) {
  RunResult r = RunCli(Args({"10", "5", "5", "0", "0", "0", "0", "0", "0", "0", "0"}), "click 109\ndump\nescape\n");
  EXPECT_EQ(DumpAt(r).Control(103).Text(), "0");
}

TEST(ContourDialog, IndexStepsStopAtOne) {
  RunResult r = RunCli(Args({"10", "0", "1", "0", "0", "0", "0", "0", "0", "0", "0"}),
                       "click 126\nclick 126\nclick 140\n");
  EXPECT_EQ(r.out, "1 10 1 0 0 0 0 0 0\n");
  r = RunCli(Args({"10", "0", "1", "0", "0", "0", "0", "0", "0", "0", "0"}), "click 125\nclick 125\nclick 140\n");
  EXPECT_EQ(r.out, "1 10 3 0 0 0 0 0 0\n");
}

TEST(ContourDialog, HidingAuxiliaryContoursRemembersThem) {
  RunResult r = RunCli(Args({"10", "0", "5", "0", "0", "20", "300", "0", "0", "0", "0"}),
                       "click 122\ndump\nclick 121\nclick 140\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(DumpAt(r).Control(123).Text(), "0");
  EXPECT_EQ(r.out, "1 10 5 20 300 0 0 0 0\n");
  // Nothing saved and nothing shown: the defaults 10 and 100.
  r = RunCli(Args({"10", "0", "5", "0", "0", "0", "0", "0", "0", "0", "0"}), "click 121\nclick 140\n");
  EXPECT_EQ(r.out, "1 10 5 10 100 0 0 0 0\n");
}

TEST(ContourDialog, RefillReplacesTypedTextAndTogglesAreNotRefilled) {
  RunResult r = RunCli(kArgs, U8(u8"type 102 \"33\"\nclick 125\ndump\nclick 1200\nclick 1201\nclick 1045\n"
                                 u8"select 1401 5\nselect 1002 \"青 太線\"\nclick 140\n"));
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(DumpAt(r).Control(102).Text(), "10");
  EXPECT_EQ(r.out, "1 10 6 0 0 0 5 1 8\n");
}

}  // namespace
}  // namespace topodlg::test
