#include "dialogs/media/source_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

using test::Joined;
using test::PathIn;
using test::TempDir;
using test::WriteFile;

TEST(BinderSources, ToTheFirstEmptyLineAtMost101Names) {
  TempDir folder;
  std::string longName(120, 'n');
  EXPECT_EQ(Joined(ReadBinderSources(WriteFile(folder, "a.dat", "北アルプス\r\n" + longName + "\nlast"))),
            CString("北アルプス").str() + "|" + longName.substr(0, kSourceLineLimit) + "|last|");
  EXPECT_EQ(Joined(ReadBinderSources(WriteFile(folder, "b.dat", "one\r\n\r\ntwo\r\n"))), "one|");
  std::string many;
  for (int i = 0; i < 150; ++i) many += "s" + std::to_string(i) + "\r\n";
  auto names = ReadBinderSources(WriteFile(folder, "c.dat", many));
  ASSERT_EQ(names.size(), 101u);
  EXPECT_EQ(names.back(), "s100");
  EXPECT_TRUE(ReadBinderSources(PathIn(folder, "missing.dat")).empty());
}

TEST(IniSources, LineNNamesSourceNFromTheSectionOn) {
  TempDir folder;
  CString ini = WriteFile(folder, "trek55.ini",
                          "[Other]\r\nSource1=wrong\r\n[SourceFile]\r\nSource1=奥多摩=西\r\nSource20=not two\r\n"
                          "Source3\r\nSource4=四\r\n\r\nSource6=after\r\n");
  // Line 2 names source 20, not 2; line 3 has no "=": neither adds a name.
  EXPECT_EQ(Joined(ReadIniSources(ini)), CString("奥多摩=西|四|").str());
  EXPECT_TRUE(ReadIniSources(WriteFile(folder, "none.ini", "Source1=x\r\n")).empty());

  std::string many = "[SourceFile]\r\n";
  for (int i = 1; i <= 120; ++i) many += "Source" + std::to_string(i) + "=s" + std::to_string(i) + "\r\n";
  auto names = ReadIniSources(WriteFile(folder, "many.ini", many));
  ASSERT_EQ(names.size(), 100u);
  EXPECT_EQ(names.back(), "s100");
}

TEST(ProductFolder, TheListAndTheSourceFilesFindItByTheirOwnRules) {
  EXPECT_EQ(ProductFolderForList("C:\\TNV\\terranov.exe"), "C:\\TNV\\");
  EXPECT_EQ(ProductFolderForList("C:\\TNV\\tnvmain.exe"), "C:\\TNV\\");
  // Characters, not bytes: a double-byte name counts its characters.
  EXPECT_EQ(ProductFolderForList("C:\\地図\\テラノバ探訪記.exe"), "C:\\地図\\");
  EXPECT_EQ(ProductFolderForList("noext"), "");

  // Up to the first "." for the source files.
  EXPECT_EQ(ProductFolderForSource("C:\\T55\\trek55.exe"), "C:\\T55\\");
  EXPECT_EQ(ProductFolderForSource("C:\\TNV\\terranov.exe"), "C:\\TNV\\");
  EXPECT_EQ(ProductFolderForSource("C:\\TNV\\tnvmain.exe"), "C:\\TNV\\");
  EXPECT_EQ(ProductFolderForSource("C:\\v1.2\\terranov.exe"), "");
  EXPECT_TRUE(IsTrek55("C:\\T55\\trek55.exe"));
  EXPECT_FALSE(IsTrek55("C:\\T55\\TREK55.EXE"));
}

TEST(SourceFiles, NamesAndNumbers) {
  EXPECT_EQ(SourceFilePath("C:\\TNV\\", 0), "C:\\TNV\\SOURCE\\HISTORY.DAT");
  EXPECT_EQ(SourceFilePath("C:\\TNV\\", 12), "C:\\TNV\\SOURCE\\SOURCE12.DAT");
  EXPECT_EQ(SourceNumberOf("C:\\TNV\\SOURCE\\SOURCE12.DAT"), 12);
  EXPECT_EQ(SourceNumberOf("c:\\tnv\\source\\source3.dat"), 3);
  EXPECT_EQ(SourceNumberOf("C:\\TNV\\SOURCE\\HISTORY.DAT"), 0);
  EXPECT_EQ(SourceNumberOf("C:\\a.dat\\SOURCE\\SOURCE7.DAT"), 7);
  EXPECT_EQ(SourceNumberOf("C:\\TNV\\SOURCE\\SOURCE.DAT"), -1);
  EXPECT_EQ(SourceNumberOf(""), -1);
  EXPECT_EQ(SourceNumberOf("d:\\media\\x.txt"), -1);
}

}  // namespace
}  // namespace topodlg
