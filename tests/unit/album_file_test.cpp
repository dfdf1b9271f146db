#include "dialogs/media/album_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

using test::PathIn;
using test::TempDir;
using test::WriteFile;

std::tm At(int year, int month, int day, int hour, int minute) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  return t;
}

TEST(AlbumName, EightCharactersFromTheLocalTime) {
  EXPECT_EQ(AlbumName(At(2009, 11, 3, 14, 5)), "09B03E05");
  EXPECT_EQ(AlbumName(At(2009, 12, 31, 23, 59)), "09C31N59");
  EXPECT_EQ(AlbumName(At(2010, 1, 5, 9, 7)), "10105907");
  EXPECT_EQ(AlbumName(At(2000, 10, 10, 10, 0)), "00A10A00");
  EXPECT_EQ(AlbumPath("D:\\MAP\\", "09B03E05"), "D:\\MAP\\Album\\09B03E05.alb");
  // The minute after the last of a year is the first of the next.
  EXPECT_EQ(AlbumName(MinutesLater(At(2009, 12, 31, 23, 59), 1)), "10101000");
}

TEST(AlbumName, ANameInUseGivesTheNextFreeMinute) {
  TempDir data;
  const CString dir = CString(data.str() + "/");
  EXPECT_EQ(FreeAlbumName(dir, At(2009, 11, 3, 14, 5)), "09B03E05");
  data.Write("Album/09B03E05.alb", "kept\r\n");
  data.Write("Album/09B03E06.alb", "kept\r\n");
  EXPECT_EQ(FreeAlbumName(dir, At(2009, 11, 3, 14, 5)), "09B03E07");
}

TEST(AlbumEntryLine, FieldsInOrderImageBeforeText) {
  EXPECT_EQ(FormatAlbumEntry("Loc.1", "35.1", "139.2", "＃1", "a.jpg", "b.txt"), "Loc.1 35.1 139.2 ＃1 a.jpg b.txt");
  EXPECT_EQ(FormatAlbumEntry("m", "1", "2", "", "", "x.txt"), "m 1 2  x.txt");
  EXPECT_EQ(FormatAlbumEntry("m", "1", "2", "n", "y.gif", ""), "m 1 2 n y.gif");
  // A blank in a leading field would shift every field after it; a line break
  // would end the entry.
  EXPECT_EQ(FormatAlbumEntry("湖 の\r\n景色", "1", "2", "n", "", "d:\\my docs\\a.txt"),
            "湖　の景色 1 2 n d:\\my docs\\a.txt");
}

TEST(AlbumEntryLine, ParsedAtTheFirstFourBlanksTheLastFileTakesTheRest) {
  AlbumEntry e = ParseAlbumEntry("ｱ表 35.1 139.2  a.jpg d:\\my docs\\b.txt");
  EXPECT_EQ(e.memo1 + "|" + e.latitude + "|" + e.longitude + "|" + e.memo2 + "|" + e.firstFile + "|" + e.secondFile,
            "ｱ表|35.1|139.2||a.jpg|d:\\my docs\\b.txt");
  EXPECT_EQ(HeldAlbumEntry(e), "ｱ表#@a.jpg$35.1$139.2$d:\\my docs\\b.txt");
  EXPECT_EQ(AlbumListRow(e), "ｱ表#");
  AlbumEntry only = ParseAlbumEntry("m 1 2 n x.txt");
  EXPECT_EQ(HeldAlbumEntry(only), "m#n@x.txt$1$2");
  AlbumEntry shortLine = ParseAlbumEntry("m 1");
  EXPECT_EQ(HeldAlbumEntry(shortLine), "m#@$1$");
}

TEST(AlbumEntryLine, TheFirstFileIsTheImageWhenItsNameSaysSo) {
  auto split = [](const char* line) {
    TextAndImage t = SplitTextAndImage(ParseAlbumEntry(line));
    return (t.textFile + "|" + t.imageFile).str();
  };
  EXPECT_EQ(split("m 1 2 n a.jpg b.txt"), "b.txt|a.jpg");
  EXPECT_EQ(split("m 1 2 n D:\\P\\A.PCD"), "|D:\\P\\A.PCD");
  EXPECT_EQ(split("m 1 2 n x.txt"), "x.txt|");
  EXPECT_EQ(split("m 1 2 n y.gif"), "|y.gif");
  EXPECT_EQ(split("m 1 2 n x.htm z.pic"), "x.htm|z.pic");
}

TEST(AlbumFileReading, SkipsCommentsMarksAndEmptyLinesAndStopsAt99) {
  TempDir data;
  std::string longLine = "m 1 2 n " + std::string(300, 'x');
  CString album = WriteFile(data, "a.alb", ";c\r\n\r\nMark\r\nm1 1 2 n a.bmp\n" + longLine + "\r\nm3 1 2 n \xff\x01\r\nlast");
  auto lines = ReadAlbumLines(album);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "m1 1 2 n a.bmp");
  EXPECT_EQ(lines[1].str(), longLine.substr(0, kAlbumLineLimit));
  EXPECT_EQ(lines[3], "last");
  EXPECT_TRUE(ReadAlbumLines(PathIn(data, "missing.alb")).empty());

  std::string many;
  for (int i = 1; i <= 150; ++i) many += "m" + std::to_string(i) + " 1 2 n a.txt\r\n";
  lines = ReadAlbumLines(WriteFile(data, "b.alb", many));
  ASSERT_EQ(lines.size(), 99u);
  EXPECT_EQ(lines[98], "m99 1 2 n a.txt");
}

TEST(AlbumFileWriting, TheFirstEntryMakesTheFileLaterOnesAreAdded) {
  TempDir data;
  CString album = WriteFile(data, "a.alb", "old\r\n");
  ASSERT_TRUE(WriteAlbumEntry(album, "e1", true));
  ASSERT_TRUE(WriteAlbumEntry(album, "e2", false));
  EXPECT_EQ(data.Read("a.alb"), "e1\r\ne2\r\n");
  // A last line the user's editor left without its end keeps its entry.
  album = WriteFile(data, "b.alb", "e1");
  ASSERT_TRUE(WriteAlbumEntry(album, "e2", false));
  EXPECT_EQ(data.Read("b.alb"), "e1\r\ne2\r\n");
  // No folder, no album; nothing is made.
  EXPECT_FALSE(WriteAlbumEntry(PathIn(data, "Album/c.alb"), "e1", true));
}

}  // namespace
}  // namespace topodlg
