#include "dialogs/areas/area_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

using test::PathIn;
using test::TempDir;
using test::WriteFile;

constexpr const char* kPoint = "T  N3537.506 E13914.640 10-MAR-03 04:52:24 00200";

std::string Record(const AreaRecord& r) { return r.descriptor.str() + "|" + r.date.str() + "|" + r.start.str(); }

TEST(AreaFilePaths, StemFollowsTheLinearFlagAndTheGroupHasTwoDigits) {
  EXPECT_EQ(AreaFilePath("D:\\M\\", 0, 3).str(), "D:\\M\\AreaDt03.trk");
  EXPECT_EQ(AreaFilePath("D:\\M\\", 1, 0).str(), "D:\\M\\Linear00.trk");
  // Only 1 is linear; any other flag reads the area files.
  EXPECT_EQ(AreaFilePath("D:\\M\\", 2, 4).str(), "D:\\M\\AreaDt04.trk");
}

TEST(AreaFileReading, HeaderColumnAndFirstPointMakeARecord) {
  TempDir folder;
  const std::string text = std::string("H  COORDINATE SYSTEM\r\nH  高尾山 斜線／ 赤\r\n") +
                           "H  LATITUDE    LONGITUDE\r\n" + kPoint + "\r\nT  N0000000000000000000 later point\r\n" +
                           "\r\nH  丹沢 格子 青\nH  LATITUDE\nX  stray\nT  N35\n";
  auto records = ReadAreaRecords(WriteFile(folder, "AreaDt00.trk", text));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(Record(records[0]), CString("高尾山 斜線／ 赤").str() + "|10-MAR-03 04:52:24|N3537.506 E13914.640");
  // A short point line gives what it has.
  EXPECT_EQ(Record(records[1]), CString("丹沢 格子 青").str() + "||N35");
}

TEST(AreaFileReading, OnlyAPointLineCompletesARecord) {
  TempDir folder;
  // Two column lines before a point: one record, named by the header before the
  // second. A header between column and point does not rename the record.
  const std::string text = std::string("H  first\nH  LATITUDE\nH  second\nLATITUDE again\nH  third\n") + kPoint +
                           "\nT  N1\nH  orphan\n";
  auto records = ReadAreaRecords(WriteFile(folder, "a.trk", text));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].descriptor.str(), "second");
  // Point lines without a column line open nothing.
  EXPECT_TRUE(ReadAreaRecords(WriteFile(folder, "b.trk", std::string("H  x\n") + kPoint + "\n")).empty());
}

TEST(AreaFileReading, LongLinesAreReadInPiecesOf199Bytes) {
  TempDir folder;
  // The second piece of a long header line starts with "H  " and so is a header
  // of its own; a point line that is the second piece of a long line completes
  // nothing when no record is open.
  const std::string text = "H  " + std::string(196, 'a') + "H  piece\nH  LATITUDE\n" + kPoint + "\n" +
                           std::string(199, 'b') + "T  N2\n";
  auto records = ReadAreaRecords(WriteFile(folder, "a.trk", text));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].descriptor.str(), "piece");
  // A "LATITUDE" cut in two by the piece boundary opens no record.
  EXPECT_TRUE(ReadAreaRecords(WriteFile(folder, "b.trk", "H  x\n" + std::string(198, 'c') + "LATITUDE\nT  N3\n")).empty());
}

TEST(AreaFileReading, StopsAfter519RecordsAndReadsMissingAndBinaryFilesAsEmpty) {
  TempDir folder;
  std::string text;
  for (int i = 0; i < 530; ++i) text += "H  area" + std::to_string(i) + " p c\nH  LATITUDE\n" + kPoint + "\n";
  auto records = ReadAreaRecords(WriteFile(folder, "many.trk", text));
  ASSERT_EQ(records.size(), 519u);
  EXPECT_EQ(records.back().descriptor.str(), "area518 p c");
  EXPECT_TRUE(ReadAreaRecords(PathIn(folder, "missing.trk")).empty());
  EXPECT_TRUE(ReadAreaRecords("").empty());
  std::string binary(100000, '\0');
  for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7919 % 251);
  EXPECT_LE(ReadAreaRecords(WriteFile(folder, "bin.trk", binary)).size(), 519u);
  folder.Write("dir.trk/x", "");
  EXPECT_TRUE(ReadAreaRecords(PathIn(folder, "dir.trk")).empty());
}

TEST(AreaRecordLists, EndMarkerThenEmptyRecords) {
  const std::vector<AreaRecord> records = {{"a p c", "d", "s"}};
  EXPECT_EQ(Record(AreaRecordAt(records, 0)), "a p c|d|s");
  EXPECT_EQ(Record(AreaRecordAt(records, 1)), "999|999|999");
  EXPECT_EQ(Record(AreaRecordAt(records, 2)), "||");
  EXPECT_EQ(Record(AreaRecordAt(records, -1)), "||");
  EXPECT_EQ(Record(AreaRecordAt({}, 0)), "999|999|999");
}

TEST(AreaDescriptors, NamePatternAndColour) {
  auto split = [](const char* d) {
    AreaDescriptor p = SplitAreaDescriptor(d);
    return p.name.str() + "|" + p.pattern.str() + "|" + p.colour.str();
  };
  EXPECT_EQ(split("高尾山 斜線／ 赤 と 青"), CString("高尾山|斜線／|赤 と 青").str());
  EXPECT_EQ(split("name only"), "name||only");
  EXPECT_EQ(split("999"), "999||999");
  EXPECT_EQ(split(""), "||");
  EXPECT_EQ(split("a  b"), "a||b");
}

}  // namespace
}  // namespace topodlg
