// Track file update (OnDlgTrkUp) through the scripted user.
#include <gtest/gtest.h>

#include "tests/scenario/track_data.h"
#include "tests/support/dump_query.h"

namespace topodlg::test {
namespace {

class TrackUpdateDialog : public ::testing::Test {
 protected:
  RunResult Run(const std::string& mesh, const std::string& script, const std::string& editor = "") {
    std::vector<std::string> args = {"call", "OnDlgTrkUp", U8(u8"山歩き"), U8(u8"車"), U8(u8"ルート"), U8(u8"予備"),
                                     U8(u8"旅行"), "D:\\", mesh, editor};
    for (const std::string& word : m_data.DriveOption()) args.push_back(word);
    return RunCli(args, script);
  }
  TrackData m_data;
};

TEST_F(TrackUpdateDialog, OpensWithoutAGroupAndReturnsPlaceholders) {
  RunResult r = Run("MEM", "dump\nclick 1\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  std::string dump = Events(r.log, "dump")[0];
  EXPECT_EQ(FieldOf(ControlIn(dump, 1462), "checked"), "1");
  EXPECT_EQ(FieldOf(ControlIn(dump, 1421), "selected"), "-1");
  EXPECT_EQ(FieldOf(ControlIn(dump, 1428), "items"), "[]");
  EXPECT_EQ(r.out, "*|*|*|*,*|MEM|*|-1\n");

  r = Run("", "dump\nclick 1\n");
  for (int id : {1461, 1462, 1463}) EXPECT_EQ(FieldOf(ControlIn(Events(r.log, "dump")[0], id), "checked"), "0");
  EXPECT_EQ(r.out, "*|*|*|*,*|*|*|-1\n");
  r = Run("SEM", "click 1463\nclick 1\n");
  EXPECT_EQ(r.out, "*|*|*|*,*|TEM|*|-1\n");
  r = Run("SEM", "click 1463\nclick 2\n");
  EXPECT_EQ(r.out, "\n");
}

TEST_F(TrackUpdateDialog, AGroupShowsItsFirstFile) {
  RunResult r = Run("MEM", "select 1421 4\ndump\nclick 1\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  std::string dump = Events(r.log, "dump")[0];
  EXPECT_EQ(FieldOf(ControlIn(dump, 1428), "items"),
            R"(["d:\\gps\\c.gdb","d:\\gps\\heading.trk","d:\\gps\\nopoint.pot","d:\\gps\\missing.trk"])");
  EXPECT_EQ(TextOf(dump, 1428), "d:\\\\gps\\\\c.gdb");
  EXPECT_EQ(TextOf(dump, 1429), "  No=1/4");
  EXPECT_EQ(TextOf(dump, 1426), "");  // no "#D" lines outside the selection dialog
  EXPECT_EQ(TextOf(dump, 1424), "21-APR-04 09:10:00");
  // This dialog knows no "gdb" type: the file has no type and a default name.
  EXPECT_EQ(r.out, U8(u8"d:\\gps\\c.gdb|トラック1|*|N3527.74400 E13909.76800|MEM|DMM|4\n"));
}

TEST_F(TrackUpdateDialog, EmptyStartsAndNamesWithBlanks) {
  RunResult r = Run("MEM", "select 1421 4\nselect 1428 1\nclick 1\n");
  EXPECT_EQ(r.out, "d:\\gps\\heading.trk|COORDINATESYSTEM|trk|* *|MEM|DMM|4\n");
  r = Run("MEM", "select 1421 4\nselect 1428 2\ndump\nclick 1\n");
  EXPECT_EQ(TextOf(Events(r.log, "dump")[0], 1426), "Tokyo_mean");
  EXPECT_EQ(r.out, U8(u8"d:\\gps\\nopoint.pot|POTﾄﾗｯｸ3|pot|*,*|MEM|D'M'S|4\n"));
  // A registered file that is gone drops the choice.
  r = Run("MEM", "select 1421 4\nselect 1428 2\nselect 1428 3\nclick 1\n");
  EXPECT_EQ(r.out, "*|*|*|*,*|MEM|*|4\n");
}

TEST_F(TrackUpdateDialog, AGroupChangeNeverReturnsTheFormerGroupsFile) {
  RunResult r = Run("TEM", "select 1421 0\nselect 1421 2\nclick 1\n");
  EXPECT_EQ(r.out, U8(u8"d:\\gps\\d.rot|ルート1|rot|35.19.32,139.33.00|TEM|RouteFan|2\n"));
  r = Run("TEM", "select 1421 0\nselect 1421 1\ndump\nclick 1\n");
  std::string dump = Events(r.log, "dump")[0];
  EXPECT_EQ(FieldOf(ControlIn(dump, 1428), "items"), "[]");
  EXPECT_EQ(TextOf(dump, 1423), "");
  EXPECT_EQ(r.out, "*|*|*|*,*|TEM|*|1\n");
  r = Run("TEM", "select 1421 2\nselect 1428 1\nclick 1\n");
  EXPECT_EQ(r.out, U8(u8"d:\\gps\\e.log|ログ2|log|N35.9917000 E139.0854000|TEM|OrbisRD|2\n"));
}

TEST_F(TrackUpdateDialog, TheEditorOpensTheChosenFileOnly) {
  RunResult r = Run("MEM", "click 1422\nselect 1421 0\nclick 1422\nclick 1\n", "true");
  ASSERT_EQ(r.exit, 0) << r.err;
  auto processes = Events(r.log, "process");
  ASSERT_EQ(processes.size(), 1u);
  EXPECT_NE(processes[0].find(R"("command":"true d:\\gps\\a.trk")"), std::string::npos) << processes[0];
  EXPECT_EQ(r.out, U8(u8"d:\\gps\\a.trk|高尾山|trk|N3537.50600 E13914.64000|MEM|DMM|0\n"));
}

}  // namespace
}  // namespace topodlg::test
