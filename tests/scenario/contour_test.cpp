// The contour settings dialog driven through topodlg's scripted user.
#include <gtest/gtest.h>

#include "tests/support/dump_query.h"
#include "tests/support/topodlg_run.h"

namespace topodlg::test {
namespace {

std::vector<std::string> Args(const std::vector<std::string>& values) {
  std::vector<std::string> args = {"call", "OnDlgContour"};
  args.insert(args.end(), values.begin(), values.end());
  return args;
}

const std::vector<std::string> kArgs = Args({"10", "99", "5", "990", "0", "0", "0", "1", "2", "0", "103"});

// The text of an edit in a dump, without its quotes.
std::string EditText(const std::string& dump, int id) {
  std::string text = FieldOf(dump, id, "text");
  return text.size() >= 2 ? text.substr(1, text.size() - 2) : text;
}

TEST(ContourDialog, PresetRecountsAndOwnOkButtonReturnsOne) {
  RunResult r = RunCli(kArgs, "click 109\ndump\nclick 140\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "1 25 5 0 0 1 2 0 103\n");
  auto dumps = Events(r.log, "dump");
  ASSERT_EQ(dumps.size(), 1u);
  EXPECT_EQ(EditText(dumps[0], 103), "39");
  EXPECT_EQ(EditText(dumps[0], 102), "25");
}

TEST(ContourDialog, CancelEscapeAndCloseGiveEmptyResult) {
  for (const char* script : {"click 2\n", "escape\n", "close\n"}) {
    RunResult r = RunCli(kArgs, script);
    ASSERT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(r.out, "\n") << script;
    EXPECT_EQ(Events(r.log, "end")[0], R"({"event":"end","dialog":140,"code":2})");
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
  EXPECT_NE(boxes[0].find("\"icon\":\"exclamation\""), std::string::npos);
  // The framework puts the focus on the edit that was refused.
  EXPECT_NE(Events(r.log, "dump")[0].find("\"focus\":105"), std::string::npos);
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
  const std::string dump = Events(r.log, "dump")[0];
  EXPECT_NE(dump.find(U8(u8R"("id":1002,"kind":"combo","text":"茶 細線")")), std::string::npos);
  // 203 / 100 = 2: thick lines are on, but the box is ticked only for exactly 1.
  EXPECT_NE(dump.find(U8(u8R"("id":1045,"kind":"check","text":"印刷時に太くする","enabled":true,"visible":true,"checked":0)")),
            std::string::npos);
}

TEST(ContourDialog, PresetWithNoHeightGivesNoMainContours) {
  RunResult r = RunCli(Args({"10", "5", "5", "0", "0", "0", "0", "0", "0", "0", "0"}), "click 109\ndump\nescape\n");
  EXPECT_EQ(EditText(Events(r.log, "dump")[0], 103), "0");
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
  EXPECT_EQ(EditText(Events(r.log, "dump")[0], 123), "0");
  EXPECT_EQ(r.out, "1 10 5 20 300 0 0 0 0\n");
  // Nothing saved and nothing shown: the defaults 10 and 100.
  r = RunCli(Args({"10", "0", "5", "0", "0", "0", "0", "0", "0", "0", "0"}), "click 121\nclick 140\n");
  EXPECT_EQ(r.out, "1 10 5 10 100 0 0 0 0\n");
}

TEST(ContourDialog, RefillReplacesTypedTextAndTogglesAreNotRefilled) {
  RunResult r = RunCli(kArgs, U8(u8"type 102 \"33\"\nclick 125\ndump\nclick 1200\nclick 1201\nclick 1045\n"
                                 u8"select 1401 5\nselect 1002 \"青 太線\"\nclick 140\n"));
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(EditText(Events(r.log, "dump")[0], 102), "10");
  EXPECT_EQ(r.out, "1 10 6 0 0 0 5 1 8\n");
}

}  // namespace
}  // namespace topodlg::test
