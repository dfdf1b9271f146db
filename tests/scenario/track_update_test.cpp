// Track file update (OnDlgTrkUp) through the scripted user.
#include <gtest/gtest.h>

#include "tests/scenario/track_data.h"
#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

class TrackUpdateDialog : public ::testing::Test {
 protected:
  RunResult Run(const std::string& mesh, const std::string& script, const std::string& editor = "") {
    std::vector<std::string> args = {"call", "OnDlgTrkUp", U8(u8"山歩き"), U8(u8"車"), U8(u8"ルート"), U8(u8"予備"),
                                     U8(u8"旅行"), "D:\\", mesh, editor};
    for (const std::string& word : m_data.DriveOption()) args.push_back(word);
    RunResult r = RunCli(args, script);
    EXPECT_EQ(r.exit, 0) << r.err;
    m_log = r.log;
    return r;
  }
  // The control `id` of the last run's first dump.
  DumpedControl At(int id, Here at = Here::current()) const { return DumpAt(m_log, 0, at).Control(id, at); }
  TrackData m_data;
  std::string m_log;
};

TEST_F(TrackUpdateDialog, OpensWithoutAGroupAndReturnsPlaceholders) {
  EXPECT_EQ(Run("MEM", "dump\nclick 1\n").out, "*|*|*|*,*|MEM|*|-1\n");
  EXPECT_EQ(At(1461).Checked(), 0);
  EXPECT_EQ(At(1462).Checked(), 1);
  EXPECT_EQ(At(1421).Selected(), -1);
  EXPECT_EQ(At(1428).Items(), Texts{});
  EXPECT_EQ(Run("", "dump\nclick 1\n").out, "*|*|*|*,*|*|*|-1\n");
  EXPECT_EQ(At(1461).Checked() + At(1462).Checked() + At(1463).Checked(), 0);
  EXPECT_EQ(Run("SEM", "click 1463\nclick 1\n").out, "*|*|*|*,*|TEM|*|-1\n");
  EXPECT_EQ(Run("SEM", "click 1463\nclick 2\n").out, "\n");
}

TEST_F(TrackUpdateDialog, AGroupShowsItsFirstFileAndEachFilesSummary) {
  // No "gdb" type here: the file has no type, a default name and no datum.
  EXPECT_EQ(Run("MEM", "select 1421 4\ndump\nclick 1\n").out,
            U8(u8"d:\\gps\\c.gdb|トラック1|*|N3527.74400 E13909.76800|MEM|DMM|4\n"));
  EXPECT_EQ(At(1428).Text() + "|" + At(1429).Text() + "|" + At(1426).Text() + "|" + At(1424).Text(),
            "d:\\gps\\c.gdb|  No=1/4||21-APR-04 09:10:00");
  // Blanks leave the name; empty starts have their placeholders.
  EXPECT_EQ(Run("MEM", "select 1421 4\nselect 1428 1\nclick 1\n").out,
            "d:\\gps\\heading.trk|COORDINATESYSTEM|trk|* *|MEM|DMM|4\n");
  EXPECT_EQ(Run("MEM", "select 1421 4\nselect 1428 2\ndump\nclick 1\n").out,
            U8(u8"d:\\gps\\nopoint.pot|POTﾄﾗｯｸ3|pot|*,*|MEM|D'M'S|4\n"));
  // A registered file that is gone drops the choice.
  EXPECT_EQ(Run("MEM", "select 1421 4\nselect 1428 2\nselect 1428 3\nclick 1\n").out, "*|*|*|*,*|MEM|*|4\n");
}

TEST_F(TrackUpdateDialog, AGroupChangeNeverReturnsTheFormerGroupsFile) {
  EXPECT_EQ(Run("TEM", "select 1421 0\nselect 1421 2\nclick 1\n").out,
            U8(u8"d:\\gps\\d.rot|ルート1|rot|35.19.32,139.33.00|TEM|RouteFan|2\n"));
  EXPECT_EQ(Run("TEM", "select 1421 0\nselect 1421 1\ndump\nclick 1\n").out, "*|*|*|*,*|TEM|*|1\n");
  EXPECT_EQ(At(1428).Items(), Texts{});
  EXPECT_EQ(At(1423).Text(), "");
  EXPECT_EQ(Run("TEM", "select 1421 2\nselect 1428 1\nclick 1\n").out,
            U8(u8"d:\\gps\\e.log|ログ2|log|N35.9917000 E139.0854000|TEM|OrbisRD|2\n"));
}

TEST_F(TrackUpdateDialog, TheEditorOpensTheChosenFileOnly) {
  RunResult r = Run("MEM", "click 1422\nselect 1421 0\nclick 1422\nclick 1\n", "true");
  ASSERT_EQ(Events(r.log, "process").size(), 1u);
  EXPECT_EQ(Events(r.log, "process")[0]["command"].Str(), "true d:\\gps\\a.trk");
  EXPECT_EQ(r.out, U8(u8"d:\\gps\\a.trk|高尾山|trk|N3537.50600 E13914.64000|MEM|DMM|0\n"));
}

}  // namespace
}  // namespace topodlg::test
