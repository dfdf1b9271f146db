// Track file registration and selection (OnDlgTrack) through the scripted user,
// with its nested file-list dialog.
#include <gtest/gtest.h>

#include "tests/scenario/track_data.h"
#include "tests/support/dump_query.h"

namespace topodlg::test {
namespace {

struct TrackArgs {
  int show = 1, passed = 0, selectedIndex = -1, scaleFlag = 0, scaleInterval = 5, selectedRow = -1, group = 0;
  std::string currentPath;
  std::string editor;
  std::string numbers = "-1 ";
  std::string paths;
};

class TrackSelectDialog : public ::testing::Test {
 protected:
  RunResult Run(const TrackArgs& a, const std::string& script) {
    std::vector<std::string> args = {"call", "OnDlgTrack", std::to_string(a.show), std::to_string(a.passed),
                                     std::to_string(a.selectedIndex), std::to_string(a.scaleFlag),
                                     std::to_string(a.scaleInterval), std::to_string(a.selectedRow),
                                     std::to_string(a.group), U8(u8"山歩き"), U8(u8"車"), U8(u8"ルート"), "",
                                     U8(u8"予備"), "D:\\", a.currentPath, a.editor, a.numbers, a.paths};
    for (const std::string& word : m_data.DriveOption()) args.push_back(word);
    return RunCli(args, script);
  }
  std::string FirstDump(const RunResult& r) {
    auto dumps = Events(r.log, "dump");
    return dumps.empty() ? std::string() : dumps[0];
  }
  TrackData m_data;
};

TEST_F(TrackSelectDialog, DisplayedTracksShowTheirNamesAndTheLastBecomesCurrent) {
  TrackArgs a;
  a.numbers = "3 7 -1 ";
  a.paths = "d:\\gps\\a.trk d:\\gps\\b.pot ";
  RunResult r = Run(a, "dump\nclick 1\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  std::string dump = FirstDump(r);
  EXPECT_EQ(FieldOf(ControlIn(dump, 1268), "items"), U8(u8R"(["高尾山","POTﾄﾗｯｸ8"])"));
  EXPECT_EQ(TextOf(dump, 1262), "   2");
  // Groups up to the first empty name.
  EXPECT_EQ(FieldOf(ControlIn(dump, 1364), "items"), U8(u8R"(["山歩き","車","ルート"])"));
  EXPECT_EQ(FieldOf(ControlIn(dump, 1269), "items"), R"(["d:\\gps\\a.trk","d:\\gps\\b.pot"])");
  EXPECT_EQ(TextOf(dump, 1269), "d:\\\\gps\\\\b.pot");
  EXPECT_EQ(TextOf(dump, 1210), "WGS-84");
  EXPECT_EQ(TextOf(dump, 1213), "15-MAY-03");
  EXPECT_EQ(TextOf(dump, 1220), "  No=2/2");
  EXPECT_EQ(r.out, U8(u8"1 0 0 5 0 -1 -1 D'M'S|d:\\gps\\b.pot|POTﾄﾗｯｸ2|pot|35.13.56,139.06.26|\n"));
}

TEST_F(TrackSelectDialog, HiddenEntriesAndMissingFilesKeepTheirPlaces) {
  TrackArgs a;
  a.numbers = "9999 4 -1 ";
  a.paths = "d:\\gps\\a.trk d:\\gps\\b.pot ";
  RunResult r = Run(a, "dump\nescape\n");
  std::string dump = FirstDump(r);
  EXPECT_EQ(FieldOf(ControlIn(dump, 1268), "items"), U8(u8R"(["POTﾄﾗｯｸ5"])"));
  EXPECT_EQ(TextOf(dump, 1262), "   2");
  EXPECT_EQ(r.out, "\n");

  // A registered file that is gone: its row reads "トラック" + position and the
  // current path is cleared, so nothing is summarised for it.
  a.numbers = "0 1 -1 ";
  a.paths = "d:\\gps\\a.trk d:\\gps\\gone.trk ";
  r = Run(a, "dump\nclick 1\n");
  EXPECT_EQ(FieldOf(ControlIn(FirstDump(r), 1268), "items"), U8(u8R"(["高尾山","トラック2"])"));
  EXPECT_EQ(r.out, U8(u8"1 0 0 5 0 -1 -1 ||トラック2||N3537.50600 E13914.64000|\n"));
}

TEST_F(TrackSelectDialog, ScaleIntervalStepsAndDisplay) {
  TrackArgs a;
  a.scaleInterval = 12;
  RunResult r = Run(a, "click 1264\ndump\nclick 1264\ndump\nclick 1\n");
  auto dumps = Events(r.log, "dump");
  EXPECT_EQ(TextOf(dumps[0], 1266), "10km");
  EXPECT_EQ(TextOf(dumps[1], 1266), " 9km");
  EXPECT_EQ(r.out, "1 0 0 9 0 -1 -1 |||||\n");

  a.scaleInterval = 9;
  r = Run(a, "click 1265\ndump\nclick 1265\nclick 1\n");
  EXPECT_EQ(TextOf(FirstDump(r), 1266), " 10km");
  EXPECT_EQ(r.out, "1 0 0 15 0 -1 -1 |||||\n");

  a.scaleInterval = 1;
  r = Run(a, "click 1264\nclick 1267\ndump\nclick 1\n");
  EXPECT_EQ(TextOf(FirstDump(r), 1266), " 1km");
  EXPECT_EQ(r.out, "1 0 1 1 0 -1 -1 |||||\n");

  a.scaleFlag = 1;
  a.scaleInterval = 5;
  r = Run(a, "dump\nclick 1267\nclick 1\n");
  EXPECT_EQ(FieldOf(ControlIn(FirstDump(r), 1267), "checked"), "1");
  EXPECT_EQ(TextOf(FirstDump(r), 1266), " 5km");
  EXPECT_EQ(r.out, "1 0 0 5 0 -1 -1 |||||\n");
}

TEST_F(TrackSelectDialog, GroupAndFileChoiceShowTheSummary) {
  TrackArgs a;
  a.show = 0;
  a.passed = 42;
  RunResult r = Run(a, "select 1364 2\ndump\nselect 1269 1\ndump\nclick 1\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  auto dumps = Events(r.log, "dump");
  // Comment lines are skipped and the first empty line ends the table.
  EXPECT_EQ(FieldOf(ControlIn(dumps[0], 1269), "items"), R"(["d:\\gps\\d.rot","d:\\gps\\e.log"])");
  EXPECT_EQ(TextOf(dumps[0], 1220), U8(u8"登録数=2"));
  EXPECT_EQ(TextOf(dumps[1], 1209), U8(u8"ログ2"));
  EXPECT_EQ(TextOf(dumps[1], 1210), "Tokyo");
  EXPECT_EQ(TextOf(dumps[1], 1213), "04/06/12 07:30:00");
  EXPECT_EQ(TextOf(dumps[1], 1219), "OrbisRD");
  EXPECT_EQ(TextOf(dumps[1], 1220), "  No=2/2");
  EXPECT_EQ(FieldOf(ControlIn(dumps[1], 1212), "checked"), "1");
  EXPECT_EQ(r.out, U8(u8"1 42 0 5 2 1 -1 OrbisRD|d:\\gps\\e.log|ログ2|log|N35.9917000 E139.0854000|\n"));
}

TEST_F(TrackSelectDialog, ResultOfATrackOutsideTheGroupsTable) {
  TrackArgs a;
  a.scaleFlag = 1;
  a.group = 2;
  a.selectedIndex = 3;
  a.currentPath = "d:\\gps\\a.trk";
  RunResult r = Run(a, "dump\nclick 1\n");
  EXPECT_EQ(TextOf(FirstDump(r), 1220), "  No=0/2");
  EXPECT_EQ(r.out, U8(u8"1 0 1 5 2 3 -1 DMM|d:\\gps\\a.trk|高尾山|trk|N3537.50600 E13914.64000|\n"));
}

TEST_F(TrackSelectDialog, ShowSwitchTakesTheFirstFileWhenNoneIsChosen) {
  TrackArgs a;
  a.show = 0;
  RunResult r = Run(a, "click 1212\nclick 1\n");
  EXPECT_EQ(r.out, U8(u8"1 0 0 5 0 0 -1 DMM|d:\\gps\\a.trk|高尾山|trk|N3537.50600 E13914.64000|\n"));
  a.show = 1;
  r = Run(a, "click 1212\nclick 1\n");
  EXPECT_EQ(r.out, "0 0 0 5 0 -1 -1 |||||\n");
}

TEST_F(TrackSelectDialog, ListRowsSelectAndDoubleClickAsksForTheProfile) {
  TrackArgs a;
  a.numbers = "3 5 -1 ";
  a.paths = "d:\\gps\\a.trk d:\\gps\\c.gdb ";
  RunResult r = Run(a, "select 1268 0\ndump\ndblclick 1268 1\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  std::string dump = FirstDump(r);
  EXPECT_EQ(TextOf(dump, 1262), " 1/2");
  EXPECT_EQ(TextOf(dump, 1269), "d:\\\\gps\\\\a.trk");
  EXPECT_EQ(TextOf(dump, 1220), "  No=4/2");
  EXPECT_EQ(r.out, U8(u8"1 0 0 5 0 5 1 DMM|d:\\gps\\c.gdb|丹沢|gdb|N3527.74400 E13909.76800|PROFILE\n"));
}

TEST_F(TrackSelectDialog, ClearAllCancelAndEscape) {
  TrackArgs a;
  a.numbers = "3 -1 ";
  a.paths = "d:\\gps\\a.trk ";
  RunResult r = Run(a, "click 1235\n");
  EXPECT_EQ(r.out, U8(u8"0 0 0 5 0 -1 -1 DMM|d:\\gps\\a.trk|高尾山|trk|N3537.50600 E13914.64000|\n"));
  r = Run(a, "click 1244\n");
  EXPECT_EQ(r.out, "\n");
  EXPECT_EQ(Events(r.log, "end")[0], R"({"event":"end","dialog":180,"code":-1})");
  r = Run(a, "escape\n");
  EXPECT_EQ(r.out, "\n");
  EXPECT_EQ(Events(r.log, "end")[0], R"({"event":"end","dialog":180,"code":2})");
}

TEST_F(TrackSelectDialog, RegistrationChoosesAFileOfTheGroup) {
  TrackArgs a;
  RunResult r = Run(a, "click 1208\ndump\nselect 1335 0\nclick 1\nclick 1\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(Events(r.log, "open")[1], U8(u8R"({"event":"open","dialog":178,"title":" 現在のトラックファイル"})"));
  EXPECT_EQ(FieldOf(ControlIn(FirstDump(r), 1335), "items"), R"(["d:\\gps\\a.trk","d:\\gps\\b.pot"])");
  EXPECT_EQ(r.out, U8(u8"1 0 0 5 0 0 -1 DMM|d:\\gps\\a.trk|高尾山|trk|N3537.50600 E13914.64000|\n"));

  // Cancelled: nothing changes.
  r = Run(a, "click 1208\nescape\nclick 1\n");
  EXPECT_EQ(r.out, "1 0 0 5 0 -1 -1 |||||\n");
}

TEST_F(TrackSelectDialog, ANewRegistrationResetsTheChoiceAndTheRows) {
  TrackArgs a;
  a.numbers = "3 -1 ";
  a.paths = "d:\\gps\\a.trk ";
  a.selectedRow = 0;
  RunResult r = Run(a, "click 1208\nclick 1184\npick \"D:\\GPS\\C.GDB\"\nclick 1\ndump\nclick 1\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(m_data.Dir().Read("TRACKTB0.DAT"), ";hiking\r\nd:\\gps\\a.trk\r\nd:\\gps\\b.pot\r\nd:\\gps\\c.gdb\r\n");
  std::string dump = FirstDump(r);
  EXPECT_EQ(FieldOf(ControlIn(dump, 1268), "items"), "[]");
  EXPECT_EQ(TextOf(dump, 1262), "   0");
  EXPECT_EQ(FieldOf(ControlIn(dump, 1212), "checked"), "0");
  EXPECT_EQ(FieldOf(ControlIn(dump, 1269), "items"),
            R"(["d:\\gps\\a.trk","d:\\gps\\b.pot","d:\\gps\\c.gdb"])");
  // The last summary stays; the choice is gone.
  EXPECT_EQ(r.out, U8(u8"0 0 0 5 0 -1 -1 DMM||高尾山|trk|N3537.50600 E13914.64000|\n"));

  // An editor run on the table resets too.
  a.editor = "true";
  r = Run(a, "click 1208\nclick 1185\nclick 1\n");
  EXPECT_EQ(Events(r.log, "process").size(), 1u);
  EXPECT_EQ(r.out, U8(u8"0 0 0 5 0 -1 -1 DMM||高尾山|trk|N3537.50600 E13914.64000|\n"));
}

TEST_F(TrackSelectDialog, RegistrationInAnotherGroupUsesItsTable) {
  TrackArgs a;
  a.group = 4;
  RunResult r = Run(a, "click 1208\ndump\nescape\nclick 1\n");
  EXPECT_EQ(FieldOf(ControlIn(FirstDump(r), 1335), "items"),
            R"(["d:\\gps\\c.gdb","d:\\gps\\heading.trk","d:\\gps\\nopoint.pot","d:\\gps\\missing.trk"])");
}

}  // namespace
}  // namespace topodlg::test
