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

// "name|file" per scheme, joined by ";".
std::string Show(const std::vector<SchemeEntry>& schemes) {
  std::string text;
  for (const auto& s : schemes) text += (text.empty() ? "" : ";") + s.name.str() + "|" + s.file.str();
  return text;
}

// "elevation level red green blue", or "-" for a line that is no colour line.
std::string Parsed(const char* text) {
  SchemeLine l;
  if (!ParseSchemeLine(text, l)) return "-";
  return CString::Formatted("%d %d %d %d %d", l.elevation, l.level, l.red, l.green, l.blue).str();
}

TEST_F(SchemeFiles, IndexEndsAtFirstEmptyLineAndSplitsAtFirstDollar) {
  EXPECT_EQ(Show(ReadSchemeIndex(Write("a.dat", "標準$Orbis1.plt\r\na$b$c\r\nno-dollar\r\n\r\nlater$x\r\n"))),
            "標準|Orbis1.plt;a|b$c;|no-dollar");
  EXPECT_TRUE(ReadSchemeIndex(CString(m_dir.str() + "/missing.dat")).empty());
}

TEST_F(SchemeFiles, BadlyEditedIndexReadsWithinItsLimits) {
  std::string many;
  for (int i = 0; i < 40; ++i) many += "s" + std::to_string(i) + "$f" + std::to_string(i) + "\n";  // no CR
  const auto thirty = ReadSchemeIndex(Write("many.dat", many));
  ASSERT_EQ(thirty.size(), 30u);
  EXPECT_EQ(Show({thirty[29]}), "s29|f29");
  // Only the first 98 bytes of a longer line count; its rest is no line.
  EXPECT_EQ(Show(ReadSchemeIndex(Write("long.dat", "N$" + std::string(148, 'x') + "\r\nM$y\r\n"))),
            "N|" + std::string(96, 'x') + ";M|y");
  EXPECT_EQ(ReadSchemeIndex(Write("binary.dat", std::string("\x01\xff\x81$\x00\x7f\r\n", 8))).size(), 1u);
}

TEST_F(SchemeFiles, TerrainListPassesOverCommentsAndEmptyLines) {
  std::string text = ";comment\r\n\r\n濃淡$Orbis1.plt\r\nno-dollar\r\n";
  for (int i = 0; i < 40; ++i) text += "n$f\r\n";
  const auto names = ReadSchemeNames(Write("PlttFile.dat", text));
  ASSERT_EQ(names.size(), 30u);
  EXPECT_EQ(names[0] + "|" + names[1] + "|" + names[2], "濃淡||n");
}

TEST_F(SchemeFiles, ColourLinesAreReadByColumns) {
  EXPECT_EQ(Parsed("1500 128  64   0     1,500m"), "1500 100 128 64 0");
  EXPECT_EQ(Parsed("   1   1   2   3"), "1 1 1 2 3");
  EXPECT_EQ(Parsed("4000   0   0   0"), "4000 255 0 0 0");
  EXPECT_EQ(Parsed("3990"), "3990 266 0 0 0");
  EXPECT_EQ(Parsed(""), "-");
  EXPECT_EQ(Parsed(";   0   0   0 255"), "-");
  // Columns are read alone: digits running over a column end are cut there.
  EXPECT_EQ(Parsed("12345678901234567"), "1234 82 678 12 456");
  EXPECT_EQ(Parsed("ab\x81\x5c 1x2"), "0 0 1 0 0");
  // A comment longer than a line's limit is cut, not read as colour lines.
  const std::string comment = ";name  D:\\" + std::string(200, '1') + "\\Orbis1.plt  \r\n";
  EXPECT_EQ(ReadSchemeFile(Write("Orbis1.plt", comment + "   0   0   0 255\r\n")).size(), 1u);
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
  EXPECT_EQ(colours[0], RGB(0, 0, 255));
  EXPECT_EQ(colours[11], RGB(10, 200, 30));
  // Level 66: trunc((66 - 1) x (q - p) / 254 + p) per channel.
  EXPECT_EQ(colours[4], RGB(72, 153, 55));
  EXPECT_EQ(colours[9], RGB(255, 20, 130));
  EXPECT_EQ(colours[kSwatchLake], 0u);
}

TEST(SchemeSwatches, PreviewSurvivesDisorderRepeatsAndLevelsOutOfRange) {
  // A falling pair (4,000 m before the sea, 3,990 m before -999 m) shades
  // nothing; two lines on one level give it the second colour; 3,990 m
  // (level 266) still shades the levels up to 255.
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
