// The terrain colouring, elevation band and lowland dialogs driven through
// topodlg's scripted user.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

namespace fs = std::filesystem;

// Arguments: highest, lowest, contour lines, interval, detail, scheme position,
// method, gradation, reduced mode; the data directory is the sample data.
RunResult MapType(const std::vector<int>& values, const std::string& script) {
  std::vector<std::string> args = {"call", "OnDlgMapType"};
  for (int v : values) args.push_back(std::to_string(v));
  args.push_back("D:\\");
  args.push_back("--drive");
  args.push_back("D=" + (fs::path(TOPODLG_SOURCE_DIR) / "examples/data").string());
  return RunCli(args, script);
}

const Texts kMethods = {U8(u8"標高(陰影処理Ａ/高速)"), U8(u8"標高(陰影処理Ｂ/中速)"), U8(u8"標高(メッシュ/高速)"),
                        U8(u8"標高(等高線/低速)"), U8(u8"地形無着色")};

TEST(TerrainColourDialog, OpensWithTheSchemeIndexAndTheSlowWarning) {
  RunResult r = MapType({2500, 0, 1, 120, 1, 2, 6, 0, 0}, "dump\nenter\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "120 1 2 6 0 1\n");
  const Dump dump = DumpAt(r);
  const DumpedControl schemes = dump.Control(1281);
  EXPECT_EQ(schemes.Text(), U8(u8"寒色"));
  EXPECT_TRUE(schemes.Enabled() && schemes.Visible());
  EXPECT_EQ(schemes.Items(), Texts({U8(u8"標準"), U8(u8"濃淡（緑）"), U8(u8"寒色"), U8(u8"地表（茶系）")}));
  EXPECT_EQ(schemes.Selected(), 2);
  EXPECT_EQ(dump.Control(1469).Items(), kMethods);
  EXPECT_EQ(dump.Control(1469).Selected(), 0);
  EXPECT_EQ(dump.Control(1288).Text(), U8(u8"描画が遅くなります!"));
  EXPECT_EQ(dump.Control(1289).Checked(), 1);

  r = MapType({2500, 0, -999, 200, 1, 0, 7, 0, 0}, "dump\nescape\n");
  EXPECT_EQ(r.out, "\n");
  EXPECT_EQ(DumpAt(r).Control(1288).Text(), "");
  EXPECT_EQ(DumpAt(r).Control(1289).Checked(), 0);
}

TEST(TerrainColourDialog, SchemeChoiceSetsGradationAndDetail) {
  // 2,500 / 120 = 20 colour steps: full detail; 2,000 / 120 = 16: detail 1.
  EXPECT_EQ(MapType({2500, 0, 1, 120, 0, 0, 5, 0, 0}, "select 1281 1\nenter\n").out, "120 2 1 5 1 1\n");
  EXPECT_EQ(MapType({2000, 0, 1, 120, 2, 1, 5, 1, 0}, "select 1281 3\nenter\n").out, "120 1 3 5 0 1\n");
  // An interval of 0 from the host counts as too few steps, without a fault.
  EXPECT_EQ(MapType({2000, 0, 1, 0, 2, 1, 5, 1, 0}, "select 1281 0\nenter\n").out, "0 1 0 5 0 1\n");
}

TEST(TerrainColourDialog, SpinButtonsStepTheIntervalAndItsDetail) {
  RunResult r = MapType({3000, 0, 1, 100, 1, 0, 6, 0, 0}, "click 1283\ndump\nclick 1284\nclick 1284\nenter\n");
  EXPECT_EQ(r.out, "90 2 0 6 0 1\n");
  const Dump dump = DumpAt(r);
  EXPECT_EQ(dump.Control(1282).Text(), "200");
  EXPECT_EQ(dump.Control(1288).Text(), "");  // 200 and up: not slow
  EXPECT_EQ(MapType({3000, 0, 1, 80, 1, 0, 6, 0, 0}, "click 1284\nenter\n").out, "80 2 0 6 0 1\n");
  EXPECT_EQ(MapType({3000, 0, 1, 300, 1, 0, 6, 0, 0}, "click 1283\nenter\n").out, "400 0 0 6 0 1\n");
  EXPECT_EQ(MapType({3000, 0, 1, INT_MAX, 1, 0, 6, 0, 0}, "click 1283\nenter\n").out, "2147483647 0 0 6 0 1\n");
  // Text typed into the interval is replaced by the member when a spin refills it.
  EXPECT_EQ(MapType({3000, 0, 1, 300, 1, 0, 6, 0, 0}, "type 1282 150\nclick 1284\nenter\n").out,
            "200 1 0 6 0 1\n");
}

TEST(TerrainColourDialog, NoColouringForcesContoursAndBlanksTheScheme) {
  RunResult r = MapType({3000, 0, -999, 300, 0, 1, 3, 0, 0}, "dump\nclick 1289\nselect 1469 0\ndump\nenter\n");
  EXPECT_EQ(DumpAt(r, 0).Control(1281).Text(), "");
  EXPECT_EQ(DumpAt(r, 0).Control(1469).Selected(), 4);
  EXPECT_EQ(DumpAt(r, 1).Control(1281).Text(), U8(u8"濃淡（緑）"));
  EXPECT_EQ(r.out, "300 0 1 6 0 1\n");  // the contour box stayed set under "地形無着色"

  r = MapType({3000, 0, 1, 300, 0, 1, 103, 0, 0}, "dump\nclick 1289\nenter\n");
  EXPECT_EQ(DumpAt(r).Control(1281).Text(), U8(u8"濃淡（緑）"));
  EXPECT_EQ(r.out, "300 0 1 3 0 1\n");
  EXPECT_EQ(MapType({3000, 0, -999, 300, 0, 1, 5, 0, 0}, "select 1469 4\nclick 1289\nselect 1469 1\nclick 1289\nenter\n").out,
            "300 0 1 7 0 -999\n");
}

TEST(TerrainColourDialog, ReducedModeListsTwoMethodsAndReturnsCodes) {
  RunResult r = MapType({3000, 0, 1, 300, 0, 0, 5, 0, 1}, "dump\nenter\n");
  EXPECT_EQ(DumpAt(r).Control(1469).Items(), Texts({kMethods[0], kMethods[2]}));
  EXPECT_EQ(DumpAt(r).Control(1469).Selected(), 1);
  EXPECT_EQ(r.out, "300 0 0 5 0 1\n");
  EXPECT_EQ(MapType({3000, 0, 1, 300, 0, 0, 6, 0, 1}, "enter\n").out, "300 0 0 6 0 1\n");
  EXPECT_EQ(MapType({3000, 0, 1, 300, 0, 0, 6, 0, 1}, "select 1469 1\nenter\n").out, "300 0 0 5 0 1\n");
  // Another reduced mode keeps the two items but returns the position.
  EXPECT_EQ(MapType({3000, 0, 1, 300, 0, 0, 5, 0, 2}, "enter\n").out, "300 0 0 1 0 1\n");
}

TEST(TerrainColourDialog, MissingIndexAndBadNumbers) {
  RunResult r = RunCli({"call", "OnDlgMapType", "3000", "0", "1", "300", "0", "7", "5", "0", "0", "/nonexistent/"},
                       "dump\ntype 1282 x\nenter\nanswer ok\nescape\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(DumpAt(r).Control(1281).Items(), Texts{});
  EXPECT_EQ(DumpAt(r).Control(1281).Selected(), -1);
  EXPECT_EQ(Events(r.log, "messagebox").size(), 1u);
  EXPECT_EQ(r.out, "\n");
  r = RunCli({"call", "OnDlgMapType", "3000", "0", "1", "300", "0", "7", "5", "0", "0", "/nonexistent/"}, "enter\n");
  EXPECT_EQ(r.out, "300 0 7 5 0 1\n");
}

std::string Bands(const std::string& flags, const std::string& script, std::string* log = nullptr) {
  RunResult r = RunCli({"call", "OnDlgHgtS", flags}, script);
  if (log) *log = r.log;
  return r.out;
}

TEST(ElevationBandsDialog, BandBelowZeroIsAlwaysColouredUnlessAllAre) {
  std::string log;
  EXPECT_EQ(Bands(std::string(90, '0'), "dump\nenter\n", &log), "01" + std::string(88, '0') + "\n");
  EXPECT_EQ(DumpAt(log).Control(1159).Checked(), 1);
  EXPECT_EQ(Bands(std::string(90, '0'), "click 1158\nenter\n"), "1" + std::string(89, '0') + "\n");
  EXPECT_EQ(Bands("1" + std::string(89, '1'), "click 1158\nenter\n"), "01" + std::string(88, '0') + "\n");
  EXPECT_EQ(Bands(std::string(90, '0'), "escape\n"), "\n");
}

TEST(ElevationBandsDialog, GroupButtonsSetTheirWholeGroup) {
  std::string log;
  std::string expected = "01" + std::string(88, '0');
  for (int i = 6; i <= 11; ++i) expected[i] = '1';
  EXPECT_EQ(Bands(std::string(90, '0'), "click 1163\ndump\nenter\n", &log), expected + "\n");
  EXPECT_EQ(DumpAt(log).Control(1163).Checked(), 1);
  // F82-F89 have no button and pass through; all elevations clears them.
  std::string tail = std::string(82, '0') + "11111111";
  EXPECT_EQ(Bands(tail, "click 1163\nclick 1163\nenter\n"), "01" + std::string(80, '0') + "11111111\n");
  // Groups follow their leading flag; other digits and short strings read as 0.
  std::string mixed = "0000" + std::string(47, '0') + "5";
  expected = "01" + std::string(88, '0');
  for (int i = 42; i <= 51; ++i) expected[i] = '1';
  EXPECT_EQ(Bands(mixed, "click 1167\nenter\n"), expected + "\n");
  // Up to "< 2000m" a leading flag turns on only from 0: a 2 is turned off.
  std::string two = std::string(90, '0');
  two[11] = '2';
  EXPECT_EQ(Bands(two, "click 1163\ndump\nenter\n", &log), "01" + std::string(88, '0') + "\n");
  EXPECT_EQ(DumpAt(log).Control(1163).Checked(), 0);
  EXPECT_EQ(Bands("", "click 1160\nclick 1160\nenter\n"), "01" + std::string(88, '0') + "\n");
}

std::string Lowland(const std::string& values, const std::string& script, std::string* log = nullptr) {
  RunResult r = RunCli({"call", "OnDlgLowland", values}, script);
  if (log) *log = r.log;
  return r.out;
}

TEST(LowlandDialog, ColouringStartsAStepAboveTheLowestGroundAndRestores) {
  EXPECT_EQ(Lowland("500 20 0 0", "click 1274\nclick 1091\nclick 1091\nenter\n"), "1 0\n");
  EXPECT_EQ(Lowland("500 20 0 0", "click 1274\nclick 1279\nenter\n"), "1 20\n");
  EXPECT_EQ(Lowland("3000 300 0 0", "click 1274\nclick 1279\nclick 1091\nclick 1091\nenter\n"), "1 0\n");
  EXPECT_EQ(Lowland("3000 300 1 400", "click 1275\nclick 1279\nclick 1274\nenter\n"), "1 400\n");
  EXPECT_EQ(Lowland("3000 300 1 400", "click 1275\nclick 1279\nenter\n"), "0 0\n");
  EXPECT_EQ(Lowland("3000 300 1 400", "escape\n"), "\n");
  EXPECT_EQ(Lowland("3000 300 1 2147483600", "click 1279\nenter\n"), "1 2147483647\n");
}

TEST(LowlandDialog, ShortArgumentsReadAsZero) {
  std::string log;
  EXPECT_EQ(Lowland("700 6", "dump\nenter\n", &log), "0 6\n");
  const Dump dump = DumpAt(log);
  EXPECT_EQ(dump.Control(1277).Text(), "700");
  EXPECT_EQ(dump.Control(1278).Text(), "0");
  EXPECT_EQ(dump.Control(1275).Checked(), 1);
  EXPECT_EQ(Lowland("", "enter\n"), "0 0\n");
  EXPECT_EQ(Lowland("1 2 1 abc", "type 1276 x\nenter\nanswer ok\nescape\n"), "\n");
}

}  // namespace
}  // namespace topodlg::test
