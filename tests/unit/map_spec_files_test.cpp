// The map settings dialog's argument digits and result, its keyword history and
// the labels of its place-name files.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "dialogs/appearance/keyword_history.h"
#include "dialogs/appearance/map_spec_settings.h"
#include "dialogs/appearance/place_name_label.h"
#include "tests/support/topodlg_run.h"

namespace topodlg::test {
namespace {

std::array<CString, 18> Texts(const CString& kinds) {
  std::array<CString, 18> t;
  for (size_t i = 0; i < t.size(); ++i) t[i] = CString::Formatted("t%zu", i + 1);
  t[17] = kinds;
  return t;
}

TEST(MapSpecSettings, DigitsSplitAndPackBackAsTheSameSums) {
  std::array<int, 22> n{};
  for (int i = 0; i < 22; ++i) n[i] = i + 1;
  n[9] = 1011;
  n[10] = 1101;
  n[20] = 141;
  MapSpecSettings s = DecodeMapSpecArguments(n, Texts("1 0 0 0 0 0 0 0 0 0 0 1/x"));
  EXPECT_EQ(s.mergedNames * 1000 + s.subprefecture * 100 + s.prefecture * 10 + s.municipal, 1011);
  EXPECT_EQ(s.subprefecture, 0);
  EXPECT_EQ(s.enclaveNames * 1000 + s.municipalColour * 10 + s.namesWhenZoomed, 1000 + 100 + 1);
  EXPECT_EQ(s.municipalColour, 10);
  EXPECT_EQ(s.worldFrame * 100 + s.currentTab * 10 + s.datum, 141);
  EXPECT_EQ(s.allKinds + s.titleShown, 2);
  EXPECT_EQ(s.municipalMarker, "x");
  EXPECT_EQ(EncodeMapSpecResult(s),
            "3 1 2 4 5 6 7 8 22 1011 1101 0 13 14 15 16 17 18 19 20 4 1 1 1 "
            "t3|t4|t5|t7|t8|t6|t10|t11|t12|t13|t14|t17|t16|1 0 0 0 0 0 0 0 0 0 0 ");
  for (int v : {0, 7, 12345, -1011, INT_MAX, INT_MIN}) {
    n[9] = n[10] = v;
    s = DecodeMapSpecArguments(n, Texts(""));
    EXPECT_EQ(PackBoundaries(s), v);
    EXPECT_EQ(PackBoundaryDetails(s), v);
  }
}

TEST(MapSpecSettings, ShortOrMissingKindFieldsReadAsZero) {
  MapSpecSettings s = DecodeMapSpecArguments({}, Texts("1 1 0 1"));
  EXPECT_EQ(s.allKinds, 1);
  EXPECT_EQ(s.kinds[0] * 100 + s.kinds[1] * 10 + s.kinds[2], 101);
  EXPECT_EQ(s.kinds[2], 1);
  EXPECT_EQ(s.titleShown, 0);
  EXPECT_EQ(s.municipalMarker, "");
  s = DecodeMapSpecArguments({}, Texts("0 0 0 0 0 0 0 0 0 0 1 1 7 8/a/b"));
  EXPECT_EQ(s.kinds[9] + s.titleShown, 2);
  EXPECT_EQ(s.municipalMarker, "a/b");
}

class KeywordHistory : public ::testing::Test {
 protected:
  CString Path() const { return (m_dir.str() + "/TEMP/KEYWORD.TXT").c_str(); }
  TempDir m_dir;
};

TEST_F(KeywordHistory, NewKeywordGoesFirstAndTheTwentiethOldLineIsDropped) {
  std::string text = "\r\n";
  for (int i = 1; i <= 25; ++i) text += "k" + std::to_string(i) + "\r\n";
  m_dir.Write("TEMP/KEYWORD.TXT", text);
  EXPECT_EQ(UpdateKeywordHistory(Path(), "k20"), KeywordUpdate::Known);
  EXPECT_EQ(m_dir.Read("TEMP/KEYWORD.TXT"), text);
  // k21 lies beyond the twenty lines compared: it comes in again.
  EXPECT_EQ(UpdateKeywordHistory(Path(), "k21"), KeywordUpdate::Written);
  std::string expected = "k21\r\n";
  for (int i = 1; i <= 19; ++i) expected += "k" + std::to_string(i) + "\r\n";
  EXPECT_EQ(m_dir.Read("TEMP/KEYWORD.TXT"), expected);
}

TEST_F(KeywordHistory, MissingFileOrFolderAndLongLines) {
  // No TEMP folder: nothing is created.
  EXPECT_EQ(UpdateKeywordHistory(Path(), "山"), KeywordUpdate::WriteFailed);
  EXPECT_FALSE(std::filesystem::exists(m_dir.path() / "TEMP"));
  std::filesystem::create_directory(m_dir.path() / "TEMP");
  EXPECT_EQ(UpdateKeywordHistory(Path(), "山"), KeywordUpdate::Written);
  EXPECT_EQ(m_dir.Read("TEMP/KEYWORD.TXT"), "山\r\n");
  // An over-long line is compared and kept as its first 79 bytes; the box
  // lists up to 199 bytes of it.
  m_dir.Write("TEMP/KEYWORD.TXT", std::string(300, 'a') + "\r\n");
  EXPECT_EQ(UpdateKeywordHistory(Path(), std::string(79, 'a')), KeywordUpdate::Known);
  ASSERT_EQ(ReadKeywordList(Path()).size(), 1u);
  EXPECT_EQ(ReadKeywordList(Path())[0].GetLength(), 199);
  EXPECT_EQ(UpdateKeywordHistory(Path(), "b"), KeywordUpdate::Written);
  EXPECT_EQ(m_dir.Read("TEMP/KEYWORD.TXT"), "b\r\n" + std::string(79, 'a') + "\r\n");
}

TEST_F(KeywordHistory, TheBoxListsAtMostAHundredNonEmptyLines) {
  std::string text;
  for (int i = 0; i < 150; ++i) text += "w" + std::to_string(i) + "\n\n";
  m_dir.Write("TEMP/KEYWORD.TXT", text);
  std::vector<CString> list = ReadKeywordList(Path());
  ASSERT_EQ(list.size(), 100u);
  EXPECT_EQ(list[99], "w99");
  EXPECT_TRUE(ReadKeywordList("/no/such/file").empty());
}

TEST(PlaceNameLabels, FileLabelTakesEightCharactersBeforeTheDotLowerCasedAndCutAtABlank) {
  EXPECT_EQ(PlaceNameFileLabel("D:\\MAPDATA\\NAMES\\KANTO.PNT"), "ﾌｧｲﾙ:kanto.pnt");
  EXPECT_EQ(PlaceNameFileLabel("D:\\NAMES\\LONGFILENAME.PNT"), "ﾌｧｲﾙ:filename.pnt");
  EXPECT_EQ(PlaceNameFileLabel("D:\\地名\\東京都地名一覧表.PNT"), "ﾌｧｲﾙ:東京都地名一覧表.pnt");
  EXPECT_EQ(PlaceNameFileLabel("d:\\a\\b.pnt 関東の地名"), "ﾌｧｲﾙ:b.pnt");
  EXPECT_EQ(PlaceNameFileLabel("d:\\a\\b.pnt　全域"), "ﾌｧｲﾙ:b.pnt");
  EXPECT_EQ(PlaceNameFileLabel("d:\\names\\"), "全域地点ﾌｧｲﾙは未登録");
  EXPECT_EQ(PlaceNameFileLabel("d:\\names\\NODOT"), "ﾌｧｲﾙ:nodot");
  EXPECT_EQ(PlaceNameModeLabel(5), PlaceNameModeLabel(3));
  EXPECT_EQ(PlaceNameModeLabel(7), "ﾌｧｲﾙ:全域＋地域");
  EXPECT_EQ(PlaceNameModeLabel(4), "");
}

TEST(PlaceNameLabels, RegionalFileNameFromTheRegionalPath) {
  EXPECT_EQ(RegionalFileName("D:\\DATA\\5339.DEM"), "5339.lsn");
  EXPECT_EQ(RegionalFileName("D:\\DATA\\533901.MEM"), "5339.lsn");
  EXPECT_EQ(RegionalFileName("D:\\DATA\\NODOT"), "");
  EXPECT_EQ(RegionalFileName("ab.x"), "");
  EXPECT_EQ(RegionalFileName("x\\ab.x"), "");
  EXPECT_EQ(RegionalFileName(""), "");
  EXPECT_EQ(RegionalChoiceText("D:\\DATA\\5339.DEM"), "ﾌｧｲﾙ:5339.dem");
  EXPECT_EQ(RegionalChoiceText(""), "ﾌｧｲﾙ:地域地点名ﾌｧｲﾙ");
}

}  // namespace
}  // namespace topodlg::test
