// Track file registration and selection (OnDlgTrack) through the scripted user,
// with its nested file-list dialog.
#include <gtest/gtest.h>

#include <climits>

#include "tests/scenario/track_data.h"
#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

struct TrackArgs {
  int show = 1, passed = 0, selectedIndex = -1, scaleFlag = 0, scaleInterval = 5, selectedRow = -1, group = 0;
  std::string currentPath = "", editor = "", numbers = "-1 ", paths = "";
};

const std::string kTakao = U8(u8"DMM|d:\\gps\\a.trk|高尾山|trk|N3537.50600 E13914.64000|");

class TrackSelectDialog : public ::testing::Test {
 protected:
  RunResult Run(const TrackArgs& a, const std::string& script) {
    std::vector<std::string> args = {"call", "OnDlgTrack"};
    for (int value : {a.show, a.passed, a.selectedIndex, a.scaleFlag, a.scaleInterval, a.selectedRow, a.group}) {
      args.push_back(std::to_string(value));
    }
    for (const std::string& word : {U8(u8"山歩き"), U8(u8"車"), U8(u8"ルート"), std::string(), U8(u8"予備"),
                                    std::string("D:\\"), a.currentPath, a.editor, a.numbers, a.paths}) {
      args.push_back(word);
    }
    for (const std::string& word : m_data.DriveOption()) args.push_back(word);
    RunResult r = RunCli(args, script);
    EXPECT_EQ(r.exit, 0) << r.err;
    m_log = r.log;
    return r;
  }
  // The control `id` of dump number `i` of the last run.
  DumpedControl At(int id, size_t i = 0, Here at = Here::current()) const {
    return DumpAt(m_log, i, at).Control(id, at);
  }
  TrackData m_data;
  std::string m_log;
};

TEST_F(TrackSelectDialog, DisplayedTracksShowTheirNamesAndTheLastBecomesCurrent) {
  TrackArgs a{.numbers = "3 7 -1 ", .paths = "d:\\gps\\a.trk d:\\gps\\b.pot "};
  RunResult r = Run(a, "dump\nclick 1\n");
  EXPECT_EQ(At(1268).Items(), Texts({U8(u8"高尾山"), U8(u8"POTﾄﾗｯｸ8")}));
  EXPECT_EQ(At(1262).Text(), "   2");
  EXPECT_EQ(At(1364).Items(), Texts({U8(u8"山歩き"), U8(u8"車"), U8(u8"ルート")}));
  EXPECT_EQ(At(1269).Items(), Texts({"d:\\gps\\a.trk", "d:\\gps\\b.pot"}));
  EXPECT_EQ(At(1269).Text(), "d:\\gps\\b.pot");
  EXPECT_EQ(At(1210).Text() + At(1213).Text() + At(1220).Text(), "WGS-8415-MAY-03  No=2/2");
  EXPECT_EQ(r.out, U8(u8"1 0 0 5 0 -1 -1 D'M'S|d:\\gps\\b.pot|POTﾄﾗｯｸ2|pot|35.13.56,139.06.26|\n"));

  // A hidden entry keeps its place; a file that is gone reads "トラック" + position.
  a.numbers = "9999 4 1 -1 ";
  a.paths = "d:\\gps\\a.trk d:\\gps\\b.pot d:\\gps\\gone.trk ";
  r = Run(a, "dump\nclick 1\n");
  EXPECT_EQ(At(1268).Items(), Texts({U8(u8"POTﾄﾗｯｸ5"), U8(u8"トラック3")}));
  EXPECT_EQ(At(1262).Text(), "   3");
  EXPECT_EQ(r.out, U8(u8"1 0 0 5 0 -1 -1 ||トラック3||35.13.56,139.06.26|\n"));
  // The largest number a host can pass names its track in 32-bit arithmetic.
  Run(TrackArgs{.numbers = "2147483647 -1 ", .paths = "d:\\gps\\b.pot "}, "dump\nclick 1\n");
  EXPECT_EQ(At(1268).Items(), Texts{U8(u8"POTﾄﾗｯｸ-2147483648")});
}

TEST_F(TrackSelectDialog, ScaleIntervalStepsAndDisplay) {
  TrackArgs a{.scaleInterval = 12};
  RunResult r = Run(a, "click 1264\ndump\nclick 1264\ndump\nclick 1\n");
  EXPECT_EQ(At(1266, 0).Text() + "/" + At(1266, 1).Text(), "10km/ 9km");
  EXPECT_EQ(r.out, "1 0 0 9 0 -1 -1 |||||\n");
  a.scaleInterval = 9;
  r = Run(a, "click 1265\ndump\nclick 1265\nclick 1\n");
  EXPECT_EQ(At(1266).Text(), " 10km");
  EXPECT_EQ(r.out, "1 0 0 15 0 -1 -1 |||||\n");
  a.scaleInterval = 1;
  r = Run(a, "click 1264\nclick 1267\ndump\nclick 1\n");
  EXPECT_EQ(At(1266).Text(), " 1km");
  EXPECT_EQ(r.out, "1 0 1 1 0 -1 -1 |||||\n");
  // Whatever the host passes, a step stays inside the int range.
  EXPECT_EQ(Run(TrackArgs{.scaleInterval = INT_MAX}, "click 1265\nclick 1\n").out, "1 0 0 2147483647 0 -1 -1 |||||\n");
  EXPECT_EQ(Run(TrackArgs{.scaleInterval = INT_MIN}, "click 1264\nclick 1\n").out, "1 0 0 1 0 -1 -1 |||||\n");
  a = TrackArgs{.scaleFlag = 1};
  r = Run(a, "dump\nclick 1267\nclick 1\n");
  EXPECT_EQ(At(1267).Checked(), 1);
  EXPECT_EQ(At(1266).Text(), " 5km");
  EXPECT_EQ(r.out, "1 0 0 5 0 -1 -1 |||||\n");
}

TEST_F(TrackSelectDialog, GroupFileAndShowSwitch) {
  // A group change reads its table: comments skipped, the first empty line ends it.
  TrackArgs a{.show = 0, .passed = 42};
  RunResult r = Run(a, "select 1364 2\ndump\nselect 1269 1\ndump\nclick 1\n");
  EXPECT_EQ(At(1269, 0).Items(), Texts({"d:\\gps\\d.rot", "d:\\gps\\e.log"}));
  EXPECT_EQ(At(1220, 0).Text(), U8(u8"登録数=2"));
  EXPECT_EQ(At(1213, 1).Text() + "|" + At(1220, 1).Text(), "04/06/12 07:30:00|  No=2/2");
  EXPECT_EQ(At(1212, 1).Checked(), 1);
  EXPECT_EQ(r.out, U8(u8"1 42 0 5 2 1 -1 OrbisRD|d:\\gps\\e.log|ログ2|log|N35.9917000 E139.0854000|\n"));

  // Switching the track on without a file takes the group's first one.
  r = Run(a, "click 1212\nclick 1\n");
  EXPECT_EQ(r.out, "1 42 0 5 0 0 -1 " + kTakao + "\n");
  r = Run(TrackArgs{}, "click 1212\nclick 1\n");
  EXPECT_EQ(r.out, "0 0 0 5 0 -1 -1 |||||\n");

  // A current path outside the group's table has number -1.
  a = TrackArgs{.selectedIndex = 3, .scaleFlag = 1, .group = 2, .currentPath = "d:\\gps\\a.trk"};
  r = Run(a, "dump\nclick 1\n");
  EXPECT_EQ(At(1220).Text(), "  No=0/2");
  EXPECT_EQ(r.out, "1 0 1 5 2 3 -1 " + kTakao + "\n");
}

TEST_F(TrackSelectDialog, RowsSelectAndDoubleClickAsksForTheProfile) {
  TrackArgs a{.numbers = "3 5 -1 ", .paths = "d:\\gps\\a.trk d:\\gps\\c.gdb "};
  RunResult r = Run(a, "select 1268 0\ndump\ndblclick 1268 1\n");
  EXPECT_EQ(At(1262).Text() + "|" + At(1220).Text(), " 1/2|  No=4/2");
  EXPECT_EQ(At(1269).Text(), "d:\\gps\\a.trk");
  EXPECT_EQ(r.out, U8(u8"1 0 0 5 0 5 1 DMM|d:\\gps\\c.gdb|丹沢|gdb|N3527.74400 E13909.76800|PROFILE\n"));
}

TEST_F(TrackSelectDialog, ClearAllCancelAndEscape) {
  TrackArgs a{.numbers = "3 -1 ", .paths = "d:\\gps\\a.trk "};
  EXPECT_EQ(Run(a, "click 1235\n").out, "0 0 0 5 0 -1 -1 " + kTakao + "\n");
  RunResult r = Run(a, "click 1244\n");
  EXPECT_EQ(r.out + Events(r.log, "end").at(0).Line(), "\n" R"({"event":"end","dialog":180,"code":-1})");
  r = Run(a, "escape\n");
  EXPECT_EQ(r.out + Events(r.log, "end").at(0).Line(), "\n" R"({"event":"end","dialog":180,"code":2})");
}

TEST_F(TrackSelectDialog, RegistrationThroughTheFileList) {
  // A file chosen in the group's list becomes the current file.
  RunResult r = Run(TrackArgs{.group = 4}, "click 1208\ndump\nescape\nclick 1208\nselect 1335 0\nclick 1\nclick 1\n");
  EXPECT_EQ(Events(r.log, "open").at(1).Line(), U8(u8R"({"event":"open","dialog":178,"title":" 現在のトラックファイル"})"));
  EXPECT_EQ(At(1335).Items(),
            Texts({"d:\\gps\\c.gdb", "d:\\gps\\heading.trk", "d:\\gps\\nopoint.pot", "d:\\gps\\missing.trk"}));
  EXPECT_EQ(r.out, U8(u8"1 0 0 5 4 0 -1 DMM|d:\\gps\\c.gdb|丹沢|gdb|N3527.74400 E13909.76800|\n"));

  // A new registration resets the choice; the rows go with the numbers.
  TrackArgs a{.selectedRow = 0, .numbers = "3 -1 ", .paths = "d:\\gps\\a.trk "};
  r = Run(a, "click 1208\nclick 1184\npick \"D:\\GPS\\C.GDB\"\nclick 1\ndump\nclick 1\n");
  EXPECT_EQ(m_data.Dir().Read("TRACKTB0.DAT"), ";hiking\r\nd:\\gps\\a.trk\r\nd:\\gps\\b.pot\r\nd:\\gps\\c.gdb\r\n");
  EXPECT_EQ(At(1268).Items(), Texts{});
  EXPECT_EQ(At(1262).Text(), "   0");
  EXPECT_EQ(At(1212).Checked(), 0);
  EXPECT_EQ(At(1269).Items(), Texts({"d:\\gps\\a.trk", "d:\\gps\\b.pot", "d:\\gps\\c.gdb"}));
  // The last summary stays; the choice is gone; the host's selected row comes back.
  const std::string reset = U8(u8"0 0 0 5 0 -1 0 DMM||高尾山|trk|N3537.50600 E13914.64000|\n");
  EXPECT_EQ(r.out, reset);
  // So does an editor run on the table.
  a.editor = "true";
  r = Run(a, "click 1208\nclick 1185\nclick 1\n");
  EXPECT_EQ(Events(r.log, "process").size(), 1u);
  EXPECT_EQ(r.out, reset);
}

}  // namespace
}  // namespace topodlg::test
