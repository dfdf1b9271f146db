// The map settings dialog and its six tab pages through the scripted
// user: the long result string, every page's handlers, the place-name file
// label and the keyword history.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

// The result of the default arguments confirmed as they are.
const char8_t kPlainResult[] =
    u8"1 1 1 1 1 1 10 0 5 1011 1101 0 1 1 1 0 0 0 1 0 4 1 1 1 "
    u8"d:\\names\\kanto.pnt|NI-54-25|東京|OFF|off|ON|ON|RED|on|off|OPAQUE||RED|1 0 0 0 0 0 0 0 0 0 0 \n";

class MapSpecDialog : public ::testing::Test {
 protected:
  MapSpecDialog() {
    m_dir.Write("PNTFILE.dat", "d:\\names\\kanto.pnt\r\nd:\\names\\tokai.pnt\r\n\r\nd:\\names\\after.pnt\r\n");
    m_dir.Write("Local20/5339.lsn", "x\r\n");
    m_dir.Write("TEMP/KEYWORD.TXT", Sjis(U8(u8"高尾山\r\n丹沢\r\n")));
  }
  // Arguments by position (1 to 40); the defaults describe a plain map on tab 4.
  RunResult Run(const std::string& script, const std::map<int, std::string>& changes = {}) {
    std::vector<std::string> args = {"1", "1", "1", "1", "1", "1", "10", "0", "0", "1011", "1101", "0", "1", "1",
                                     "1", "0", "0", "0", "1", "0", "141", "5", "D:\\DATA\\5339.DEM", "",
                                     "d:\\names\\kanto.pnt", "NI-54-25", U8(u8"東京"), "ON", "OFF", "off",
                                     U8(u8"地形図"), "ON", "RED", "on", "off", "OPAQUE", "D:\\", "RED", "",
                                     "1 0 0 0 0 0 0 0 0 0 0 1/x"};
    for (const auto& [position, value] : changes) args[static_cast<size_t>(position - 1)] = value;
    args.push_back("--drive");
    args.push_back("D=" + m_dir.str());
    return CallEntry("OnDlgMpSpc", args, script);
  }
  std::string History() const { return m_dir.Read("TEMP/KEYWORD.TXT"); }
  TempDir m_dir;
};

// The fields of the result, split at blanks and "|".
std::vector<std::string> Fields(const std::string& out) {
  std::vector<std::string> fields(1);
  for (char c : out) {
    if (c == ' ' || c == '|' || c == '\n') fields.emplace_back();
    else fields.back() += c;
  }
  return fields;
}

TEST_F(MapSpecDialog, OpensOnTheCurrentTabAndReturnsEverySettingAsPassed) {
  RunResult r = Run("dump\nclick 1\n");
  EXPECT_EQ(r.out, U8(kPlainResult));
  const Dump dump = DumpAt(r);
  EXPECT_EQ(dump.Control(1487).Items(), Texts({U8(u8" 地名 "), U8(u8"地名仕様"), U8(u8"格子線"), U8(u8"行政界"),
                                               U8(u8"湖沼"), U8(u8"測地系")}));
  EXPECT_EQ(dump.Control(1487).Selected(), 4);
  EXPECT_TRUE(dump.Page(206).Visible());
  EXPECT_FALSE(dump.Page(207).Visible());
  EXPECT_EQ(dump.Control(117).Text() + dump.Control(115).Text(), U8(u8"東京NI-54-25"));
  EXPECT_EQ(std::vector<int>({dump.Control(1049).Checked(), dump.Control(1048).Checked(), dump.Control(1085).Checked(),
                              dump.Control(1186).Checked()}),
            std::vector<int>({1, 1, 1, 0}));
  for (const char* script : {"click 2\n", "escape\n", "tab 1487 1\ntype 1307 \"x\"\nclick 2\n"}) {
    EXPECT_EQ(Run(script).out, "\n");
  }
  EXPECT_EQ(History(), Sjis(U8(u8"高尾山\r\n丹沢\r\n")));
}

TEST_F(MapSpecDialog, MainSwitchesEditsAndTabs) {
  RunResult r = Run("click 1048\nclick 1085\nclick 1186\nclick 1049\ntype 117 \"T\"\ntype 115 \"S\"\n"
                    "tab 1487 0\ndump\nclick 1\n");
  std::vector<std::string> f = Fields(r.out);
  EXPECT_EQ(f[20] + f[21], "00");  // current tab, title shown
  EXPECT_EQ(f[22] + f[23], "11");  // datum and world frame stay
  EXPECT_EQ(f[25] + f[26] + f[29] + f[32] + f[33], "STOFFoffon");
  EXPECT_TRUE(DumpAt(r).Page(207).Visible());
  EXPECT_FALSE(DumpAt(r).Page(206).Visible());
  // A tab number outside the six shows no page and comes back as it was.
  r = Run("dump\nclick 1\n", {{21, "71"}});
  const std::vector<DumpedPage> pages = DumpAt(r).Pages();
  EXPECT_EQ(pages.size(), 6u);
  for (const DumpedPage& page : pages) EXPECT_FALSE(page.Visible()) << page.Dialog();
  EXPECT_EQ(Fields(r.out)[20] + Fields(r.out)[22], "71");
}

TEST_F(MapSpecDialog, BoundaryDigitsAndTheMunicipalMarker) {
  EXPECT_EQ(Fields(Run("tab 1487 3\nclick 1069\nclick 1\n").out)[10], "1111");
  // Without municipal data the municipal boundaries are off and stay off.
  RunResult r = Run("tab 1487 3\ndump\nclick 1067\nclick 1\n", {{40, "1 0 0 0 0 0 0 0 0 0 0 1/"}});
  EXPECT_EQ(Fields(r.out)[9], "1010");
  EXPECT_EQ(DumpAt(r).Control(1073).Text() + DumpAt(r).Control(1100).Text(), "");
  r = Run("tab 1487 3\nclick 1128\ndump\nclick 1075\nclick 1128\ndump\nclick 1067\nclick 1100\nclick 1457\nclick 1\n");
  EXPECT_EQ(DumpAt(r, 0).Control(1075).Text(), "");
  EXPECT_EQ(DumpAt(r, 1).Control(1075).Text(), U8(u8"支庁界"));
  EXPECT_EQ(DumpAt(r, 1).Control(1075).Checked(), 1);
  EXPECT_EQ(Fields(r.out)[9], "110");  // merged names off, subprefecture on, municipal off
  EXPECT_EQ(Fields(r.out)[36], "ORNG");
}

TEST_F(MapSpecDialog, StylePageKinds) {
  RunResult r = Run("tab 1487 1\ndump\nclick 1158\nclick 1164\nclick 1158\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Control(1378).Checked(), 1);
  EXPECT_EQ(DumpAt(r).Control(1158).Checked(), 0);
  std::vector<std::string> f = Fields(r.out);
  EXPECT_EQ(f[37] + f[38] + f[45], "001");  // all kinds off, sea toggled back off, bay on
  // "市･町･駅" alone always turns on; "すべて" off turns every kind on.
  f = Fields(Run("tab 1487 1\nclick 1379\nclick 1379\nclick 1\n").out);
  EXPECT_EQ(f[37] + f[44], "01");
  f = Fields(Run("tab 1487 1\nclick 1378\nclick 1\n").out);
  EXPECT_EQ(f[37] + f[38] + f[47], "011");
  f = Fields(Run("tab 1487 1\nclick 1383\nclick 1386\nclick 1388\nclick 1391\nclick 1\n").out);
  EXPECT_EQ(f[0] + f[1] + f[2] + f[3], "3322");
}

TEST_F(MapSpecDialog, KeywordHistoryTakesNewKeywordsFirst) {
  RunResult r = Run(U8(u8"tab 1487 1\ndump\ntype 1307 \"富士山\"\nclick 1\n"));
  EXPECT_EQ(DumpAt(r).Control(1307).Items(), Texts({U8(u8"高尾山"), U8(u8"丹沢")}));
  EXPECT_EQ(Fields(r.out)[35], U8(u8"富士山"));
  EXPECT_EQ(History(), Sjis(U8(u8"富士山\r\n高尾山\r\n丹沢\r\n")));
  // A known keyword leaves the file; Enter in the box takes the typed text too.
  EXPECT_EQ(Fields(Run("tab 1487 1\nselect 1307 2\nclick 1\n").out)[35], U8(u8"丹沢"));
  EXPECT_EQ(History(), Sjis(U8(u8"富士山\r\n高尾山\r\n丹沢\r\n")));
  EXPECT_EQ(Fields(Run("tab 1487 1\ntype 1307 \"x\"\nenter\n").out)[35], "x");
  EXPECT_EQ(History(), Sjis(U8(u8"x\r\n富士山\r\n高尾山\r\n丹沢\r\n")));
  // The keyword from the host is shown and written at OK.
  r = Run("tab 1487 1\ndump\nclick 1\n", {{39, U8(u8"筑波山")}});
  EXPECT_EQ(DumpAt(r).Control(1307).Text(), U8(u8"筑波山"));
  EXPECT_EQ(History().substr(0, 8), Sjis(U8(u8"筑波山\r\n")));
  // Without a TEMP folder the history is not kept; the keyword still returns.
  std::filesystem::remove_all(m_dir.path() / "TEMP");
  EXPECT_EQ(Fields(Run("click 1\n", {{39, "y"}}).out)[35], "y");
  EXPECT_FALSE(std::filesystem::exists(m_dir.path() / "TEMP"));
}

TEST_F(MapSpecDialog, GridLinesAndSheetFrameExcludeEachOther) {
  std::vector<std::string> f = Fields(Run("tab 1487 2\nclick 1062\nclick 1053\nclick 1056\nclick 1060\nclick 1\n").out);
  EXPECT_EQ(f[8] + "|" + f[27] + f[28] + f[30] + f[31], "10|ONonOFFBLUE");
  f = Fields(Run("tab 1487 2\nclick 1062\nclick 1063\nclick 1\n").out);
  EXPECT_EQ(f[28] + f[30], "offON");
  RunResult r = Run("tab 1487 2\ndump\nclick 1063\ndump\nclick 1\n", {{12, "1"}});
  EXPECT_EQ(DumpAt(r, 0).Control(1063).Checked(), 0);
  EXPECT_EQ(DumpAt(r, 1).Control(1063).Checked(), 0);
  EXPECT_EQ(Fields(r.out)[30], "ON");
}

TEST_F(MapSpecDialog, LakeAndDatumPages) {
  RunResult r = Run("click 1367\ndump\nclick 1273\nclick 1286\nclick 1275\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Control(1273).Checked(), 0);
  EXPECT_EQ(DumpAt(r).Control(1285).Checked(), 0);
  std::vector<std::string> f = Fields(r.out);
  EXPECT_EQ(f[12] + f[13] + f[14] + f[15] + f[16] + f[18], "011010");
  r = Run("tab 1487 5\nselect 1064 0\ndump\nclick 1066\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Control(1066).Checked(), 0);
  EXPECT_EQ(Fields(r.out)[22] + Fields(r.out)[23], "00");
}

TEST_F(MapSpecDialog, PlaceNamePageFilesLabelAndStatus) {
  RunResult r = Run("tab 1487 0\ndump\nclick 1015\nclick 1015\nclick 1015\nclick 219\ndump\nclick 216\ndump\n"
                    "select 1031 3\nclick 1466\nclick 1\n");
  const Dump opened = DumpAt(r, 0);
  EXPECT_EQ(opened.Control(1332).Items(), Texts({"d:\\names\\kanto.pnt", "d:\\names\\tokai.pnt"}));
  EXPECT_EQ(opened.Control(1332).Text(), U8(u8"ﾌｧｲﾙ:kanto.pnt"));
  EXPECT_EQ(opened.Control(1045).Text(), U8(u8"地名：黒色で表示"));
  EXPECT_EQ(opened.Control(1014).Text(), "10");
  EXPECT_EQ(opened.Control(216).Checked(), 1);
  EXPECT_EQ(opened.Control(219).Checked(), 0);
  EXPECT_EQ(DumpAt(r, 1).Control(1332).Text(), U8(u8"ﾌｧｲﾙ:全域＋地域"));
  EXPECT_EQ(DumpAt(r, 2).Control(1332).Text(), U8(u8"ﾌｧｲﾙ:5339.dem"));
  std::vector<std::string> f = Fields(r.out);
  EXPECT_EQ(f[5] + f[6] + f[7] + f[24] + f[34], U8(u8"3143ﾌｧｲﾙ:5339.demTRANSPARENT"));
  // Choosing a listed file takes it; the whole-area files alone take the box's text.
  f = Fields(Run("tab 1487 0\nclick 219\nselect 1332 1\nclick 219\nclick 1\n").out);
  EXPECT_EQ(f[5] + f[24], "1d:\\names\\tokai.pnt");
}

TEST_F(MapSpecDialog, PlaceNamePageWithoutRegionalFileOrOnAWideAreaMap) {
  RunResult r = Run("tab 1487 0\ndump\nclick 219\nclick 1291\ndump\nclick 1291\ndump\nclick 1012\nclick 1\n",
                    {{6, "3"}, {7, "8"}, {23, "D:\\DATA\\9999.DEM"}, {25, ""}});
  EXPECT_EQ(DumpAt(r, 0).Control(1332).Text(), U8(u8"ﾌｧｲﾙ:地域地点名ﾌｧｲﾙ"));
  EXPECT_EQ(DumpAt(r, 1).Control(219).Checked(), 0);
  EXPECT_EQ(DumpAt(r, 1).Control(1045).Text(), U8(u8" 地名がポップアップで表示"));
  EXPECT_EQ(DumpAt(r, 2).Control(1045).Text(), U8(u8"地点：黒色で表示"));
  EXPECT_EQ(Fields(r.out)[5] + Fields(r.out)[6], "18");
  r = Run("tab 1487 0\ndump\nclick 214\nclick 1\n", {{9, "1"}, {31, U8(u8"広域図")}});
  EXPECT_EQ(DumpAt(r).Control(1045).Text(), U8(u8"地図1Km#広域ﾌﾞﾛｯｸ図では地点名を表示しません。"));
  EXPECT_EQ(DumpAt(r).Control(214).Checked(), 0);
  EXPECT_EQ(Fields(r.out)[4], "0");
}

}  // namespace
}  // namespace topodlg::test
