// The white map: its options dialog, the sheet choice from a catalogue and the
// scale bar drawn into the context topodlg passes.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

const char kOptions[] = "1|2|3|3|2|4|1|1|1|0|1|7|1|11|9|1|1|#muni";

TEST(WhiteMapSpecDialog, OpensOnTheOptionsAndReturnsThemWithSymbolColourThreeReadAsOne) {
  RunResult r = CallEntry("OnDlgWmapSpec", {kOptions, "map.dat", "on", "ORNG"}, "dump\nclick 1\n");
  EXPECT_EQ(r.out, "1|2|3|1|2|4|1|1|1|0|1|7|1|11|9|1|1|map.dat|on|ORNG\n");
  const Dump dump = DumpAt(r);
  std::string checked;
  for (int id : {214, 131, 135, 121, 148, 1199, 1186, 1076, 1468, 1308, 1044, 1072, 1070, 142, 1310}) {
    checked += std::to_string(dump.Control(id).Checked());
  }
  EXPECT_EQ(checked, "111111111011111");
  EXPECT_EQ(dump.Control(1032).Selected(), 4);
  EXPECT_EQ(dump.Control(1065).Selected(), 1);
  EXPECT_EQ(dump.Control(1076).Text(), U8(u8"北海道 支庁界"));
}

TEST(WhiteMapSpecDialog, EveryControlSetsItsOption) {
  RunResult r = CallEntry("OnDlgWmapSpec", {kOptions, "map.dat", "on", "ORNG"},
                          "click 214\nclick 130\nclick 134\nclick 122\nclick 147\nselect 1032 14\nclick 1199\n"
                          "click 1468\nclick 1308\nclick 1043\nselect 1065 0\nclick 1071\nclick 1070\nclick 1076\n"
                          "click 142\nclick 1311\nclick 1\n");
  EXPECT_EQ(r.out, "0|1|2|2|1|14|0|1|0|1|0|7|0|10|9|0|0|map.dat|off|BLUE\n");
  EXPECT_EQ(CallEntry("OnDlgWmapSpec", {kOptions, "map.dat", "on", "ORNG"}, "escape\n").out, "\n");
}

TEST(WhiteMapSpecDialog, PrefectureBoundariesBlankAndRestoreTheHokkaidoBox) {
  RunResult r = CallEntry("OnDlgWmapSpec", {kOptions, "m", "off", "RED"}, "click 1186\ndump\nclick 1186\ndump\nclick 1\n");
  const DumpedControl blanked = DumpAt(r, 0).Control(1076), restored = DumpAt(r, 1).Control(1076);
  EXPECT_EQ(blanked.Text() + "|" + std::to_string(blanked.Checked()), "|0");
  EXPECT_EQ(restored.Text() + "|" + std::to_string(restored.Checked()), U8(u8"北海道 支庁界|1"));
  EXPECT_EQ(r.out, "1|2|3|1|2|4|1|1|1|0|1|7|1|11|9|1|1|m|off|RED\n");
}

TEST(WhiteMapSpecDialog, MunicipalBoundariesNeedTheirDataAndMissingOptionsReadAsZero) {
  RunResult r = CallEntry("OnDlgWmapSpec", {"0|1|1|1|1|0|0|0|0|0|0|0|0|10|0|1|0|#", "m", "on", "RED"},
                          "dump\nclick 1070\nclick 1070\nclick 1\n");
  EXPECT_EQ(DumpAt(r).Control(1070).Checked(), 0);
  EXPECT_EQ(DumpAt(r).Control(1076).Text(), "");
  EXPECT_EQ(r.out, "0|1|1|1|1|0|0|0|0|0|0|0|0|10|0|0|0|m|on|RED\n");
  EXPECT_EQ(CallEntry("OnDlgWmapSpec", {"1|2", "", "", ""}, "enter\n").out, "1|2|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|||\n");
}

// 9 bytes of code, the 12-byte name (code page 932), latitude at byte 22,
// longitude at 32.
std::string CatalogueLine(const std::string& name, const std::string& latitude, const std::string& longitude) {
  std::string line = "NJ-54-01 " + Sjis(name);
  line.resize(22, ' ');
  line += latitude;
  line.resize(32, ' ');
  return line + longitude + "\r\n";
}

class SheetSelectDialog : public ::testing::Test {
 protected:
  SheetSelectDialog() {
    m_path = m_dir.Write("zusei.txt", (";sheets\r\n" + CatalogueLine(U8(u8"稚内"), "45.2000", "141.0000") +
                                          CatalogueLine(U8(u8"長野"), "36.4000", "138.0000") +
                                          CatalogueLine(U8(u8"長野Ｂ"), "36.4000", "138.0000") +
                                          CatalogueLine(U8(u8"南鳥島"), "24.0000", "148.0000") +
                                          CatalogueLine(U8(u8"鹿児島"), "31.2000", "130.0000")))
                 .string();
  }
  RunResult Run(const std::string& region, const std::string& sheet, const std::string& script) {
    return CallEntry("OnWhiteMapAccess", {m_path, region, sheet, "1"}, script);
  }
  TempDir m_dir;
  std::string m_path;
};

TEST_F(SheetSelectDialog, RegionsListTheirSheetsAndAChoiceShowsPositionAndMeshCode) {
  RunResult r = Run(U8(u8"全国"), "", "dump\nclick 1225\ndump\nclick 1224\nselect 1232 2\ndump\nclick 1235\nclick 1\n");
  EXPECT_EQ(DumpAt(r, 0).Control(1231).Text(), U8(u8"図幅数=4"));
  EXPECT_EQ(DumpAt(r, 0).Control(1234).Checked(), 1);
  const Dump north = DumpAt(r, 1);
  EXPECT_EQ(north.Control(1232).Items(), Texts{U8(u8"稚内        ")});
  EXPECT_EQ(north.Control(1223).Text() + north.Control(1231).Text(), U8(u8"北海道図幅数=1"));
  const Dump chosen = DumpAt(r, 2);
  EXPECT_EQ(chosen.Control(1220).Text() + "|" + chosen.Control(1221).Text() + "|" + chosen.Control(1222).Text(),
            " 24.0000 |153.0000|3653");
  EXPECT_EQ(r.out, U8(u8"2|南鳥島      |全国\n"));
}

TEST_F(SheetSelectDialog, TheCurrentSheetIsShownAndKeptWhenNothingIsChosen) {
  RunResult r = Run(U8(u8"関東信越"), U8(u8"長野        "), "dump\nclick 1\n");
  const Dump dump = DumpAt(r);
  EXPECT_EQ(dump.Control(1232).Selected(), 0);
  EXPECT_EQ(dump.Control(1220).Text() + "|" + dump.Control(1221).Text() + "|" + dump.Control(1231).Text(),
            U8(u8" 36.4000 |138.0000|図幅数=2"));
  EXPECT_EQ(r.out, U8(u8"1|長野        |関東信越\n"));
  EXPECT_EQ(Run(U8(u8"九州沖縄"), U8(u8"長野"), "click 2\n").out, "\n");
  // A missing catalogue lists nothing; an unknown region lists every sheet.
  EXPECT_EQ(DumpAt(CallEntry("OnWhiteMapAccess", {m_path + "x", "", "", "2"}, "dump\nescape\n")).Control(1231).Text(),
            U8(u8"図幅数=0"));
  EXPECT_EQ(DumpAt(Run("?", "", "dump\nescape\n")).Control(1231).Text(), U8(u8"図幅数=4"));
}

TEST(WhiteScaleBarCall, DrawsIntoTheContextTopodlgPasses) {
  RunResult r = CallEntry("OnWhiteScaleX", {"3", "1.0", "5000", "600", "1.0"}, "# draws only\n");
  EXPECT_EQ(r.out, "");
  auto drawings = Events(r.log, "drawing");
  ASSERT_EQ(drawings.size(), 1u);
  Texts ops;
  for (const JsonValue& op : drawings[0]["ops"].Elements()) ops.push_back(op.Json());
  EXPECT_NE(std::ranges::find(ops, R"({"op":"line","from":[4990,595],"to":[546,595],"color":"#000000","width":1})"),
            ops.end())
      << drawings[0].Line();
  // The distance is written on a transparent background.
  const auto label = std::ranges::find_if(ops, [](const std::string& op) {
    return op.starts_with(R"({"op":"text","at":[2753,572],"text":"50Km",)");
  });
  ASSERT_NE(label, ops.end()) << drawings[0].Line();
  ASSERT_NE(label, ops.begin());
  EXPECT_EQ(*(label - 1), R"({"op":"bkmode","mode":"transparent"})");
  // A zero divisor draws a bar of no length rather than failing.
  EXPECT_EQ(CallEntry("OnWhiteScaleX", {"1", "1.0", "0", "0", "0"}, "# draws only\n").exit, 0);
}

}  // namespace
}  // namespace topodlg::test
