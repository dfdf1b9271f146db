// Area selection (OnDlgArDsp) through the scripted user, with the legend
// settings it opens (dialog 196) nested in it.
#include <gtest/gtest.h>

#include "tests/scenario/area_data.h"
#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

// linear, display, selected, list selection, displayed count, group,
// background, whole group, title.
struct AreaArgs {
  int linear = 0, display = 0, selected = -1, listSelection = 0, displayedCount = 0, group = 0, background = 1,
      wholeGroup = 0, title = 0;
};

const std::string kTakao = U8(u8"高尾山 斜線／ 赤|N3537.506 E13914.640");
const std::string kTanzawa = U8(u8"丹沢 格子 深緑 の 森|N3528.000 E13909.000");
const std::string kHakone = U8(u8"箱根|N3512.000 E13902.000");

class AreaSelectDialog : public ::testing::Test {
 protected:
  RunResult Run(const AreaArgs& a, const std::string& displayed, const std::string& script,
                const std::string& editor = "") {
    std::vector<std::string> args;
    for (int v : {a.linear, a.display, a.selected, a.listSelection, a.displayedCount, a.group, a.background,
                  a.wholeGroup, a.title}) {
      args.push_back(std::to_string(v));
    }
    for (const std::string& s : {U8(u8"山地"), U8(u8"湖沼"), U8(u8"予備"), std::string(), U8(u8"旅")}) args.push_back(s);
    for (const std::string& s : {std::string("D:\\"), editor, std::string("D:\\old.trk"), displayed}) args.push_back(s);
    for (const std::string& word : m_data.DriveOption()) args.push_back(word);
    return CallEntry("OnDlgArDsp", args, script);
  }
  AreaData m_data;
};

TEST_F(AreaSelectDialog, OpensOnRecordZeroOfTheGroupsFile) {
  RunResult r = Run({}, "", "dump\nclick 1\n");
  EXPECT_EQ(r.out, "0 0 -1 1 0 0 0 D:\\AreaDt00.trk|" + kTakao + "\n");
  const Dump d = DumpAt(r);
  EXPECT_EQ(d.Title(), U8(u8"      エリアの選択"));
  // The group names stop at the first empty one.
  EXPECT_EQ(d.Control(1356).Items(), Texts({U8(u8"山地"), U8(u8"湖沼"), U8(u8"予備")}));
  EXPECT_EQ(d.Control(1356).Selected(), 0);
  EXPECT_EQ(d.Control(1344).Items(), Texts({U8(u8"高尾山"), U8(u8"丹沢"), U8(u8"箱根")}));
  EXPECT_EQ(d.Control(1344).Selected(), 0);
  EXPECT_EQ(d.Control(1341).Text() + "|" + d.Control(1342).Text() + "|" + d.Control(1352).Text() + "|" +
                d.Control(1343).Text() + "|" + d.Control(1360).Text(),
            U8(u8"登録数=3|斜線／|赤|10-MAR-03 04:52:24|N3537.506 E13914.640"));
  EXPECT_EQ(std::vector<int>({d.Control(1361).Checked(), d.Control(1362).Checked(), d.Control(1332).Checked()}),
            std::vector<int>({0, 1, 0}));
  EXPECT_EQ(d.Control(1339).Items(), Texts{});
  EXPECT_EQ(Run({}, "", "click 1362\nclick 1399\nescape\n").out, "\n");
}

TEST_F(AreaSelectDialog, DisplayFlagListsTheHostsAreasAndShowsTheSelectedRecord) {
  AreaArgs a{.display = 1, .selected = 1, .displayedCount = 3, .background = 0, .title = 1};
  RunResult r = Run(a, U8(u8"高尾山 丹沢 箱根 最後 "), "dump\nselect 1339 1\ndump\nclick 1\n");
  EXPECT_EQ(r.out, "1 0 1 0 0 1 1 D:\\AreaDt00.trk|" + kTanzawa + "\n");
  const Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1339).Items(), Texts({U8(u8"高尾山"), U8(u8"丹沢"), U8(u8"箱根")}));
  // The name box keeps its selection; its edit field shows the last area listed.
  EXPECT_EQ(d.Control(1344).Text() + "|" + std::to_string(d.Control(1344).Selected()) + "|" + d.Control(1338).Text() +
                "|" + d.Control(1352).Text(),
            U8(u8"箱根|0|3|深緑 の 森"));
  EXPECT_EQ(std::vector<int>({d.Control(1332).Checked(), d.Control(1399).Checked(), d.Control(1361).Checked()}),
            std::vector<int>({1, 1, 1}));
  EXPECT_EQ(DumpAt(r, 1).Control(1338).Text(), "2/3");

  // "999" ends the list; a last word without a blank is not taken.
  a.displayedCount = 9;
  EXPECT_EQ(DumpAt(Run(a, "a 999 b ", "dump\nclick 1\n")).Control(1339).Items(), Texts{"a"});
  r = Run(a, "a b", "dump\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Control(1339).Items(), Texts{"a"});
  EXPECT_EQ(DumpAt(r).Control(1344).Text(), "a");
  a.displayedCount = 1;
  EXPECT_EQ(DumpAt(Run(a, "a b c ", "dump\nclick 1\n")).Control(1339).Items(), Texts{"a"});
}

TEST_F(AreaSelectDialog, ANameShowsItsRecordAndTurnsTheDisplayOn) {
  RunResult r = Run({}, "", "select 1344 2\ndump\nclick 1\n");
  EXPECT_EQ(r.out, "1 0 2 1 0 0 0 D:\\AreaDt00.trk|" + kHakone + "\n");
  const Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1341).Text() + "|" + d.Control(1342).Text() + "|" + d.Control(1352).Text(),
            U8(u8"       3/3||箱根"));
  EXPECT_EQ(d.Control(1332).Checked(), 1);
}

TEST_F(AreaSelectDialog, TheShowCheckSelectsRecordZeroAndKeepsTheSelectionWhenOff) {
  EXPECT_EQ(Run({}, "", "click 1332\nclick 1\n").out, "1 0 0 1 0 0 0 D:\\AreaDt00.trk|" + kTakao + "\n");
  EXPECT_EQ(Run({}, "", "click 1332\nclick 1332\nclick 1\n").out, "0 0 0 1 0 0 0 D:\\AreaDt00.trk|" + kTakao + "\n");
  EXPECT_EQ(Run({.selected = 2}, "", "click 1332\nclick 1\n").out, "1 0 2 1 0 0 0 D:\\AreaDt00.trk|" + kTakao + "\n");
}

TEST_F(AreaSelectDialog, ClearAllEndsAsOk) {
  AreaArgs a{.display = 1, .selected = 2, .listSelection = 1, .displayedCount = 3, .background = 2, .title = 1};
  RunResult r = Run(a, "a b c ", "click 1336\n");
  EXPECT_EQ(r.out, "0 0 -1 2 0 1 1 D:\\AreaDt00.trk|" + kHakone + "\n");
  EXPECT_EQ(Events(r.log, "end").at(0).Line(), R"({"event":"end","dialog":192,"code":1})");
  a.wholeGroup = 1;
  EXPECT_EQ(Run(a, "a b c ", "click 1336\n").out, "0 0 -1 2 0 1 1 D:\\AreaDt00.trk|" + kTakao + "\n");
}

TEST_F(AreaSelectDialog, TheWholeGroupCheck) {
  AreaArgs a{.display = 1, .selected = 1, .displayedCount = 600, .wholeGroup = 1};
  RunResult r = Run(a, "a ", "dump\nclick 1393\ndump\nclick 1\n");
  EXPECT_EQ(r.out, "0 0 -1 1 0 0 0 D:\\AreaDt00.trk|" + kTakao + "\n");
  // Over 520 displayed areas the count shown is the host's.
  const Dump whole = DumpAt(r, 0);
  EXPECT_EQ(whole.Control(1339).Items(), Texts{U8(u8"このｸﾞﾙｰﾌﾟをすべて選択")});
  EXPECT_EQ(whole.Control(1341).Text() + whole.Control(1338).Text(), U8(u8"登録数=600600"));
  EXPECT_EQ(whole.Control(1393).Checked(), 1);
  const Dump off = DumpAt(r, 1);
  EXPECT_EQ(off.Control(1339).Items(), Texts{});
  EXPECT_EQ(off.Control(1332).Checked(), 0);
  EXPECT_EQ(off.Control(1393).Checked(), 0);

  r = Run({.selected = 2}, "", "click 1393\ndump\nclick 1\n");
  EXPECT_EQ(r.out, "1 0 2 1 1 0 0 D:\\AreaDt00.trk|" + kTakao + "\n");
  EXPECT_EQ(DumpAt(r).Control(1339).Items(), Texts{U8(u8"このｸﾞﾙｰﾌﾟをすべて選択")});
  EXPECT_EQ(DumpAt(r).Control(1332).Checked(), 1);
}

TEST_F(AreaSelectDialog, AGroupChangeRereadsTheFileButNotTheGroupBox) {
  RunResult r = Run({}, "", "select 1356 2\ndump\nclick 1\n");
  EXPECT_EQ(r.out, U8(u8"0 2 -1 1 0 0 0 D:\\AreaDt02.trk|湖 横線 青|N3530.000 E13900.000\n"));
  Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1356).Items(), Texts({U8(u8"山地"), U8(u8"湖沼"), U8(u8"予備")}));
  EXPECT_EQ(d.Control(1356).Selected(), 2);
  EXPECT_EQ(d.Control(1344).Items(), Texts{U8(u8"湖")});
  EXPECT_EQ(d.Control(1341).Text(), U8(u8"登録数=1"));
  // A file without records: "未登録", the names and the record shown stay, and
  // choosing one of those names does nothing.
  r = Run({}, "", "select 1356 2\nselect 1356 1\nselect 1344 0\ndump\nclick 1\n");
  EXPECT_EQ(r.out, U8(u8"0 1 -1 1 0 0 0 D:\\AreaDt01.trk|湖 横線 青|N3530.000 E13900.000\n"));
  d = DumpAt(r);
  EXPECT_EQ(d.Control(1344).Items(), Texts{U8(u8"湖")});
  EXPECT_EQ(d.Control(1341).Text(), U8(u8"未登録"));
  EXPECT_EQ(d.Control(1332).Checked(), 0);
  // Opening on a group without records returns no area.
  EXPECT_EQ(Run({.group = 1}, "", "click 1\n").out, "0 1 -1 1 0 0 0 D:\\AreaDt01.trk||\n");
}

TEST_F(AreaSelectDialog, ASelectedRecordBeyondTheFileShowsNothing) {
  AreaArgs a{.display = 1, .selected = 7, .displayedCount = 1};
  RunResult r = Run(a, "x ", "dump\nclick 1\n");
  EXPECT_EQ(r.out, "1 0 7 1 0 0 0 D:\\AreaDt00.trk||\n");
  const Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1342).Text() + d.Control(1352).Text() + d.Control(1343).Text() + d.Control(1360).Text(), "");
  // After a group change the host's index falls on the new file's records.
  EXPECT_EQ(Run({.display = 1, .selected = 1, .displayedCount = 1}, "x ", "select 1356 2\nclick 1\n").out,
            "1 2 1 1 0 0 0 D:\\AreaDt02.trk||\n");
}

TEST_F(AreaSelectDialog, LinearModeRelabelsAndReadsTheLineFiles) {
  RunResult r = Run({.linear = 1}, "", "dump\nclick 1\n");
  EXPECT_EQ(r.out, U8(u8"0 0 -1 1 0 0 0 D:\\Linear00.trk|林道 太線 茶|N3531.000 E13901.000\n"));
  const Dump d = DumpAt(r);
  EXPECT_EQ(d.Title(), U8(u8"      線形の選択"));
  std::string labels;
  for (int id : {1332, 1276, 1393, 1277, 1278, 1279, 1361, 1362}) labels += d.Control(id).Text() + "|";
  EXPECT_EQ(labels + d.Control(1363).Text(),
            U8(u8"線形を表示する|線形の選択|このｸﾞﾙｰﾌﾟの線形をすべて選択する|表示中の線形：ﾀﾞﾌﾞﾙｸﾘｯｸで再表示|"
               u8"線の色|表示中の線形|青太線|指定された色|赤太線"));
}

// --- The legend settings, opened from "凡例設定" ---------------------------------

// File contents are code page 932, as ordinary literals are here.
const std::string kLegendHead = ";area legend\r\nGROUP1\r\n";
const std::string kLegendTail = "GROUP2\r\n1 横線 青 湖\r\nGROUP3\r\nGROUP4\r\nGROUP5\r\n";

TEST_F(AreaSelectDialog, LegendSettingsShowTheGroupsEntries) {
  RunResult r = Run({}, "", "click 1404\ndump\nselect 1406 9\ndump\nselect 1405 1\ndump\nclick 2\nclick 2\n");
  EXPECT_EQ(Events(r.log, "open").at(1).Line(),
            U8(u8R"({"event":"open","dialog":196,"title":"             凡例設定（エリア情報）"})"));
  const Dump d = DumpAt(r, 0);
  EXPECT_EQ(d.Control(1412).Text(), U8(u8"山地"));
  EXPECT_EQ(d.Control(1405).Items(), Texts({U8(u8"1 斜線／ 赤 住宅地"), U8(u8"2 格子 深緑 森 林")}));
  EXPECT_EQ(d.Control(1408).Items(),
            Texts({U8(u8"斜線／"), U8(u8"斜線＼"), U8(u8"クロス"), U8(u8"横線"), U8(u8"縦線"), U8(u8"格子")}));
  EXPECT_EQ(d.Control(1407).Items(), Texts({U8(u8"赤"), U8(u8"紫"), U8(u8"橙"), U8(u8"黄"), U8(u8"緑"), U8(u8"深緑"),
                                            U8(u8"青"), U8(u8"茶"), U8(u8"黒"), U8(u8"白")}));
  Texts rows;
  for (int row = 1; row <= 19; ++row) rows.push_back(std::to_string(row));
  EXPECT_EQ(d.Control(1406).Items(), rows);
  // Row 10 of a group with two entries moves to row 3, a new row.
  const Dump moved = DumpAt(r, 1);
  EXPECT_EQ(std::vector<int>({moved.Control(1406).Selected(), moved.Control(1405).Selected(),
                              moved.Control(1408).Selected()}),
            std::vector<int>({2, -1, -1}));
  EXPECT_EQ(moved.Control(1410).Text(), U8(u8"追加"));
  const Dump chosen = DumpAt(r, 2);
  EXPECT_EQ(chosen.Control(1406).Selected(), 1);
  EXPECT_EQ(chosen.Control(1408).Text() + chosen.Control(1407).Text() + chosen.Control(1409).Text() +
                chosen.Control(1410).Text(),
            U8(u8"格子深緑森 林更新"));
  EXPECT_EQ(m_data.Read("AreaLgd.dat"), kLegendHead + "1 斜線／ 赤 住宅地\r\n;inside\r\n2 格子 深緑 森 林\r\n" +
                                            kLegendTail);
}

TEST_F(AreaSelectDialog, LegendSettingsAddUpdateAndSave) {
  const std::string script = U8(
      u8"click 1404\nselect 1406 2\nclick 1410\nselect 1408 \"横線\"\nselect 1407 \"白\"\nclick 1410\n"
      u8"type 1409 \"畑 地\"\nclick 1410\nclick 1410\nselect 1406 0\ntype 1409 \"市街地\"\nclick 1410\ndump\n"
      u8"click 1\nclick 2\n");
  RunResult r = Run({}, "", script);
  EXPECT_EQ(r.out, "\n");
  // Adds with an empty text do nothing; every further add appends again; an
  // update keeps the entry's place and writes its row.
  EXPECT_EQ(DumpAt(r).Control(1405).Items(), Texts({U8(u8"1 斜線／ 赤 市街地"), U8(u8"2 格子 深緑 森 林"),
                                                   U8(u8"3 横線 白 畑 地"), U8(u8"4 横線 白 畑 地")}));
  EXPECT_EQ(m_data.Read("AreaLgd.dat"),
            kLegendHead + "1 斜線／ 赤 市街地\r\n2 格子 深緑 森 林\r\n3 横線 白 畑 地\r\n4 横線 白 畑 地\r\n" +
                kLegendTail);
  EXPECT_FALSE(std::filesystem::exists(m_data.Dir().path() / "work.txt"));

  // Cancel keeps the file, whatever was added.
  const std::string saved = m_data.Read("AreaLgd.dat");
  Run({}, "", U8(u8"click 1404\nselect 1408 0\nselect 1407 0\ntype 1409 \"x\"\nclick 1410\nclick 2\nclick 1\n"));
  EXPECT_EQ(m_data.Read("AreaLgd.dat"), saved);
}

TEST_F(AreaSelectDialog, LegendSettingsOfALineGroupWithoutAFile) {
  std::filesystem::remove(m_data.Dir().path() / "LinrLgd.dat");
  const std::string script = U8(u8"select 1356 1\nclick 1404\ndump\nselect 1408 \"細線\"\nselect 1407 \"青\"\n"
                                u8"type 1409 \"川\"\nclick 1410\nenter\nclick 1\n");
  RunResult r = Run({.linear = 1}, "", script);
  const Dump d = DumpAt(r);
  EXPECT_EQ(d.Title(), U8(u8"             凡例設定（線形）"));
  EXPECT_EQ(d.Control(1412).Text(), U8(u8"湖沼"));
  EXPECT_EQ(d.Control(1408).Items(), Texts({U8(u8"太線"), U8(u8"細線")}));
  EXPECT_EQ(d.Control(1405).Items(), Texts{});
  EXPECT_EQ(m_data.Read("LinrLgd.dat"), "GROUP1\r\nGROUP2\r\n1 細線 青 川\r\nGROUP3\r\nGROUP4\r\nGROUP5\r\n");
}

TEST_F(AreaSelectDialog, LegendSettingsEditorRereadsTheFileAndDropsChanges) {
  // Ordinary literals are code page 932, as the legend file is.
  m_data.Dir().Write("edit.sh", "printf 'GROUP1\\r\\n1 縦線 黄 畑\\r\\n' > \"$1\"\n");
  const std::string script = U8(u8"click 1404\nselect 1408 0\nselect 1407 0\ntype 1409 \"x\"\nclick 1410\n"
                                u8"click 1411\ndump\nclick 1\nclick 2\n");
  RunResult r = Run({}, "", script, "/bin/sh " + m_data.Dir().str() + "/edit.sh");
  ASSERT_EQ(Events(r.log, "process").size(), 1u);
  EXPECT_EQ(Events(r.log, "process")[0]["command"].Str(), "/bin/sh " + m_data.Dir().str() + "/edit.sh D:\\AreaLgd.dat");
  EXPECT_EQ(DumpAt(r).Control(1405).Items(), Texts{U8(u8"1 縦線 黄 畑")});
  EXPECT_EQ(DumpAt(r).Control(1410).Text() + DumpAt(r).Control(1409).Text(), U8(u8"追加"));
  // OK writes nothing: the file is as the editor left it.
  EXPECT_EQ(m_data.Read("AreaLgd.dat"), "GROUP1\r\n1 縦線 黄 畑\r\n");
}

TEST_F(AreaSelectDialog, LegendSettingsKeepTheFileWhenItCannotBeWritten) {
  std::filesystem::permissions(m_data.Dir().path() / "AreaLgd.dat", std::filesystem::perms(0444));
  const std::string script = U8(u8"click 1404\nselect 1405 0\nclick 1410\nclick 1\nanswer ok\ndump\nclick 2\nclick 2\n");
  RunResult r = Run({}, "", script);
  ASSERT_EQ(Events(r.log, "messagebox").size(), 1u);
  EXPECT_NE(Events(r.log, "messagebox")[0]["text"].Str().find(
                U8(u8"D:\\AreaLgd.dat へのアクセス中に予期しないエラーが発生しました。")),
            std::string::npos);
  EXPECT_EQ(DumpAt(r).Dialog(), 196);  // still open
  EXPECT_EQ(m_data.Read("AreaLgd.dat"), kLegendHead + "1 斜線／ 赤 住宅地\r\n;inside\r\n2 格子 深緑 森 林\r\n" +
                                            kLegendTail);
}

TEST_F(AreaSelectDialog, LegendSettingsAddNothingToAFullGroup) {
  std::vector<std::string> lines = {"GROUP1"};
  for (int i = 1; i <= 19; ++i) lines.push_back(std::to_string(i) + " a b c");
  m_data.Lines("AreaLgd.dat", lines);
  const std::string before = m_data.Read("AreaLgd.dat");
  RunResult r = Run({}, "", U8(u8"click 1404\nselect 1408 0\nselect 1407 0\ntype 1409 \"x\"\nclick 1410\ndump\n"
                               u8"select 1406 18\ndump\nclick 1\nclick 2\n"));
  EXPECT_EQ(Events(r.log, "beep").size(), 1u);
  const Texts entries = DumpAt(r, 0).Control(1405).Items();
  EXPECT_EQ(entries.size(), 19u);
  for (const std::string& entry : entries) EXPECT_EQ(entry.find('x'), std::string::npos) << entry;
  // Row 19 holds the last entry: it is updated, never added after.
  const Dump last = DumpAt(r, 1);
  EXPECT_EQ(last.Control(1410).Text() + last.Control(1409).Text(), U8(u8"更新c"));
  EXPECT_EQ(last.Control(1405).Selected(), 18);
  EXPECT_EQ(m_data.Read("AreaLgd.dat"), before);
}

}  // namespace
}  // namespace topodlg::test
