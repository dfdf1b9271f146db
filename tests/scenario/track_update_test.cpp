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
    RunResult r = RunCli(args, script);
    EXPECT_EQ(r.exit, 0) << r.err;
    auto dumps = Events(r.log, "dump");
    m_dump = dumps.empty() ? "" : dumps[0];
    return r;
  }
  std::string Field(int id, const char* field) const { return FieldOf(m_dump, id, field); }
  TrackData m_data;
  std::string m_dump;
};

TEST_F(TrackUpdateDialog, OpensWithoutAGroupAndReturnsPlaceholders) {
  EXPECT_EQ(Run("MEM", "dump\nclick 1\n").out, "*|*|*|*,*|MEM|*|-1\n");
  EXPECT_EQ(Field(1461, "checked") + Field(1462, "checked") + Field(1421, "selected") + Field(1428, "items"), "01-1[]");
  EXPECT_EQ(Run("", "dump\nclick 1\n").out, "*|*|*|*,*|*|*|-1\n");
  EXPECT_EQ(Field(1461, "checked") + Field(1462, "checked") + Field(1463, "checked"), "000");
  EXPECT_EQ(Run("SEM", "click 1463\nclick 1\n").out, "*|*|*|*,*|TEM|*|-1\n");
  EXPECT_EQ(Run("SEM", "click 1463\nclick 2\n").out, "\n");
}

TEST_F(TrackUpdateDialog, AGroupShowsItsFirstFileAndEachFilesSummary) {
  // No "gdb" type here: the file has no type, a default name and no datum.
  EXPECT_EQ(Run("MEM", "select 1421 4\ndump\nclick 1\n").out,
            U8(u8"d:\\gps\\c.gdb|トラック1|*|N3527.74400 E13909.76800|MEM|DMM|4\n"));
  EXPECT_EQ(TextOf(m_dump, 1428) + "|" + TextOf(m_dump, 1429) + "|" + TextOf(m_dump, 1426) + "|" + TextOf(m_dump, 1424),
            "d:\\\\gps\\\\c.gdb|  No=1/4||21-APR-04 09:10:00");
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
  EXPECT_EQ(Field(1428, "items") + TextOf(m_dump, 1423), "[]");
  EXPECT_EQ(Run("TEM", "select 1421 2\nselect 1428 1\nclick 1\n").out,
            U8(u8"d:\\gps\\e.log|ログ2|log|N35.9917000 E139.0854000|TEM|OrbisRD|2\n"));
}

TEST_F(TrackUpdateDialog, TheEditorOpensTheChosenFileOnly) {
  RunResult r = Run("MEM", "click 1422\nselect 1421 0\nclick 1422\nclick 1\n", "true");
  ASSERT_EQ(Events(r.log, "process").size(), 1u);
  EXPECT_NE(Events(r.log, "process")[0].find(R"("command":"true d:\\gps\\a.trk")"), std::string::npos);
  EXPECT_EQ(r.out, U8(u8"d:\\gps\\a.trk|高尾山|trk|N3537.50600 E13914.64000|MEM|DMM|0\n"));
}

}  // namespace
}  // namespace topodlg::test
