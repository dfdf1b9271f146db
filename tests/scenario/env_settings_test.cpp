// The environment settings through OnDlgSystm: the 48 arguments and the long
// result, the tabs and their pages, every page's handlers, the nested name
// dialogs, the whole-area file list with its reset, and the pickers.
#include <gtest/gtest.h>

#include <map>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

// The 30 group names (kind by kind) and the sheet precision, as argument 46.
const char8_t kGroups[] =
    u8"山歩き|車|||予備|エリア1||||エリア5|t0|t1|t2|t3|t4|l0||||l4|d0||||d4|g0|g1|g2|g3|g4|1";

// The result of the default arguments confirmed as they are: the whole-area
// file "RESET" has become the first registered file, the drive comes from the
// CD-ROM path, the switch text is "on".
const char8_t kPlainResult[] =
    u8"1|0|7|1|0|5|100|2|0|0|1|0|0|0|0|0|0|1|0|"
    u8"notepad|D:\\Names\\Kanto.pnt|on|D:\\DEM250\\|D:\\Km1\\|D:\\Avg\\|on|viewer.exe|NULL|Q:\\DATA\\||"
    u8"山頂|鉄塔|t3|t4|t5|t6|t7|t8|t9|t10|t11|t12|"
    u8"山歩き|車|||予備|エリア1||||エリア5|t0|t1|t2|t3|t4|l0||||l4|d0||||d4|g0|g1|g2|g3|g4|"
    u8"1|0|1|1|0|1|1\n";

class EnvSettingsDialog : public ::testing::Test {
 protected:
  EnvSettingsDialog() { m_data.Write("PNTFILE.dat", "D:\\Names\\Kanto.pnt\r\nd:\\names\\tokai.pnt\r\n\r\nd:\\after.pnt\r\n"); }

  // Arguments by position (1 to 48).
  std::vector<std::string> Arguments(const std::map<int, std::string>& changes) const {
    std::vector<std::string> args = {
        "1", "0", "7", "1", "0", "5", "100", "0", "1", "2", "9", "9", "9", "0", "0", "1", "0", "0", "0",
        "notepad", "RESET", "ignored", "LAST", "D:\\", "on", "D:\\DEM250\\", "D:\\Km1\\", "D:\\Avg\\", "off",
        "viewer.exe", "ignored", "q:\\data\\", "", U8(u8"山頂"), U8(u8"鉄塔"), "t3", "t4", "t5", "t6", "t7", "t8",
        "t9", "t10", "t11", "t12", U8(kGroups), "101", "11"};
    for (const auto& [position, value] : changes) args[static_cast<size_t>(position - 1)] = value;
    args.push_back("--drive");
    args.push_back("D=" + m_data.str());
    return args;
  }
  RunResult Run(const std::string& script, const std::map<int, std::string>& changes = {}) {
    return CallEntry("OnDlgSystm", Arguments(changes), script);
  }
  // The fields of a confirmed result, split at "|" (the last holds the newline).
  static std::vector<std::string> Fields(const std::string& out) {
    std::vector<std::string> fields(1);
    for (char c : out) {
      if (c == '|') fields.emplace_back();
      else if (c != '\n') fields.back() += c;
    }
    return fields;
  }
  TempDir m_data;
};

TEST_F(EnvSettingsDialog, OpensOnTheCurrentTabAndReturnsEverySettingAsPassed) {
  RunResult r = Run("dump\nclick 1\n");
  EXPECT_EQ(r.out, U8(kPlainResult));
  EXPECT_EQ(Events(r.log, "open").at(0).Line(), U8(u8R"({"event":"open","dialog":208,"title":"  環境設定"})"));
  Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1488).Items(), Texts({U8(u8" 地図"), U8(u8"指定方法"), U8(u8" 分類名"), U8(u8" E＆V"),
                                            U8(u8"ﾃｷｽﾄ画像")}));
  EXPECT_EQ(d.Control(1488).Selected(), 0);
  EXPECT_EQ(d.Control(214).Checked(), 1);
  // All five pages exist, made last tab first; only the current one shows.
  std::string pages;
  for (const DumpedPage& page : d.Pages()) pages += std::to_string(page.Dialog()) + (page.Visible() ? "+ " : "- ");
  EXPECT_EQ(pages, "197- 210- 211- 209- 212+ ");

  // The map page: 250 m folder lower-cased, the 1 km folders with their
  // speed-up copies, the drive, the registered whole-area files.
  EXPECT_EQ(d.Control(131).Text(), "d:\\dem250\\");
  EXPECT_EQ(d.Control(133).Text(), "d:\\km1\\binary\\");
  EXPECT_EQ(d.Control(135).Text(), "d:\\avg\\binary\\");
  EXPECT_EQ(std::to_string(d.Control(1051).Checked()) + std::to_string(d.Control(1240).Checked()) +
                std::to_string(d.Control(1052).Checked()),
            "011");
  EXPECT_EQ(d.Control(1182).Text(), "Q:");
  EXPECT_EQ(d.Control(1225).Items(), Texts({"D:\\Names\\Kanto.pnt", "d:\\names\\tokai.pnt"}));
  EXPECT_EQ(d.Control(1225).Text(), "d:\\names\\kanto.pnt");
  EXPECT_EQ(d.Control(1025).Checked(), 1);
  EXPECT_EQ(d.Control(1024).Checked(), 0);

  for (const char* script : {"click 2\n", "escape\n", "close\n", "tab 1488 2\nclick 1365\nclick 1\nclick 2\n"}) {
    EXPECT_EQ(Run(script).out, "\n") << script;
  }
}

TEST_F(EnvSettingsDialog, TabsShowOnePageAndTheLastTabShownComesBack) {
  RunResult r = Run("tab 1488 3\ndump\ntab 1488 1\nclick 1\n");
  Dump d = DumpAt(r);
  EXPECT_TRUE(d.Page(210).Visible());
  EXPECT_FALSE(d.Page(212).Visible());
  EXPECT_EQ(d.Control(1327).Text(), "notepad");
  EXPECT_EQ(Fields(r.out)[1], "1");
  // A hidden page's controls are out of the user's reach.
  std::vector<std::string> words = {"call", "OnDlgSystm"};
  for (const std::string& a : Arguments({})) words.push_back(a);
  EXPECT_EQ(RunCli(words, "tab 1488 3\nclick 132\nclick 1\n").exit, 3);

  // A tab number outside the five shows no page and comes back unchanged.
  r = Run("dump\nclick 1\n", {{2, "9"}});
  d = DumpAt(r);
  EXPECT_EQ(d.Control(1488).Selected(), -1);
  for (const DumpedPage& page : d.Pages()) EXPECT_FALSE(page.Visible()) << page.Dialog();
  EXPECT_EQ(Fields(r.out)[1], "9");
}

TEST_F(EnvSettingsDialog, StartInLastStateNeedsAState) {
  EXPECT_EQ(Fields(Run("click 214\nclick 1\n").out)[0], "0");
  EXPECT_EQ(Fields(Run("click 214\nclick 214\nclick 1\n").out)[0], "1");
  for (const char* state : {"SETUP", ""}) {
    RunResult r = Run("click 214\ndump\nclick 214\nclick 1\n", {{1, "0"}, {23, state}});
    EXPECT_EQ(DumpAt(r).Control(214).Checked(), 0);
    EXPECT_EQ(Fields(r.out)[0], "0");
    EXPECT_EQ(Fields(Run("click 1\n", {{23, state}}).out)[0], "1");  // untouched, it stays
  }
}

TEST_F(EnvSettingsDialog, DriveLettersAndMeshFoldersOnTheMapPage) {
  auto field = [](const RunResult& r, size_t i) { return Fields(r.out)[i]; };
  // Result texts: 19 editor ... 28 CD-ROM drive + "\DATA\".
  EXPECT_EQ(field(Run("click 1191\nclick 1\n", {{32, "a:"}}), 28), "Z:\\DATA\\");
  EXPECT_EQ(field(Run("click 1192\nclick 1192\nclick 1\n", {{32, "Y:\\"}}), 28), "A:\\DATA\\");
  EXPECT_EQ(field(Run("click 1\n", {{32, ""}}), 28), "A:\\DATA\\");
  RunResult r = Run("click 1191\ndump\nclick 1\n", {{32, "7:"}});
  EXPECT_EQ(DumpAt(r).Control(1182).Text(), "7");
  EXPECT_EQ(field(r, 28), "7\\DATA\\");

  // 250 m speed-up: on shows the "binary\" copy, off the folder; without a
  // folder it cannot be switched on.
  r = Run("click 1051\ndump\nclick 1051\ndump\nclick 1\n");
  EXPECT_EQ(DumpAt(r, 0).Control(131).Text(), "d:\\dem250\\binary\\");
  EXPECT_EQ(DumpAt(r, 0).Control(1051).Checked(), 1);
  EXPECT_EQ(DumpAt(r, 1).Control(131).Text(), "d:\\dem250\\");
  EXPECT_EQ(Fields(r.out)[76], "0");  // the 250 m speed-up
  r = Run("click 1051\ndump\nclick 1\n", {{26, ""}});
  EXPECT_EQ(DumpAt(r).Control(1051).Checked(), 0);
  EXPECT_EQ(Fields(r.out)[76], "0");

  // 1 km speed-up off: both folders as they are; on again: both copies. With
  // only the average folder it still ends on.
  r = Run("click 1052\ndump\nclick 1052\ndump\nclick 1240\nclick 1\n");
  EXPECT_EQ(DumpAt(r, 0).Control(133).Text(), "D:\\Km1\\");
  EXPECT_EQ(DumpAt(r, 0).Control(135).Text(), "D:\\Avg\\");
  EXPECT_EQ(DumpAt(r, 1).Control(135).Text(), "d:\\avg\\binary\\");
  EXPECT_TRUE(r.out.ends_with("|1|1|0|0|1\n")) << r.out;
  r = Run("click 1052\nclick 1052\ndump\nclick 1\n", {{27, ""}});
  EXPECT_EQ(DumpAt(r).Control(1052).Checked(), 1);
  EXPECT_TRUE(r.out.ends_with("|0|1|1\n")) << r.out;
  r = Run("click 1052\nclick 1052\ndump\nclick 1\n", {{28, ""}});
  EXPECT_EQ(DumpAt(r).Control(1052).Checked(), 0);
  EXPECT_EQ(DumpAt(r).Control(133).Text(), "d:\\km1\\binary\\");
  EXPECT_TRUE(r.out.ends_with("|0|1|0\n")) << r.out;

  // Precision radios and the whole-area combo.
  r = Run("click 1024\nselect 1225 1\nclick 1\n");
  EXPECT_EQ(Fields(r.out)[20], "d:\\names\\tokai.pnt");
  EXPECT_TRUE(r.out.ends_with("|0|1|0|1|1\n")) << r.out;
}

TEST_F(EnvSettingsDialog, TheFolderPickerTakesTheFolderOfThePick) {
  m_data.Write("DEM/A.SEM", "x");
  m_data.Write("TEM/b.tem", "x");
  RunResult r = Run("click 132\npick \"D:\\DEM\\A.SEM\"\nclick 136\npick \"D:\\TEM\\b.tem\"\nclick 134\npick cancel\n"
                    "dump\nclick 1\n");
  std::vector<std::string> f = Fields(r.out);
  EXPECT_EQ(f[22] + " " + f[23] + " " + f[24], "D:\\DEM\\ D:\\Km1\\ D:\\TEM\\");
  Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(131).Text(), "D:\\DEM\\");
  EXPECT_EQ(d.Control(133).Text(), "d:\\km1\\binary\\");
  EXPECT_EQ(d.Control(135).Text(), "D:\\TEM\\");
  std::vector<Event> pickers = Events(r.log, "filedialog");
  ASSERT_EQ(pickers.size(), 3u);
  EXPECT_EQ(pickers[0]["filter"].Str(),
            "YMD files (*.ymd)|*.ymd|SEM files (*.sem)|*.sem|DAT files (*.dat)|*.dat|All files (*.*)|*.*||");
  EXPECT_EQ(pickers[0]["defext"].Str() + " " + pickers[0]["initial"].Str(), "sem *.sem");
  EXPECT_EQ(pickers[1]["filter"].Str(),
            "TEM files (*.tem)|*.tem|SEM files (*.sem)|*.sem|DAT files (*.dat)|*.dat|All files (*.*)|*.*||");
  EXPECT_EQ(pickers[2]["defext"].Str() + " " + pickers[2]["initial"].Str(), "tem *.tem");
  EXPECT_TRUE(pickers[0]["mustexist"].Bool());
  EXPECT_EQ(Events(r.log, "beep").size(), 3u);
}

TEST_F(EnvSettingsDialog, WholeAreaRegistrationAndItsReset) {
  // A file chosen in the list becomes the whole-area file.
  RunResult r = Run("click 128\nselect 1335 2\nclick 1\ndump\nclick 1\n", {{21, "d:\\x.pnt"}});
  EXPECT_EQ(Fields(r.out)[20], "d:\\after.pnt");
  EXPECT_EQ(DumpAt(r).Control(1225).Text(), "d:\\after.pnt");
  EXPECT_EQ(Events(r.log, "open").at(1)["dialog"].Int(), 178);
  // The list dialog's status is 1 also for its second row: that resets too.
  EXPECT_EQ(Fields(Run("click 128\nselect 1335 1\nclick 1\nclick 1\n", {{21, "d:\\x.pnt"}}).out)[20],
            "D:\\Names\\Kanto.pnt");

  // A new registration (four dialogs deep: settings, page, list, picker)
  // resets to the first registered file and lists the new one.
  m_data.Write("names/New.PNT", "x");
  m_data.Write("PNTFILE.dat", "D:\\Names\\Kanto.pnt\r\n");
  r = Run("click 128\nclick 1184\npick \"D:\\names\\New.PNT\"\nenter\ndump\nclick 1\n", {{21, "d:\\x.pnt"}});
  EXPECT_EQ(Fields(r.out)[20], "D:\\Names\\Kanto.pnt");
  EXPECT_EQ(DumpAt(r).Control(1225).Items(), Texts({"D:\\Names\\Kanto.pnt", "d:\\names\\new.pnt"}));
  EXPECT_EQ(m_data.Read("PNTFILE.dat"), "D:\\Names\\Kanto.pnt\r\nd:\\names\\new.pnt\r\n");

  // Cancel in the list changes nothing.
  EXPECT_EQ(Fields(Run("click 128\nselect 1335 1\nescape\nclick 1\n", {{21, "d:\\x.pnt"}}).out)[20], "d:\\x.pnt");

  // "RESET" with nothing registered: no whole-area file, and nothing listed.
  m_data.Write("PNTFILE.dat", "");
  r = Run("dump\nclick 1\n");
  EXPECT_EQ(Fields(r.out)[20], "");
  EXPECT_EQ(DumpAt(r).Control(1225).Items().size(), 0u);
  EXPECT_EQ(DumpAt(r).Control(1225).Text(), "");
}

TEST_F(EnvSettingsDialog, MethodPageRadiosConfirmationsAndTheIndexMap) {
  RunResult r = Run("tab 1488 1\ndump\nclick 1187\nclick 1077\nclick 142\nclick 1013\nclick 1014\nclick 1\n");
  Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1186).Checked() * 10 + d.Control(1187).Checked(), 10);
  EXPECT_EQ(d.Control(1079).Checked(), 1);
  EXPECT_EQ(d.Control(142).Checked(), 1);
  EXPECT_EQ(d.Control(1013).Checked() * 10 + d.Control(1014).Checked(), 10);
  EXPECT_EQ(d.Control(1492).Checked(), 0);
  EXPECT_EQ(d.Control(1494).Checked(), 1);
  std::vector<std::string> f = Fields(r.out);
  EXPECT_EQ(f[7] + f[18] + f[21], "01off");  // projection, white map, range confirmation
  EXPECT_EQ(f[72] + f[73], "01");           // confirm distance, confirm profile

  // Range confirmation: "off" turns on, any other text turns off.
  EXPECT_EQ(Fields(Run("tab 1488 1\nclick 142\nclick 1\n", {{25, "off"}}).out)[21], "on");
  EXPECT_EQ(Fields(Run("tab 1488 1\nclick 142\nclick 1\n", {{25, "ON"}}).out)[21], "off");
  // A projection outside the three checks none.
  d = DumpAt(Run("tab 1488 1\ndump\nclick 1\n", {{10, "5"}}));
  EXPECT_EQ(d.Control(1077).Checked() + d.Control(1078).Checked() + d.Control(1079).Checked(), 0);

  // Ticking the other four groups makes all five: "all" instead.
  r = Run("tab 1488 1\nclick 1493\nclick 1495\nclick 1496\nclick 1497\ndump\nclick 1\n");
  d = DumpAt(r);
  EXPECT_EQ(d.Control(1492).Checked(), 1);
  for (int id = 1493; id <= 1497; ++id) EXPECT_EQ(d.Control(id).Checked(), 0) << id;
  EXPECT_EQ(Fields(r.out)[8] + Fields(r.out)[9] + Fields(r.out)[10], "100");
  // "All" clicked while ticked stays (no group is chosen); a group unticks it.
  r = Run("tab 1488 1\nclick 1492\nclick 1492\ndump\nclick 1496\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Control(1492).Checked(), 1);
  EXPECT_EQ(DumpAt(r).Control(1494).Checked(), 0);
  EXPECT_TRUE(r.out.starts_with("1|1|7|1|0|5|100|2|0|0|0|0|1|0|")) << r.out;
}

TEST_F(EnvSettingsDialog, GroupAndLandmarkTypeNamesInTheirOwnDialogs) {
  RunResult r = Run("tab 1488 2\nclick 1365\ndump\ntype 1326 \"T\"\ntype 1330 \"Z\"\nclick 1\n"
                    "click 1004\ntype 1326 \"lost\"\nclick 2\n"
                    "click 1402\ndump\ntype 1388 \"R\"\nclick 1\nclick 1\n");
  std::vector<Event> opened = Events(r.log, "open");
  ASSERT_EQ(opened.size(), 4u);
  EXPECT_EQ(opened[1].Line(), U8(u8R"({"event":"open","dialog":189,"title":"   トラックのグループ名称"})"));
  EXPECT_EQ(opened[2]["title"].Str(), U8(u8" ガイドブックのグループ名称"));
  EXPECT_EQ(opened[3]["dialog"].Int(), 220);
  Dump names = DumpAt(r, 0);
  EXPECT_EQ(names.Control(1326).Text() + names.Control(1330).Text(), "t0t4");
  EXPECT_EQ(DumpAt(r, 1).Control(1389).Text(), U8(u8"鉄塔"));
  std::vector<std::string> f = Fields(r.out);
  const size_t landmarks = 30, groups = 42;
  EXPECT_EQ(f[landmarks] + f[landmarks + 1], U8(u8"R鉄塔"));
  EXPECT_EQ(f[groups + 10] + f[groups + 14] + f[groups + 25], "TZg0");
}

TEST_F(EnvSettingsDialog, ProgramPickersOnTheEditorAndViewerPage) {
  m_data.Write("Tools/Edit.EXE", "x");
  RunResult r = Run("tab 1488 3\nclick 1328\npick \"D:\\Tools\\Edit.EXE\"\nclick 1268\npick cancel\nclick 1027\n"
                    "dump\nclick 1\n");
  Dump d = DumpAt(r);
  EXPECT_EQ(d.Control(1327).Text(), "d:\\tools\\edit.exe");
  EXPECT_EQ(d.Control(1220).Text(), "");  // a cancelled viewer pick empties the box only
  EXPECT_EQ(d.Control(1027).Checked(), 0);
  std::vector<std::string> f = Fields(r.out);
  EXPECT_EQ(f[19] + " " + f[26], "d:\\tools\\edit.exe viewer.exe");
  EXPECT_TRUE(r.out.ends_with("|1|0|0|1|1\n")) << r.out;
  std::vector<Event> pickers = Events(r.log, "filedialog");
  ASSERT_EQ(pickers.size(), 2u);
  EXPECT_EQ(pickers[0]["filter"].Str(), U8(u8"ｴﾃﾞｨﾀｰ (*.exe)|*.exe|All files (*.*)|*.*||"));
  EXPECT_EQ(pickers[1]["filter"].Str(), U8(u8"ﾋﾞｭｰﾜ files (*.exe)|*.exe|All files (*.*)|*.*||"));
  EXPECT_EQ(pickers[0]["defext"].Str() + " " + pickers[0]["initial"].Str(), "exe *.exe");

  r = Run("tab 1488 3\nclick 1268\npick \"D:\\Tools\\Edit.EXE\"\nclick 1\n");
  EXPECT_EQ(Fields(r.out)[26], "d:\\tools\\edit.exe");
}

TEST_F(EnvSettingsDialog, BrightnessFrameWidthAndTheTextImagePage) {
  RunResult r = Run("tab 1488 4\ndump\nscroll 1264 pageright\nscroll 1264 lineleft\nscroll 1264 endscroll\ndump\n"
                    "scroll 1264 thumbtrack 10\nscroll 1264 lineright\nclick 1267\nclick 1261\nclick 1262\n"
                    "click 1339\ndump\nclick 1\n");
  Dump first = DumpAt(r, 0);
  EXPECT_EQ(first.Control(1264).Min() * 100 + first.Control(1264).Max(), 10);
  EXPECT_EQ(first.Control(1264).Pos(), 5);
  EXPECT_EQ(first.Control(1263).Text(), "( 5/10)");
  EXPECT_EQ(first.Control(1265).Text(), "100");
  EXPECT_EQ(first.Control(1340).Checked(), 1);
  EXPECT_EQ(DumpAt(r, 1).Control(1263).Text(), "( 6/10)");
  Dump last = DumpAt(r, 2);
  EXPECT_EQ(last.Control(1264).Pos(), 10);
  EXPECT_EQ(last.Control(1263).Text(), "(10/10)");
  EXPECT_EQ(last.Control(1265).Text(), "110");
  EXPECT_EQ(last.Control(1261).Checked() * 10 + last.Control(1262).Checked(), 10);
  EXPECT_TRUE(r.out.starts_with("1|4|7|0|1|10|110|2|")) << r.out;
  EXPECT_EQ(Fields(r.out)[17], "0");

  // Bounds: 0 stays 0 on line left, 250 stays on "→", 10 on "←".
  EXPECT_TRUE(Run("tab 1488 4\nscroll 1264 lineleft\nclick 1267\nclick 1\n", {{6, "0"}, {7, "250"}})
                  .out.starts_with("1|4|7|1|0|0|250|"));
  EXPECT_TRUE(Run("tab 1488 4\nclick 1266\nclick 1\n", {{7, "10"}}).out.starts_with("1|4|7|1|0|5|10|"));
  EXPECT_TRUE(Run("tab 1488 4\nclick 1267\nclick 1\n", {{7, "400"}}).out.starts_with("1|4|7|1|0|5|250|"));
  EXPECT_TRUE(Run("tab 1488 4\nclick 1266\nclick 1\n", {{7, "400"}}).out.starts_with("1|4|7|1|0|5|390|"));
  // Out of range at start: shown as passed, kept until moved, then held inside.
  r = Run("tab 1488 4\ndump\nclick 1\n", {{6, "15"}, {7, "-3"}});
  EXPECT_EQ(DumpAt(r).Control(1263).Text(), "(15/10)");
  EXPECT_EQ(DumpAt(r).Control(1264).Pos(), 10);
  EXPECT_EQ(DumpAt(r).Control(1265).Text(), "-3");
  EXPECT_TRUE(r.out.starts_with("1|4|7|1|0|15|-3|")) << r.out;
  EXPECT_TRUE(Run("tab 1488 4\nscroll 1264 lineleft\nclick 1\n", {{6, "15"}}).out.starts_with("1|4|7|1|0|9|"));

  // The sibling program picker.
  m_data.Write("Sib/Go.exe", "x");
  r = Run("tab 1488 4\nclick 1295\npick \"D:\\Sib\\Go.exe\"\ndump\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Control(1294).Text(), "d:\\sib\\go.exe");
  EXPECT_EQ(Fields(r.out)[29], "d:\\sib\\go.exe");
}

TEST_F(EnvSettingsDialog, HostileInputNeitherCrashesNorShiftsFields) {
  // Double-byte texts with 0x7C and 0x5C second bytes, a malformed group list,
  // odd packed flags, and a list file with a long binary line.
  m_data.Write("PNTFILE.dat", std::string(3000, 'x') + "\r\n" + std::string("a\0\xff", 3) + "\r\n");
  RunResult r = Run("dump\nclick 1\n", {{21, "RESET"}, {32, U8(u8"表")}, {46, U8(u8"－|ソ|表|x")},
                                          {47, "-9999"}, {48, "2147483647"}, {20, U8(u8"ソ表")}});
  std::vector<std::string> f = Fields(r.out);
  ASSERT_EQ(f.size(), 19u + 11 + 12 + 30 + 2 + 5);
  EXPECT_EQ(f[19], U8(u8"ソ表"));
  EXPECT_EQ(f[20].size(), 199u);
  EXPECT_EQ(f[28], U8(u8"表\\DATA\\"));
  EXPECT_EQ(f[42] + "," + f[43] + "," + f[44] + "," + f[45], U8(u8"－,ソ,表,"));
  EXPECT_EQ(DumpAt(r).Control(1225).Items(), Texts({std::string(199, 'x'), "a"}));
  EXPECT_TRUE(r.out.ends_with("|-99|21474836|0|4|-9|-9|7\n")) << r.out;

  // A list of 100,000 files without a final line end is read whole, once.
  std::string huge;
  for (int i = 0; i < 100000; ++i) huge += "d:\\n" + std::to_string(i) + ".pnt\n";
  huge.pop_back();
  m_data.Write("PNTFILE.dat", huge);
  r = Run("select 1225 99999\nclick 1\n");
  EXPECT_EQ(Fields(r.out)[20], "d:\\n99999.pnt");
}

}  // namespace
}  // namespace topodlg::test
