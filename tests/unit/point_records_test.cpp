// Point record lines and the table file name of an update, on bytes.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/tables/point_records.h"
#include "dialogs/tables/table_file_name.h"
#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

using test::PathIn;
using test::TempDir;
using test::WriteFile;

const PointBounds kBounds = {"1390000", "350000", "1400000", "360000"};

std::string Names(const std::vector<CString>& lines) {
  std::string text;
  for (const CString& line : lines) text += PointRecordField(line, 0).str() + ",";
  return text;
}

TEST(PointRecords, BoundsCompareAsBytesAndOnlyLinesWithAFourthFieldCount) {
  TempDir folder;
  CString path = WriteFile(folder, "p.txt",
                           "in 350000 1390000 n a.txt\r\n"
                           "edge 360000 1400000 x\r\n"
                           "three 355000 1395000\r\n"
                           "trailing 355000 1395000 \r\n"
                           ";c 355000 1395000 x\r\n\r\n"
                           "short 36000 1395000 x\r\n"       // "36000" > "360000"? no: shorter sorts first
                           "numeric 9 1395000 x\r\n"         // inside numerically? no, "9" > "360000" as bytes
                           "outside 355000 1400001 x\r\n");
  EXPECT_EQ(Names(ReadPointRecords(path, kBounds, PointRecordKind::TextImage)), "in,edge,trailing,short,");
  EXPECT_TRUE(ReadPointRecords("", kBounds, PointRecordKind::Table).empty());
  EXPECT_TRUE(ReadPointRecords(PathIn(folder, "none"), kBounds, PointRecordKind::Table).empty());
}

TEST(PointRecords, WebPagesAreToldAfterTheCoordinatesAndReadingStopsAt2999) {
  TempDir folder;
  CString path = WriteFile(folder, "w.txt",
                           "a.htm 355000 1395000 x\r\n"        // the name does not count
                           "b 355000 1395000 x HTTP://e.jp\r\n"
                           "c 355000 1395000 x D:\\P.HTML\r\n");
  EXPECT_EQ(Names(ReadPointRecords(path, kBounds, PointRecordKind::WebPage)), "b,c,");
  std::string many;
  for (int i = 0; i < 3100; ++i) many += "p" + std::to_string(i) + " 355000 1395000 x\n";
  auto lines = ReadPointRecords(WriteFile(folder, "m.txt", many), kBounds, PointRecordKind::TextImage);
  ASSERT_EQ(lines.size(), 2999u);
  EXPECT_EQ(PointRecordField(lines.back(), 0), "p2998");
}

TEST(PointRecords, FieldsSortingAndListItems) {
  const CString line = "Ｍｔ.FUJI表 35 139 note d:\\A.JPG http://x";
  EXPECT_EQ(PointRecordField(line, 1), "35");
  EXPECT_EQ(PointRecordField(line, 3), "note");
  EXPECT_EQ(PointRecordField("a b c", 3), "");
  // Only ASCII letters are lowered; the full-width letters and 表 stay.
  EXPECT_EQ(PointListItem(line), "Ｍｔ.fuji表");
  EXPECT_TRUE(IsImageRecord(line));
  EXPECT_TRUE(IsWebPageRecord(line));
  EXPECT_FALSE(IsTextRecord(line));
  EXPECT_FALSE(IsTextRecord("a 1 2 x.ALB"));
  EXPECT_TRUE(IsTextRecord("a 1 2 x.txt"));
  EXPECT_TRUE(IsTableRecord("a 1 2 x.CSV"));
  // The 0x41 of ア is no "A": ".アLB" is not ".alb" lowered.
  EXPECT_TRUE(IsTextRecord("a 1 2 x.\x83\x41LB"));
}

TEST(TableFileForUpdate, PathUpToTheCsDotThenTheExtensionWord) {
  EXPECT_EQ(TableFileForUpdate("d:\\stat\\pop.csv txt"), "d:\\stat\\pop.txt");
  EXPECT_EQ(TableFileForUpdate("D:\\STAT\\POP.CSV csv"), "D:\\STAT\\POP.csv");
  EXPECT_EQ(TableFileForUpdate("d:\\stat\\pop.txt csv"), "csv");
  EXPECT_EQ(TableFileForUpdate("d:\\stat\\pop.csv"), "d:\\stat\\pop.csv");
  EXPECT_EQ(TableFileForUpdate("d:\\my stat\\a.Csv txt"), "d:\\my stat\\a.txt");
  EXPECT_EQ(TableFileForUpdate("d:\\x.cs.csv "), "d:\\x.");
}

}  // namespace
}  // namespace topodlg

namespace topodlg {
namespace {

// Binary bytes, NULs, stray lead bytes, CR without LF and overlong lines read as
// lines of some shape: every reader stops at its limits and never reads past a line.
TEST(HostileRecordFiles, EveryReaderTakesAnyBytes) {
  TempDir folder;
  std::string bytes = test::ScrambledBytes(12345, 200000);
  bytes += std::string(5000, 'x') + "\r\r\x81";
  CString path = WriteFile(folder, "bin", bytes);
  const PointBounds all = {"", "", "\xff\xff", "\xff\xff"};
  PointRecordSets sets = ReadTextImageRecords(path, all);
  for (const CString& line : sets.textImage) {
    EXPECT_LE(line.GetLength(), kPointLineLimit);
    PointListItem(line);
    IsTextRecord(line);
  }
  EXPECT_EQ(sets.webPages.size(), ReadPointRecords(path, all, PointRecordKind::WebPage).size());
  EXPECT_EQ(sets.textImage.size(), ReadPointRecords(path, all, PointRecordKind::Table).size());
  EXPECT_EQ(PointRecordField("\x81 a b", 1), "a");  // a stray lead byte does not hide the blank
  TableFileForUpdate(CString(bytes.substr(0, 3000)));
}

}  // namespace
}  // namespace topodlg
