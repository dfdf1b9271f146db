#include "dialogs/appearance/color_scheme_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/text_file.h"
#include "tests/support/topodlg_run.h"

namespace topodlg {
namespace {

namespace fs = std::filesystem;

class SchemeFiles : public ::testing::Test {
 protected:
  CString Write(const std::string& name, const std::string& bytes) { return CString(m_dir.Write(name, bytes).string()); }
  test::TempDir m_dir;
};

TEST_F(SchemeFiles, IndexEndsAtFirstEmptyLineAndSplitsAtFirstDollar) {
  const CString path = Write("PlttFile.dat", "標準$Orbis1.plt\r\na$b$c\r\nno-dollar.plt\r\n\r\nlater$Orbis9.plt\r\n");
  const auto schemes = ReadSchemeIndex(path);
  ASSERT_EQ(schemes.size(), 3u);
  EXPECT_EQ(schemes[0].name, "標準");
  EXPECT_EQ(schemes[0].file, "Orbis1.plt");
  EXPECT_EQ(schemes[1].name, "a");
  EXPECT_EQ(schemes[1].file, "b$c");
  EXPECT_EQ(schemes[2].name, "");
  EXPECT_EQ(schemes[2].file, "no-dollar.plt");
  EXPECT_TRUE(ReadSchemeIndex(CString(m_dir.str() + "/missing.dat")).empty());
}

TEST_F(SchemeFiles, BadlyEditedIndexReadsWithinItsLimits) {
  std::string many;
  for (int i = 0; i < 40; ++i) many += "s" + std::to_string(i) + "$f" + std::to_string(i) + "\n";  // no CR
  const auto thirty = ReadSchemeIndex(Write("many.dat", many));
  ASSERT_EQ(thirty.size(), 30u);
  EXPECT_EQ(thirty[29].name, "s29");
  EXPECT_EQ(thirty[29].file, "f29");

  // Only the first 98 bytes of a longer line count; its rest is no line.
  const auto longLine = ReadSchemeIndex(Write("long.dat", "N$" + std::string(148, 'x') + "\r\nM$y\r\n"));
  ASSERT_EQ(longLine.size(), 2u);
  EXPECT_EQ(longLine[0].file, std::string(96, 'x'));
  EXPECT_EQ(longLine[1].file, "y");

  const auto binary = ReadSchemeIndex(Write("binary.dat", std::string("\x01\xff\x81$\x00\x7f\r\n", 8)));
  ASSERT_EQ(binary.size(), 1u);
}

TEST_F(SchemeFiles, LongCommentLineIsNotTakenForColours) {
  const std::string comment = ";name  D:\\" + std::string(200, '1') + "\\Orbis1.plt  \r\n";
  const auto lines = ReadSchemeFile(Write("Orbis1.plt", comment + "   0   0   0 255\r\n4000 255 255 255\r\n"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].level, 255);
}

TEST_F(SchemeFiles, TerrainListPassesOverCommentsAndEmptyLines) {
  std::string text = ";comment\r\n\r\n濃淡$Orbis1.plt\r\nno-dollar\r\n";
  for (int i = 0; i < 40; ++i) text += "n$f\r\n";
  const auto names = ReadSchemeNames(Write("PlttFile.dat", text));
  ASSERT_EQ(names.size(), 30u);
  EXPECT_EQ(names[0], "濃淡");
  EXPECT_EQ(names[1], "");
  EXPECT_EQ(names[2], "n");
}

TEST(SchemeLine, ColumnsGiveElevationLevelAndColour) {
  SchemeLine line;
  ASSERT_TRUE(ParseSchemeLine("1500 128  64   0     1,500m", line));
  EXPECT_EQ(line.elevation, 1500);
  EXPECT_EQ(line.level, 100);
  EXPECT_EQ(line.red, 128);
  EXPECT_EQ(line.green, 64);
  EXPECT_EQ(line.blue, 0);
  EXPECT_EQ(ColourLevelOf(0), 0);
  EXPECT_EQ(ColourLevelOf(1), 1);
  EXPECT_EQ(ColourLevelOf(14), 0);
  EXPECT_EQ(ColourLevelOf(4000), 255);
  EXPECT_EQ(ColourLevelOf(3990), 266);

  EXPECT_FALSE(ParseSchemeLine("", line));
  EXPECT_FALSE(ParseSchemeLine(";   0   0   0 255", line));
  // Columns are read alone: digits running over a column end are cut there.
  ASSERT_TRUE(ParseSchemeLine("12345678901234567", line));
  EXPECT_EQ(line.elevation, 1234);
  EXPECT_EQ(line.red, 678);
  EXPECT_EQ(line.green, 12);
  EXPECT_EQ(line.blue, 456);
  ASSERT_TRUE(ParseSchemeLine("ab\x81\x5c 1x2", line));
  EXPECT_EQ(line.elevation, 0);
  EXPECT_EQ(line.red, 1);
  EXPECT_EQ(line.blue, 0);
}

TEST(SchemeFormat, NewSchemeWritesSeaZeroAndTopLevelsOnly) {
  EXPECT_EQ(FormatSchemeFile("新しい配色", "D:\\MAPDATA\\Orbis5.plt", NewSchemeColours()),
            ";新しい配色  D:\\MAPDATA\\Orbis5.plt  \r\n"
            "   0   0   0 255      （海域）  1:15\r\n"
            "   1 255 255 255         0m\r\n"
            "4000 255 255 255     4,000m\r\n");
}

TEST(SchemeFormat, SampleSchemesRoundTripByteForByte) {
  const fs::path data = fs::path(TOPODLG_SOURCE_DIR) / "examples/data";
  const auto schemes = ReadSchemeIndex(CString((data / "PlttFile.dat").string()));
  ASSERT_EQ(schemes.size(), 4u);
  for (const SchemeEntry& scheme : schemes) {
    const fs::path file = data / scheme.file.str();
    const auto lines = ReadSchemeFile(CString(file.string()));
    EXPECT_GE(lines.size(), 4u);
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(CString(file.string()), bytes));
    EXPECT_EQ(FormatSchemeFile(scheme.name, "D:\\MAPDATA\\" + scheme.file, SchemeSwatchColours(lines, false)),
              bytes)
        << scheme.file.str();
  }
}

std::vector<SchemeLine> Lines(std::initializer_list<std::array<int, 4>> rows) {
  std::vector<SchemeLine> lines;
  for (const auto& r : rows) lines.push_back({r[0], ColourLevelOf(r[0]), r[1], r[2], r[3]});
  return lines;
}

TEST(SchemeSwatches, WithoutPreviewOnlyTheElevenLevelsCountAndALaterLineWins) {
  const auto colours = SchemeSwatchColours(
      Lines({{0, 0, 0, 255}, {1, 1, 2, 3}, {1500, 128, 64, 0}, {1510, 9, 9, 9}, {1500, 7, 8, 300}}), false);
  EXPECT_EQ(colours[0], RGB(0, 0, 255));
  EXPECT_EQ(colours[11], RGB(1, 2, 3));
  EXPECT_EQ(colours[5], RGB(7, 8, 300 & 255));
  for (int swatch : {1, 2, 3, 4, 6, 7, 8, 9, 10, 12}) EXPECT_EQ(colours[swatch], 0u) << swatch;
}

TEST(SchemeSwatches, PreviewBlendsAcrossLeftOutLevels) {
  const auto colours =
      SchemeSwatchColours(Lines({{0, 0, 0, 255}, {1, 10, 200, 30}, {4000, 255, 20, 130}}), true);
  auto blend = [](int p, int q, int level) { return static_cast<int>((level - 1) * (q - p) / 254.0 + p); };
  EXPECT_EQ(colours[0], RGB(0, 0, 255));
  EXPECT_EQ(colours[11], RGB(10, 200, 30));
  EXPECT_EQ(colours[4], RGB(blend(10, 255, 66), blend(200, 20, 66), blend(30, 130, 66)));
  EXPECT_EQ(colours[4], RGB(72, 153, 55));
  EXPECT_EQ(colours[9], RGB(255, 20, 130));
  EXPECT_EQ(colours[kSwatchLake], 0u);
}

TEST(SchemeSwatches, PreviewSurvivesDisorderRepeatsAndLevelsOutOfRange) {
  // 4000 before 0: no pair rises across the middle, which stays black. Two
  // lines on one level give it the second colour. 3990 m (level 266) still
  // shades the levels up to 255.
  const auto colours = SchemeSwatchColours(
      Lines({{4000, 9, 9, 9}, {0, 1, 1, 1}, {0, 0, 0, 255}, {1, 50, 50, 50}, {3000, 100, 100, 100},
             {3990, 166, 166, 166}, {-999, 5, 5, 5}}),
      true);
  EXPECT_EQ(colours[0], RGB(0, 0, 255));
  EXPECT_EQ(colours[9], RGB(155, 155, 155));  // 100 + 55 * 66 / 66
  EXPECT_EQ(SchemeSwatchColours({}, true), SwatchColours{});
}

}  // namespace
}  // namespace topodlg
