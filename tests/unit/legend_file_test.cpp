#include "dialogs/areas/legend_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/file_write.h"
#include "platform/text_file.h"
#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

using test::Joined;
using test::PathIn;
using test::TempDir;
using test::WriteFile;

std::vector<CString> Lines(std::initializer_list<const char*> lines) { return {lines.begin(), lines.end()}; }

TEST(LegendFiles, PathsAndHeaders) {
  EXPECT_EQ(LegendFilePath("D:\\M\\", 1).str(), "D:\\M\\LinrLgd.dat");
  EXPECT_EQ(LegendFilePath("D:\\M\\", 0).str(), "D:\\M\\AreaLgd.dat");
  EXPECT_EQ(LegendFilePath("D:\\M\\", 2).str(), "D:\\M\\AreaLgd.dat");
  EXPECT_EQ(LegendSectionHeader(0).str() + LegendSectionHeader(4).str(), "GROUP1GROUP5");
}

TEST(LegendSections, WholeLineHeadersCommentsAndTheNineteenEntryLimit) {
  TempDir folder;
  std::string text = ";legend\r\nGROUP1\r\n1 横線 赤 川\r\n\r\n;note\r\n2 縦線 青 道\r\nGROUP2 \r\nGROUP2\r\n1 x y z\r\n";
  CString path = WriteFile(folder, "AreaLgd.dat", text);
  // A header with a trailing blank is an entry; comments and empty lines are not.
  EXPECT_EQ(Joined(ReadLegendSection(path, 0)), CString("1 横線 赤 川|2 縦線 青 道|GROUP2 |").str());
  EXPECT_EQ(Joined(ReadLegendSection(path, 1)), "1 x y z|");
  EXPECT_TRUE(ReadLegendSection(path, 2).empty());
  EXPECT_TRUE(ReadLegendSection(PathIn(folder, "missing.dat"), 0).empty());

  std::string many = "GROUP4\n0 before\nGROUP5\n";
  for (int i = 1; i <= 25; ++i) many += std::to_string(i) + " a b c\n";
  many += "GROUP1\n";  // group 4's section runs to the end of the file
  auto entries = ReadLegendSection(WriteFile(folder, "many.dat", many), 4);
  ASSERT_EQ(entries.size(), 19u);
  EXPECT_EQ(entries.back().str(), "19 a b c");
  EXPECT_EQ(Joined(ReadLegendSection(PathIn(folder, "many.dat"), 3)), "0 before|");
}

TEST(LegendEntries, SplitFillsFromTheLeft) {
  auto split = [](const char* e) {
    LegendEntry p = SplitLegendEntry(e);
    return p.row.str() + "|" + p.pattern.str() + "|" + p.colour.str() + "|" + p.description.str();
  };
  EXPECT_EQ(split("3 斜線／ 深緑 広葉樹 の 林"), CString("3|斜線／|深緑|広葉樹 の 林").str());
  EXPECT_EQ(split("3 斜線／ 深緑"), CString("3|斜線／||深緑").str());
  EXPECT_EQ(split("alone"), "|||alone");
  EXPECT_EQ(split("1 a b "), "1|a|b|");
  EXPECT_EQ(JoinLegendEntry(12, "格子", "白", "畑 地").str(), CString("12 格子 白 畑 地").str());
}

TEST(LegendStyles, ColoursHatchesAndWidths) {
  EXPECT_EQ(LegendColour("紫"), RGB(218, 0, 242));
  EXPECT_EQ(LegendColour("深緑"), RGB(0, 140, 0));
  EXPECT_EQ(LegendColour("茶"), RGB(112, 56, 56));
  EXPECT_EQ(LegendColour("黒"), RGB(0, 0, 0));
  EXPECT_EQ(LegendColour("赤 "), RGB(0, 0, 0));  // names match exactly
  EXPECT_EQ(LegendColour(""), RGB(0, 0, 0));

  EXPECT_EQ(LegendHatch("斜線／"), HS_BDIAGONAL);
  EXPECT_EQ(LegendHatch("斜線＼"), HS_FDIAGONAL);
  EXPECT_EQ(LegendHatch("クロス"), HS_DIAGCROSS);
  EXPECT_EQ(LegendHatch("格子"), HS_CROSS);
  // The last name of the table that occurs wins, wherever it stands.
  EXPECT_EQ(LegendHatch("縦線と斜線／"), HS_VERTICAL);
  EXPECT_EQ(LegendHatch("格子横線"), HS_CROSS);
  EXPECT_FALSE(LegendHatch("点").has_value());

  EXPECT_EQ(LegendPenWidth("太線"), 2);
  EXPECT_EQ(LegendPenWidth("やや太線"), 2);
  EXPECT_EQ(LegendPenWidth("細線"), 1);
  EXPECT_EQ(LegendPenWidth(""), 1);
}

TEST(LegendRewrite, ReplacesOnlyTheGroupsSection) {
  const auto old = Lines({";c", "GROUP1", "1 a b c", "GROUP2", "1 old", ";in section", "", "GROUP3", "1 z", "GROUP4",
                          "GROUP5", "1 last"});
  EXPECT_EQ(Joined(RewriteLegendLines(old, 1, Lines({"1 new", "2 new"}))),
            ";c|GROUP1|1 a b c|GROUP2|1 new|2 new|GROUP3|1 z|GROUP4|GROUP5|1 last|");
  // Group 4 runs to the end: nothing follows its entries.
  EXPECT_EQ(Joined(RewriteLegendLines(old, 4, Lines({"1 n"}))),
            ";c|GROUP1|1 a b c|GROUP2|1 old|;in section||GROUP3|1 z|GROUP4|GROUP5|1 n|");
  // No old lines: the five headers stand in.
  EXPECT_EQ(Joined(RewriteLegendLines({}, 2, Lines({"1 n"}))), "GROUP1|GROUP2|GROUP3|1 n|GROUP4|GROUP5|");
  EXPECT_EQ(Joined(RewriteLegendLines({}, 0, {})), "GROUP1|GROUP2|GROUP3|GROUP4|GROUP5|");
}

TEST(LegendRewrite, BrokenFilesLoseNoOtherGroupsLines) {
  // The group's header is missing: it goes in before the first later header.
  EXPECT_EQ(Joined(RewriteLegendLines(Lines({"GROUP1", "1 a", "GROUP3", "1 c"}), 1, Lines({"1 b"}))),
            "GROUP1|1 a|GROUP2|1 b|GROUP3|1 c|");
  EXPECT_EQ(Joined(RewriteLegendLines(Lines({"GROUP1", "1 a"}), 4, Lines({"1 e"}))), "GROUP1|1 a|GROUP5|1 e|");
  // The next header is missing or out of order: the section ends at any header.
  EXPECT_EQ(Joined(RewriteLegendLines(Lines({"GROUP1", "1 a", "GROUP3", "1 c"}), 0, Lines({"1 x"}))),
            "GROUP1|1 x|GROUP3|1 c|");
  EXPECT_EQ(Joined(RewriteLegendLines(Lines({"GROUP5", "1 e", "GROUP1", "1 a"}), 4, Lines({"1 x"}))),
            "GROUP5|1 x|GROUP1|1 a|");
  // A duplicated header keeps the second copy and what follows it.
  EXPECT_EQ(Joined(RewriteLegendLines(Lines({"GROUP1", "1 a", "GROUP1", "1 b"}), 0, Lines({"1 x"}))),
            "GROUP1|1 x|GROUP1|1 b|");
  // A header with trailing blanks is part of the section, as readers see it.
  EXPECT_EQ(Joined(RewriteLegendLines(Lines({"GROUP1", "GROUP2 ", "GROUP2", "1 b"}), 0, Lines({"1 x"}))),
            "GROUP1|1 x|GROUP2|1 b|");
}

TEST(LegendSave, WritesTheFileWholeAndKeepsItOnFailure) {
  TempDir folder;
  const CString legend = PathIn(folder, "AreaLgd.dat");
  // A missing file: five headers and the entries under the group's header.
  ASSERT_EQ(SaveLegendSection(legend, 1, Lines({"1 横線 赤 川"})), LegendSaveOutcome::Saved);
  EXPECT_EQ(folder.Read("AreaLgd.dat"), CString("GROUP1\r\nGROUP2\r\n1 横線 赤 川\r\nGROUP3\r\nGROUP4\r\nGROUP5\r\n").str());

  // Lines longer than the readers' limit are copied whole.
  const std::string longLine = ";" + std::string(300, 'x');
  folder.Write("AreaLgd.dat", longLine + "\nGROUP1\n1 old\n");
  ASSERT_EQ(SaveLegendSection(legend, 0, Lines({"1 new"})), LegendSaveOutcome::Saved);
  EXPECT_EQ(folder.Read("AreaLgd.dat"), longLine + "\r\nGROUP1\r\n1 new\r\n");

  // A failed write leaves the file as it was.
  write_path_testing::InjectFault(write_path_testing::Step::Rename, EIO);
  EXPECT_EQ(SaveLegendSection(legend, 0, Lines({"1 lost"})), LegendSaveOutcome::WriteFailed);
  write_path_testing::ClearFaults();
  EXPECT_EQ(folder.Read("AreaLgd.dat"), longLine + "\r\nGROUP1\r\n1 new\r\n");
}

TEST(LegendSave, RefusesFilesBeyondTheLineLimitAndFolders) {
  TempDir folder;
  std::string big = "GROUP1\n";
  for (int i = 0; i < 299; ++i) big += "1 a b c\n";
  folder.Write("AreaLgd.dat", big);
  EXPECT_EQ(SaveLegendSection(PathIn(folder, "AreaLgd.dat"), 0, {}), LegendSaveOutcome::TooLong);
  EXPECT_EQ(folder.Read("AreaLgd.dat"), big);
  big.resize(big.size() - 8);  // 299 lines in all
  folder.Write("LinrLgd.dat", big);
  EXPECT_EQ(SaveLegendSection(PathIn(folder, "LinrLgd.dat"), 0, Lines({"1 x"})), LegendSaveOutcome::Saved);
  EXPECT_EQ(folder.Read("LinrLgd.dat"), "GROUP1\r\n1 x\r\n");

  // The legend "file" is a folder: nothing is written, the folder stays.
  folder.Write("Legend.dat/inside", "kept");
  EXPECT_EQ(SaveLegendSection(PathIn(folder, "Legend.dat"), 0, Lines({"1 x"})), LegendSaveOutcome::WriteFailed);
  EXPECT_EQ(folder.Read("Legend.dat/inside"), "kept");
}

}  // namespace
}  // namespace topodlg
