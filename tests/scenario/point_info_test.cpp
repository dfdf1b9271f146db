// Point information (OnDlgPoint) with its nested file-list dialog, and the
// point registration (OnDlgOvlp).
#include <gtest/gtest.h>

#include <climits>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

const char* const kTwoFiles = "d:\\pt\\a.txt|d:\\pt\\b.txt|999|";
const std::string kTwoFilesBack = "|d:\\pt\\a.txt|d:\\pt\\a.txt|d:\\pt\\b.txt|999|\n";

class PointInfoDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    m_data.Write("EXPLFILE.dat", ";list\r\nd:\\pt\\a.txt\r\n\r\nd:\\pt\\after.txt\r\n");
    m_data.Write("pt/new.txt", "x");
  }
  RunResult Run(int packed, int count, const std::string& list, const std::string& script,
                const std::string& editor = "") {
    RunResult r = RunCli({"call", "OnDlgPoint", std::to_string(packed), std::to_string(count), "1", "d:\\pt\\a.txt",
                          editor, "D:\\", list, "--drive", "D=" + m_data.str()},
                         script);
    EXPECT_EQ(r.exit, 0) << r.err;
    m_log = r.log;
    return r;
  }
  // The control `id` of the last run's first dump.
  DumpedControl At(int id, Here at = Here::current()) const { return DumpAt(m_log, 0, at).Control(id, at); }
  TempDir m_data;
  std::string m_log;
};

TEST_F(PointInfoDialog, ShowsTheFilesWithTheirColoursAndReturnsThemUnchanged) {
  RunResult r = Run(501, 2, kTwoFiles, "dump\nclick 1\n");
  EXPECT_EQ(r.out, "1|2|1|5" + kTwoFilesBack);
  // Every line up to the first empty one, comments included.
  EXPECT_EQ(At(1259).Items(), Texts({";list", "d:\\pt\\a.txt"}));
  EXPECT_EQ(At(1259).Text(), "d:\\pt\\a.txt");
  EXPECT_EQ(At(1260).Checked(), 1);
  EXPECT_EQ(At(1330).Checked(), 1);
  EXPECT_EQ(At(1040).Text(), "5");
  EXPECT_EQ(At(1270).Items(), Texts({"d:\\pt\\a.txt", "d:\\pt\\b.txt"}));
  EXPECT_EQ(At(1273).Text(), "(  2 files)");
  EXPECT_EQ(At(1479).Text() + At(1480).Text() + "|" + At(1481).Text(), U8(u8"紫緑|"));
  Run(501, 1, "d:\\pt\\a.txt|999|", "dump\nclick 1\n");
  EXPECT_EQ(At(1273).Text(), "(  1 file )");

  // Hidden: the list stays empty. A list passed with count 0 is not split.
  r = Run(500, 2, kTwoFiles, "dump\nclick 1331\nclick 1\n");
  EXPECT_EQ(At(1270).Items(), Texts{});
  EXPECT_EQ(At(1273).Text(), U8(u8"64fileまで"));
  EXPECT_EQ(r.out, "0|2|0|5" + kTwoFilesBack);
  // Unsplit, the entries stay empty: 65 blank rows, and a count of 0 returns
  // its one entry empty; a count of -1 returns none.
  r = Run(501, 0, "d:\\x|999|", "dump\nclick 1\n");
  EXPECT_EQ(At(1270).Items(), Texts(65, ""));
  EXPECT_EQ(At(1273).Text() + At(1479).Text(), "(  0 files)");
  EXPECT_EQ(r.out, "1|0|1|5|d:\\pt\\a.txt||\n");
  EXPECT_EQ(Run(501, -1, "d:\\x|999|", "click 1\n").out, "1|-1|1|5|d:\\pt\\a.txt|\n");
  // A removal from such a list stays inside the int range.
  EXPECT_EQ(Run(501, INT_MIN, "", "select 1270 0\nclick 1272\n").out, "1|-2147483648|1|5|d:\\pt\\a.txt|\n");
}

TEST_F(PointInfoDialog, ClearAllAndRemoveRowEndTheDialog) {
  EXPECT_EQ(Run(501, 2, kTwoFiles, "click 1271\n").out, "1|-1|1|5|d:\\pt\\a.txt|\n");
  // Nothing to clear: the dialog stays open.
  EXPECT_EQ(Run(501, 0, "999|", "click 1271\ndump\nescape\n").out, "\n");
  EXPECT_EQ(Dumps(m_log).size(), 1u);
  // No row selected: nothing; then the first of three goes.
  EXPECT_EQ(Run(501, 3, "d:\\a|d:\\b|d:\\c|999|", "click 1272\nselect 1270 0\nclick 1272\n").out,
            "1|2|1|5|d:\\pt\\a.txt|d:\\b|d:\\c|999|\n");
}

TEST_F(PointInfoDialog, TagIntervalFileChoiceAndDisplaySwitch) {
  RunResult r = Run(3001, 0, "999|", "click 1041\ndump\nclick 1042\nclick 1\n");
  EXPECT_EQ(At(1040).Text(), "30");
  EXPECT_EQ(r.out, "1|0|1|29|d:\\pt\\a.txt||\n");
  EXPECT_EQ(Run(101, 0, "999|", "click 1042\nclick 1\n").out, "1|0|1|1|d:\\pt\\a.txt||\n");
  // A typed value outside 1 to 30 keeps the dialog open with the framework's message.
  r = Run(101, 0, "999|", "type 1040 \"31\"\nclick 1\nanswer ok\ntype 1040 \"12\"\nclick 1\n");
  EXPECT_EQ(Events(r.log, "messagebox").size(), 1u);
  EXPECT_EQ(r.out, "1|0|1|12|d:\\pt\\a.txt||\n");

  r = Run(500, 0, "999|", "select 1259 0\ndump\nclick 1\n");
  EXPECT_EQ(At(1260).Checked(), 1);
  EXPECT_EQ(r.out, "1|0|1|5|;list||\n");
  EXPECT_EQ(Run(501, 0, "999|", "click 1260\nclick 1\n").out, "0|0|1|5|d:\\pt\\a.txt||\n");
}

TEST_F(PointInfoDialog, TheNestedFileListChoosesOrResets) {
  RunResult r = Run(501, 2, kTwoFiles, "click 1261\ndump\nselect 1335 0\nclick 1\nclick 1\n");
  EXPECT_EQ(Events(r.log, "open").at(1).Line(), U8(u8R"({"event":"open","dialog":178,"title":" 現在の地点名ファイル"})"));
  EXPECT_EQ(At(1335).Items(), Texts({"d:\\pt\\a.txt", "d:\\pt\\after.txt"}));
  EXPECT_EQ(r.out, "1|2|1|5" + kTwoFilesBack);
  EXPECT_EQ(Run(501, 2, kTwoFiles, "click 1261\nescape\nclick 1\n").out, "1|2|1|5" + kTwoFilesBack);

  // A new registration resets the choice and the list; so does an editor run.
  r = Run(501, 2, kTwoFiles, "click 1261\nclick 1184\npick \"D:\\pt\\new.txt\"\nclick 1\ndump\nclick 1\n");
  EXPECT_EQ(r.out, "0|-1|1|5||\n");
  EXPECT_EQ(At(1260).Checked(), 0);
  EXPECT_EQ(m_data.Read("EXPLFILE.dat"), ";list\r\nd:\\pt\\a.txt\r\n\r\nd:\\pt\\after.txt\r\nd:\\pt\\new.txt\r\n");
  r = Run(501, 2, kTwoFiles, "click 1261\nclick 1185\nclick 1\n", "true");
  EXPECT_EQ(Events(r.log, "process").size(), 1u);
  EXPECT_EQ(r.out, "0|-1|1|5||\n");
}

TEST(PointRegistration, ReturnsTheTypedRecordAndTheFinishFlag) {
  const std::vector<std::string> args = {"call", "OnDlgOvlp", "0", "35.6251", "139.2436"};
  RunResult r = RunCli(args, U8(u8"type 1238 \"高尾山\"\ntype 1239 \"山頂\"\ntype 1039 \"599m\"\nclick 1\n"));
  EXPECT_EQ(r.out, U8(u8"0 高尾山|山頂|35.6251|139.2436|599m\n"));
  EXPECT_EQ(RunCli(args, "type 1237 \"139.3\"\nclick 1240\n").out, "1 ||35.6251|139.3|\n");
  EXPECT_EQ(RunCli({"call", "OnDlgOvlp", "1", "", ""}, "enter\n").out, "1 ||||\n");
  EXPECT_EQ(RunCli(args, "type 1238 \"x\"\nescape\n").out, "\n");
}

}  // namespace
}  // namespace topodlg::test
