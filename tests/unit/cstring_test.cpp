// Code page 932 strings: searches and case changes must never match inside a
// double-byte character.
#include "platform/cstring.h"

#include <gtest/gtest.h>

namespace topodlg {
namespace {

TEST(CString, TrailBytesAreNeverTakenForAsciiCharacters) {
  const CString path = "D:\\表\\ア.TXT";  // 表 = 95 5C, ア = 83 41
  EXPECT_EQ(path.Find('\\'), 2);
  EXPECT_EQ(path.ReverseFind('\\'), 5);
  EXPECT_EQ(path.Find('A'), -1);
  EXPECT_EQ(path.Find("\\", 3), 5);
  EXPECT_EQ(path.FindOneOf("\\A"), 2);
  EXPECT_EQ(CString("表").Find('\\'), -1);
  EXPECT_EQ(CString("表\\").Find("\\"), 2);
}

TEST(CString, CaseChangesTouchOnlyLetters) {
  CString text = "ABC表アＡｂ.TXT";
  text.MakeLower();
  EXPECT_EQ(text, CString("abc表アａｂ.txt"));
  text.MakeUpper();
  EXPECT_EQ(text, CString("ABC表アＡＢ.TXT"));
}

TEST(CString, SubstringsAreClampedAndSafe) {
  CString s = "abcdef";
  EXPECT_EQ(s.Left(3), CString("abc"));
  EXPECT_EQ(s.Left(99), s);
  EXPECT_EQ(s.Right(2), CString("ef"));
  EXPECT_EQ(s.Mid(4), CString("ef"));
  EXPECT_EQ(s.Mid(10), CString(""));
  EXPECT_EQ(s.Mid(-3, 2), CString("ab"));
  EXPECT_EQ(s.GetAt(99), '\0');
}

TEST(CString, ReplaceAndTrimRespectCharacters) {
  CString s = "表\\表\\";
  EXPECT_EQ(s.Replace("\\", "/"), 2);
  EXPECT_EQ(s, CString("表/表/"));
  CString blanks = "  x y  ";
  blanks.Trim();
  EXPECT_EQ(blanks, CString("x y"));
}

TEST(CString, AtoiAndAtofReadLikeTheCLibrary) {
  EXPECT_EQ(Atoi("  42abc"), 42);
  EXPECT_EQ(Atoi("-7"), -7);
  EXPECT_EQ(Atoi("abc"), 0);
  EXPECT_EQ(Atoi("99999999999"), 2147483647);
  EXPECT_DOUBLE_EQ(Atof(" 2.5km"), 2.5);
  EXPECT_DOUBLE_EQ(Atof("1e3"), 1000.0);
  EXPECT_DOUBLE_EQ(Atof("0x10"), 0.0);
  EXPECT_DOUBLE_EQ(Atof("inf"), 0.0);
}

TEST(CString, FormatGrowsBeyondSmallBuffers) {
  CString big(std::string(1000, 'x'));
  CString f = CString::Formatted("%s|%d", big.c_str(), 5);
  EXPECT_EQ(f.GetLength(), 1002);
  EXPECT_EQ(f.Right(2), CString("|5"));
}

}  // namespace
}  // namespace topodlg
