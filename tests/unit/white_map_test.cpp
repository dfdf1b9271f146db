// The white map's sheet catalogue (columns, regions, sheet choice, mesh code)
// and its scale bar.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "dialogs/appearance/sheet_catalogue.h"
#include "dialogs/appearance/white_scale_bar.h"
#include "tests/support/topodlg_run.h"

namespace topodlg::test {
namespace {

// A catalogue line: 9 bytes of code, the 12-byte name, then latitude at byte
// 22 and longitude at byte 32.
std::string Line(const std::string& name, const std::string& latitude, const std::string& longitude) {
  std::string line = "NJ-54-01 " + name;
  line.resize(22, ' ');
  line += latitude;
  line.resize(32, ' ');
  return line + longitude + " x";
}

TEST(SheetCatalogue, KeepsSheetLinesOnlyAndStopsAtTwoHundred) {
  TempDir dir;
  std::string text = ";comment\r\n" + Line("長野", "36.4000", "138.0000") + "\r\n\r\n" +
                     Line("長野Ｂ", "36.4000", "138.0000") + "\r\nＢ" + Line("x", "1", "2") + "\r\n" +
                     std::string(500, 'L') + "\r\n";
  for (int i = 0; i < 300; ++i) text += Line("s" + std::to_string(i), "35.0000", "139.0000") + "\n";
  const std::string path = dir.Write("cat.txt", text).string();
  std::vector<CString> lines = ReadSheetCatalogue(path.c_str());
  ASSERT_EQ(lines.size(), 200u);
  EXPECT_EQ(SheetNameOf(lines[0]), "長野        ");
  EXPECT_EQ(LatitudeOf(lines[0]), "36.4000 ");
  EXPECT_EQ(LongitudeOf(lines[0]), "138.0000 ");
  EXPECT_EQ(lines[1], "");  // an empty line is kept (and never listed)
  EXPECT_EQ(lines[2].Left(2), "Ｂ");  // a full-width B as the first character does not drop the line
  EXPECT_EQ(lines[3], CString(std::string(199, 'L')));
  EXPECT_EQ(SheetNameOf(lines[4]), "s0          ");
  EXPECT_EQ(SheetNameOf(lines[199]), "s195        ");
  EXPECT_TRUE(ReadSheetCatalogue((dir.str() + "/missing.txt").c_str()).empty());
  EXPECT_EQ(SheetNameOf("short"), "");
}

TEST(SheetCatalogue, RegionsCompareTheColumnsAsText) {
  RegionBounds bounds;
  auto within = [&](const char* region, const std::string& lat, const std::string& lon) {
    EXPECT_TRUE(RegionBoundsOf(region, bounds)) << region;
    return LineWithin(Line("n", lat, lon).c_str(), bounds);
  };
  EXPECT_TRUE(within("北海道", "41.2000", "140.0000"));
  EXPECT_FALSE(within("北海道", "41.1959", "140.0000"));
  EXPECT_TRUE(within("東北", "38.0000", "140.0000"));
  EXPECT_TRUE(within("東北", "41.2000", "140.0000"));
  EXPECT_FALSE(within("東北", "41.2001", "140.0000"));
  EXPECT_TRUE(within("関東信越", "36.0000", "138.0000"));
  EXPECT_FALSE(within("関東信越", "36.0000", "137.5959"));
  EXPECT_TRUE(within("近畿中部", "35.0000", "137.5000"));
  EXPECT_FALSE(within("中国四国", "34.0000", "134.5001"));
  EXPECT_TRUE(within("九州沖縄", "26.0000", "127.0000"));
  // Only 7 latitude bytes take part: "41.20009" is still "41.2000".
  EXPECT_TRUE(within("東北", "41.20009", "140.0000"));
  EXPECT_TRUE(within("全国", "", ""));
  bounds = {"1", "2", "3", "4"};
  EXPECT_FALSE(RegionBoundsOf("どこか", bounds));
  EXPECT_EQ(bounds.east + bounds.north + bounds.west + bounds.south, "1234");
}

TEST(SheetCatalogue, ChoosingASheetCorrectsTheFarSheetsAndGivesItsMeshCode) {
  const std::vector<CString> lines = {Line("長野", "36.4000", "138.0000").c_str(),
                                      Line("南鳥島", "24.0000", "148.0000").c_str(),
                                      Line("沖ノ鳥島", "24.0000", "136.0000").c_str()};
  SheetChoice choice;
  ASSERT_TRUE(ChooseSheet(lines, "長野        ", choice));
  EXPECT_EQ(choice.line, 0);  // the first line is searched too
  EXPECT_EQ(choice.meshCode, "5538");
  ASSERT_TRUE(ChooseSheet(lines, "南鳥島", choice));
  EXPECT_EQ(choice.line, 1);
  EXPECT_EQ(choice.longitude, "153.0000");
  EXPECT_EQ(choice.latitude, "24.0000 ");
  EXPECT_EQ(choice.name, "南鳥島      ");
  ASSERT_TRUE(ChooseSheet(lines, "沖ノ鳥島", choice));
  EXPECT_EQ(choice.latitude, "20.0000");
  EXPECT_EQ(choice.longitude, "136.0000 ");
  EXPECT_EQ(choice.meshCode, "3036");
  EXPECT_FALSE(ChooseSheet(lines, "", choice));
  EXPECT_FALSE(ChooseSheet(lines, "東京", choice));
}

TEST(SheetCatalogue, MeshCodesOfOddTextsStayDefined) {
  EXPECT_EQ(MeshCodeOf("5.0000", "105.0000"), " 7 5");
  EXPECT_EQ(MeshCodeOf("36", "138"), "5438");
  EXPECT_EQ(MeshCodeOf("99999999999.9999", "-99999999999"), "3221225472-2147483748");
  EXPECT_EQ(MeshCodeOf("", ""), " 0-100");
}

TEST(WhiteScaleBar, LengthLabelAndUnmeasurableBars) {
  EXPECT_EQ(ScaleBarLength(3, 1.0f, 1.0f), 4444);
  EXPECT_EQ(ScaleBarLength(1, 1.0f, 1.0f), 888);
  EXPECT_EQ(ScaleBarLength(1, -1.0f, 1.0f), -888);
  EXPECT_EQ(ScaleBarLabel(3), "50Km");
  EXPECT_EQ(ScaleBarLabel(0), "10Km");
  EXPECT_EQ(ScaleBarLength(3, 1.0f, 0.0f), 0);
  EXPECT_EQ(ScaleBarLength(3, 0.0f, 0.0f), 0);
  EXPECT_EQ(ScaleBarLength(3, 1e30f, 1.0f), kMaxScaleBarLength);
  EXPECT_EQ(ScaleBarLength(3, -1e20f, 1.0f), -kMaxScaleBarLength);
  EXPECT_EQ(ScaleBarLength(1, std::numeric_limits<float>::quiet_NaN(), 1.0f), 0);
}

TEST(WhiteScaleBar, DrawsBarEndsTicksAndLabel) {
  Drawing drawing;
  CDC dc(&drawing);
  DrawWhiteScaleBar(dc, 1, 1.0f, 1000, 500, 1.0f);  // L = 888
  ASSERT_EQ(drawing.size(), 11u);
  auto line = [&](size_t i) {
    const DrawOp& op = drawing[i];
    return std::to_string(op.from.x) + "," + std::to_string(op.from.y) + "-" + std::to_string(op.to.x) + "," +
           std::to_string(op.to.y);
  };
  EXPECT_EQ(line(0), "990,495-102,495");
  EXPECT_EQ(line(1), "990,494-102,494");
  EXPECT_EQ(line(2), "990,491-102,491");
  EXPECT_EQ(line(3), "990,495-990,487");
  EXPECT_EQ(line(4), "991,495-991,487");
  EXPECT_EQ(line(5), "102,495-102,487");
  EXPECT_EQ(line(6), "101,495-101,487");
  EXPECT_EQ(line(7), "545,494-545,490");
  EXPECT_TRUE(drawing[8].kind == DrawOp::Kind::BkMode && drawing[8].transparent);
  EXPECT_EQ(drawing[9].text, "10Km");
  EXPECT_EQ(drawing[9].at.x, 1000 - 444 - 25);
  EXPECT_EQ(drawing[9].at.y, 472);
  EXPECT_TRUE(drawing[10].kind == DrawOp::Kind::BkMode && !drawing[10].transparent);

  drawing.clear();
  DrawWhiteScaleBar(dc, 3, 1.0f, 0, 0, 1.0f);  // L = 4444: four ticks at k·L/5
  ASSERT_EQ(drawing.size(), 14u);
  EXPECT_EQ(line(7), "-899,-6--899,-10");
  EXPECT_EQ(line(10), "-3566,-6--3566,-10");
  EXPECT_EQ(drawing[12].text, "50Km");

  // Far out, coordinates stop at the ends of the int range.
  drawing.clear();
  DrawWhiteScaleBar(dc, 3, 1e30f, std::numeric_limits<int>::min(), std::numeric_limits<int>::min(), 1.0f);
  EXPECT_EQ(drawing[0].to.x, std::numeric_limits<int>::min());
  EXPECT_EQ(drawing[0].from.y, std::numeric_limits<int>::min());
}

}  // namespace
}  // namespace topodlg::test
