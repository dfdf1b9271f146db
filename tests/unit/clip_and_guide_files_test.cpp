// Clip list files, the map kind rules and the guidebook files, on bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/clips/clip_list_file.h"
#include "dialogs/clips/guide_book_files.h"
#include "dialogs/clips/map_kind.h"
#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

using test::Joined;
using test::PathIn;
using test::TempDir;
using test::WriteFile;

TEST(ClipGroupPaths, CutBeforeTheFirstZeroDot) {
  auto paths = ClipGroupPaths("D:\\MAP\\Clip0.dat");
  EXPECT_EQ(paths[0], "D:\\MAP\\Clip0.dat");
  EXPECT_EQ(paths[1], "D:\\MAP\\Clip1.dat");
  EXPECT_EQ(paths[4], "D:\\MAP\\Clip4.dat");
  // The first "0." may lie in a folder name: the cut is there.
  EXPECT_EQ(ClipGroupPaths("D:\\v1.0.2\\Clip0.dat")[2], "D:\\v1.2.dat");
  // Without "0." only group 0 has a file.
  auto none = ClipGroupPaths("D:\\MAP\\clips.txt");
  EXPECT_EQ(none[0], "D:\\MAP\\clips.txt");
  EXPECT_TRUE(none[1].IsEmpty() && none[4].IsEmpty());
}

TEST(ClipRecords, CommentsAndEmptyLinesAreNoRecordsAndLongLinesStayOneRecord) {
  TempDir folder;
  const std::string longLine = "long " + std::string(400, 'x');
  CString path = WriteFile(folder, "c0.dat", ";note\r\n\r\nA m f\r\n" + longLine + "\r\nnoblank\nlast x");
  EXPECT_EQ(Joined(ReadClipRecords(path)), "A m f|" + longLine.substr(0, 298) + "|noblank|last x|");
  EXPECT_EQ(ReadClipRecordAt(path, 2).value_or("?"), "noblank");
  EXPECT_EQ(ReadClipRecordAt(path, 3).value_or("?"), "last x");
  EXPECT_FALSE(ReadClipRecordAt(path, 4));
  EXPECT_FALSE(ReadClipRecordAt(path, -1));
  EXPECT_TRUE(ReadClipRecords(PathIn(folder, "missing.dat")).empty());
  EXPECT_TRUE(ReadClipRecords("").empty());
}

TEST(ClipRecords, FourteenFieldsTheLastTakesTheRest) {
  ClipFields f = SplitClipRecord("t m f c 4 5 6 7 p i k n x 2004/1/2 10:00");
  EXPECT_EQ(f[0], "t");
  EXPECT_EQ(f[12], "x");
  EXPECT_EQ(f[13], "2004/1/2 10:00");
  // Without a blank the whole line is the date; the title is empty.
  ClipFields bare = SplitClipRecord("whole");
  EXPECT_TRUE(bare[0].IsEmpty() && bare[12].IsEmpty());
  EXPECT_EQ(bare[13], "whole");
  EXPECT_EQ(ClipRecordTitle("whole"), "");
  // A short record: the fields after the last blank are empty, the rest is 13.
  ClipFields shortOne = SplitClipRecord("t m f");
  EXPECT_EQ(shortOne[1], "m");
  EXPECT_TRUE(shortOne[2].IsEmpty());
  EXPECT_EQ(shortOne[13], "f");
  // A trail byte 0x5C or 0x20-like byte never splits: 表 is 0x95 0x5C.
  EXPECT_EQ(SplitClipRecord("表題 x")[0], "表題");
}

TEST(MapKind, RulesInOrderThenTheSheetCountsOfTheName) {
  const std::array<int, 4> b = {1, 2, 300, 4};
  auto kind = [&](const char* file, const char* name, int sub) {
    MapKind k = DeriveMapKind(file, name, sub, b);
    return k.kind + "/" + k.meshTotal + "/" + k.mapName;
  };
  EXPECT_EQ(kind("SEMTEM", "n", 1), "250mﾒｯｼｭ/320×320/n");
  EXPECT_EQ(kind("xTEMx", "n", 1), "1Kmﾒｯｼｭ（標高）/80×80/n");
  EXPECT_EQ(kind("TEM", "n", 2), "1Kmﾒｯｼｭ（平均標高）/80×80/n");
  EXPECT_EQ(kind("TEM", "n", 3), "ユーザー作成地図/(1,2)->(300,4)/n");
  EXPECT_EQ(kind("MEM", "n", 0), "50mﾒｯｼｭ/400×400/n");
  EXPECT_EQ(DeriveMapKind("MEM", "n", 0, {1, 2, 200, 4}).meshTotal, "200×200");
  EXPECT_EQ(kind("MEM指定した範囲", "n", 0), "50mﾒｯｼｭ/400×400/指定した範囲");
  EXPECT_EQ(kind("SEM", "３×３", 0), "250mﾒｯｼｭ/240×240/３×３");
  EXPECT_EQ(kind("SEM", "５×５と３×３", 0), "250mﾒｯｼｭ/400×400/５×５と３×３");
}

TEST(GuideIndex, EndsAtTheFirstEmptyOrBlankFreeLineOrAtOneHundredTitles) {
  TempDir folder;
  CString path = WriteFile(folder, "i.dat", "a one.txt\r\nb two words.txt\r\n\r\nc three.txt\r\n");
  auto entries = ReadGuideIndex(path);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].title, "b");
  EXPECT_EQ(entries[1].dataFile, "two words.txt");
  EXPECT_EQ(ReadGuideIndex(WriteFile(folder, "j.dat", "a 1\nstop\nb 2\n")).size(), 1u);
  std::string many;
  for (int i = 0; i < 150; ++i) many += "t" + std::to_string(i) + " f\r\n";
  auto capped = ReadGuideIndex(WriteFile(folder, "k.dat", many));
  ASSERT_EQ(capped.size(), 100u);
  EXPECT_EQ(capped.back().title, "t99");
  EXPECT_TRUE(ReadGuideIndex(PathIn(folder, "none.dat")).empty());
  EXPECT_EQ(GuideIndexName(3), "SCENARIO\\Scnr03.dat");
}

TEST(GuideKeyLine, FirstBlankFreeLineOrTheLastBeforeAnEmptyOne) {
  TempDir folder;
  auto key = [&](const std::string& bytes) {
    return ReadGuideKeyLine(WriteFile(folder, "d.txt", bytes)).value_or("<keep>");
  };
  EXPECT_EQ(key("a b\r\nKEY\r\nc d\r\n"), "KEY");
  EXPECT_EQ(key("a b\r\nc d\r\n\r\nNOT\r\n"), "c d");
  EXPECT_EQ(key("a b\r\nc d"), "c d");
  EXPECT_EQ(key("\r\nKEY\r\n"), "<keep>");
  EXPECT_EQ(key(""), "<keep>");
  EXPECT_FALSE(ReadGuideKeyLine(PathIn(folder, "none.txt")));
}

}  // namespace
}  // namespace topodlg

namespace topodlg {
namespace {

TEST(HostileClipAndGuideFiles, AnyBytesReadAsShortLines) {
  TempDir folder;
  const std::string bytes = test::ScrambledBytes(777, 100000);
  CString path = WriteFile(folder, "bin", bytes + "\x81");
  const auto records = ReadClipRecords(path);
  for (const CString& line : records) {
    EXPECT_LE(line.GetLength(), kClipLineLimit);
    SplitClipRecord(line);
  }
  if (!records.empty()) {
    EXPECT_EQ(ReadClipRecordAt(path, static_cast<int>(records.size()) - 1), records.back());
  }
  EXPECT_LE(ReadGuideIndex(path).size(), 100u);
  EXPECT_LE(ReadGuideKeyLine(path).value_or("").GetLength(), kGuideLineLimit);
}

}  // namespace
}  // namespace topodlg
