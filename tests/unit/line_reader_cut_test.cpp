#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_file.h"
#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

std::vector<std::string> CutLines(const test::TempDir& folder, const std::string& bytes, int limit) {
  LineReader reader(test::WriteFile(folder, "lines.txt", bytes));
  std::vector<std::string> lines;
  CString line;
  while (reader.ReadLineCut(line, limit)) lines.push_back(line.str());
  return lines;
}

TEST(LineReaderCut, KeepsTheHeadOfLongLinesAndSkipsTheirRest) {
  test::TempDir folder;
  using Lines = std::vector<std::string>;
  EXPECT_EQ(CutLines(folder, "abcdefgh\r\nxy\r\n", 4), (Lines{"abcd", "xy"}));
  // Exactly the limit, with CR LF, LF or a lone CR after the head.
  EXPECT_EQ(CutLines(folder, "abcd\r\nxy", 4), (Lines{"abcd", "xy"}));
  EXPECT_EQ(CutLines(folder, "abcd\nxy\n", 4), (Lines{"abcd", "xy"}));
  EXPECT_EQ(CutLines(folder, "abcd\rzz\nxy", 4), (Lines{"abcd", "xy"}));
  EXPECT_EQ(CutLines(folder, "abcd\r", 4), (Lines{"abcd"}));
  // A long last line without a line break, and a tail many pieces long.
  EXPECT_EQ(CutLines(folder, "ab\n" + std::string(1000, 'z'), 4), (Lines{"ab", "zzzz"}));
  EXPECT_EQ(CutLines(folder, "\n\nab", 4), (Lines{"", "", "ab"}));
}

// Finds the line that reads as a text, wherever it stands in a long file: not
// a text inside a line, but a line that a NUL or the limit cuts down to it.
TEST(LineReaderCut, SkipsPastTheLineThatReadsAsATextOnly) {
  test::TempDir folder;
  auto finds = [&](const std::string& bytes, const char* text, int limit = 8) {
    LineReader reader(test::WriteFile(folder, "list.dat", bytes));
    return reader.SkipPastLine(text, limit);
  };
  EXPECT_TRUE(finds("x\r\nabc\r\ny", "abc"));
  EXPECT_FALSE(finds("x abc\r\nabcd\r\n", "abc"));
  EXPECT_TRUE(finds(std::string("abc\0zzz\r\n", 9), "abc"));
  EXPECT_TRUE(finds("x\nabcdefghij\n", "abcdefgh"));
  EXPECT_FALSE(finds("", "abc"));
  EXPECT_FALSE(finds("abc", ""));
  // Across the reader's buffer: the text straddles a block boundary.
  std::string big;
  while (big.size() < (128u << 10) - 3) big += "d:\\other\\file.txt\r\n";
  big.resize((128u << 10) - 3);
  big += "\nd:\\target\\file.txt\r\n";
  EXPECT_TRUE(finds(big, "d:\\target\\file.txt", 199));
  LineReader reader(test::WriteFile(folder, "big.dat", big + "after\r\n"));
  ASSERT_TRUE(reader.SkipPastLine("d:\\target\\file.txt", 199));
  CString line;
  ASSERT_TRUE(reader.ReadLineCut(line, 199));
  EXPECT_EQ(line, CString("after"));
}

}  // namespace
}  // namespace topodlg
