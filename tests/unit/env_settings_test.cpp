#include <gtest/gtest.h>

#include <string>

#include "dialogs/settings/env_settings.h"
#include "platform/window.h"
#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

using test::TempDir;

// Arguments whose every field is told apart from its neighbours, so a value
// read from the wrong place shows.
EnvArguments DistinctArguments() {
  EnvArguments a;
  a.numbers = {1, 3, 77, 1, 0, 4, 120, 1, 0, 2};
  a.indexMap = {0, 1, 0, 1, 0, 0};
  for (int k = 0; k < 26; ++k) a.texts[k] = CString::Formatted("a%d", 20 + k);
  a.texts[26] = "";
  a.packedDistance = 101;
  a.packedProfile = 10;
  return a;
}

TEST(EnvSettings, ArgumentsLandInTheirSettingsAndComeBackInResultOrder) {
  EnvSettings s = DecodeEnvArguments(DistinctArguments());
  s.cdromDrive = "Q:";
  EXPECT_EQ(s.stateText, "a23");
  EXPECT_EQ(s.dataDirectory, "a24");
  EXPECT_EQ(s.cdromPath, "a32");
  // 101: confirm distance 1, 250 m speed-up 0, 50 m speed-up 1; 10: JPG 1.
  EXPECT_EQ(EncodeEnvResult(s),
            "1|3|77|1|0|4|120|2|0|1|0|1|0|0|0|0|0|0|1|"
            "a20|a21|a25|a26|a27|a28|a29|a30|NULL|Q:\\DATA\\|a33|"
            "a34|a35|a36|a37|a38|a39|a40|a41|a42|a43|a44|a45|"
            "||||||||||||||||||||||||||||||"
            "1|0|0|1|0|1|0");
}

TEST(EnvSettings, PackedFlagsSplitIntoDigitsAndAnyValueComesBackAsItsDigits) {
  EnvArguments a = DistinctArguments();
  a.packedDistance = 987;
  a.packedProfile = -123;
  EnvSettings s = DecodeEnvArguments(a);
  EXPECT_EQ(s.confirmDistance * 100 + s.speedUp250m * 10 + s.speedUp50m, 987);
  EXPECT_EQ(s.confirmProfile, -1);
  EXPECT_EQ(s.jpgInApplication, -2);
  EXPECT_EQ(s.speedUp1km, -3);
  a.packedDistance = 1234;  // more digits: the hundreds field takes the rest
  EXPECT_EQ(DecodeEnvArguments(a).confirmDistance, 12);
}

TEST(EnvSettings, GroupNamesKindByKindThenThePrecisionAfterTheLastSeparator) {
  EnvSettings s;
  std::string all;
  for (int i = 0; i < 30; ++i) all += "g" + std::to_string(i) + "|";
  DecodeGroupNames(all + "1", s);
  EXPECT_EQ(s.groupNames[0][0], "g0");
  EXPECT_EQ(s.groupNames[1][0], "g5");
  EXPECT_EQ(s.groupNames[5][4], "g29");
  EXPECT_EQ(s.sheetPrecision, 1);

  DecodeGroupNames(all, s);
  EXPECT_EQ(s.sheetPrecision, 0);

  // Fewer separators: the missing names are empty, the tail is still the precision.
  DecodeGroupNames("a|b|c|1", s);
  EXPECT_EQ(s.groupNames[0][2], "c");
  EXPECT_EQ(s.groupNames[0][3], "");
  EXPECT_EQ(s.groupNames[5][4], "");
  EXPECT_EQ(s.sheetPrecision, 1);

  DecodeGroupNames("", s);
  EXPECT_EQ(s.groupNames[0][0], "");
  EXPECT_EQ(s.sheetPrecision, 0);
  DecodeGroupNames(" 1x", s);
  EXPECT_EQ(s.sheetPrecision, 1);

  // Extra names are dropped; the precision is still found at the end.
  DecodeGroupNames(all + "extra|more|1", s);
  EXPECT_EQ(s.groupNames[5][4], "g29");
  EXPECT_EQ(s.sheetPrecision, 1);

  // The second byte of a double-byte character may be 0x7C, as in "－"
  // (0x81 0x7C): it is no separator.
  DecodeGroupNames("\x81\x7C" "a|b|0", s);
  EXPECT_EQ(s.groupNames[0][0], "\x81\x7C" "a");
  EXPECT_EQ(s.groupNames[0][1], "b");
}

TEST(EnvSettings, CdromDriveFromTheDataPath) {
  EXPECT_EQ(DriveOfCdromPath("q:\\data\\"), "Q:");
  EXPECT_EQ(DriveOfCdromPath(""), "A:");
  EXPECT_EQ(DriveOfCdromPath("x"), "X");
  EXPECT_EQ(DriveOfCdromPath("\\\\server"), "\\\\");
  // A double-byte character is kept whole, never cut.
  EXPECT_EQ(DriveOfCdromPath("表:\\"), "表");
  EXPECT_EQ(DriveOfCdromPath("a表"), "A");
  // A full-width letter is upper-cased as a letter.
  EXPECT_EQ(DriveOfCdromPath("ｑ:"), "Ｑ");
}

TEST(EnvSettings, DriveLettersStepAndWrap) {
  EXPECT_EQ(PreviousDrive("A:"), "Z:");
  EXPECT_EQ(NextDrive("Z:"), "A:");
  EXPECT_EQ(NextDrive("d:"), "E:");
  EXPECT_EQ(PreviousDrive("Q:"), "P:");
  EXPECT_EQ(NextDrive(""), "A:");
  EXPECT_EQ(PreviousDrive(""), "A:");
  EXPECT_EQ(NextDrive("1:"), "1");
  EXPECT_EQ(PreviousDrive("\\\\"), "\\");
  EXPECT_EQ(NextDrive("表:"), "表");
}

TEST(EnvSettings, IndexMapGroupsAndAllExcludeEachOther) {
  int all = 1;
  std::array<int, 5> groups{0, 1, 0, 0, 0};
  NormaliseIndexMap(all, groups);
  EXPECT_EQ(all, 0);
  EXPECT_EQ(groups[1], 1);

  groups = {1, 1, 1, 1, 1};
  NormaliseIndexMap(all, groups);
  EXPECT_EQ(all, 1);
  EXPECT_EQ(groups, (std::array<int, 5>{}));

  all = 0;
  groups = {0, 2, 0, 7, 0};  // no group set to 1: all groups
  NormaliseIndexMap(all, groups);
  EXPECT_EQ(all, 1);
  EXPECT_EQ(groups, (std::array<int, 5>{}));
}

TEST(EnvSettings, BrightnessFollowsTheScrollCodesWithinItsRange) {
  int b = -1;
  EXPECT_TRUE(BrightnessAfterScroll(0, SB_LINELEFT, 0, b));
  EXPECT_EQ(b, 0);
  EXPECT_TRUE(BrightnessAfterScroll(10, SB_LINERIGHT, 0, b));
  EXPECT_EQ(b, 10);
  EXPECT_TRUE(BrightnessAfterScroll(5, SB_PAGELEFT, 0, b));
  EXPECT_EQ(b, 3);
  EXPECT_TRUE(BrightnessAfterScroll(5, SB_PAGERIGHT, 0, b));
  EXPECT_EQ(b, 7);
  EXPECT_TRUE(BrightnessAfterScroll(5, SB_THUMBTRACK, 8, b));
  EXPECT_EQ(b, 8);
  EXPECT_TRUE(BrightnessAfterScroll(5, SB_THUMBPOSITION, 99, b));
  EXPECT_EQ(b, 10);
  b = 4;
  EXPECT_FALSE(BrightnessAfterScroll(5, SB_ENDSCROLL, 0, b));
  EXPECT_FALSE(BrightnessAfterScroll(5, SB_LEFT, 0, b));
  EXPECT_FALSE(BrightnessAfterScroll(5, SB_RIGHT, 0, b));
  EXPECT_EQ(b, 4);
}

TEST(EnvSettings, FolderOfAPickedPath) {
  EXPECT_EQ(FolderOfPath("D:\\DEM\\A.SEM"), "D:\\DEM\\");
  EXPECT_EQ(FolderOfPath("a.sem"), "");
  EXPECT_EQ(FolderOfPath(""), "");
  // The second byte of 表 is 0x5C and is no separator.
  EXPECT_EQ(FolderOfPath("D:\\表"), "D:\\");
}

TEST(EnvSettings, WholeAreaListStopsAtTheFirstEmptyLineAndCutsLongLines) {
  TempDir dir;
  const CString dataDir = CString(dir.str() + "/");
  EXPECT_TRUE(ReadWholeAreaList(dataDir).empty());

  dir.Write("PNTFILE.dat", "d:\\a.pnt\r\n;note\r\nd:\\b.pnt\n\r\nd:\\c.pnt\r\n");
  auto files = ReadWholeAreaList(dataDir);
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(files[1], ";note");
  EXPECT_EQ(files[2], "d:\\b.pnt");

  dir.Write("PNTFILE.dat", std::string(5000, 'x') + "\nlast");
  files = ReadWholeAreaList(dataDir);
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].GetLength(), 199);
  EXPECT_EQ(files[1], "last");
}

}  // namespace
}  // namespace topodlg
