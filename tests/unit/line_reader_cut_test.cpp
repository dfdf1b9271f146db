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

}  // namespace
}  // namespace topodlg
