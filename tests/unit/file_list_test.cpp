#include "dialogs/points/file_list.h"

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

TEST(FileListKinds, FilesTitlesAndFilters) {
  auto path = [](const char* kind) { return FileListPath(ParseFileListKind(kind), "D:\\M\\", "3").str(); };
  EXPECT_EQ(path("WHOLEAREA") + path("POINTNAME") + path("LINKNAME"),
            "D:\\M\\PNTFILE.datD:\\M\\EXPLFILE.datD:\\M\\DATAFILE.dat");
  EXPECT_EQ(path("GPS") + path("PREFECTURE") + path("gps"), "D:\\M\\TRACKTB3.DATD:\\M\\MAPELMNT\\PFCTRFL.DAT");
  EXPECT_STREQ(FileListTitle(FileListKind::LinkName), " 現在のテキスト・画像データファイル");
  EXPECT_EQ(FileListTitle(FileListKind::Unknown), nullptr);
  EXPECT_STREQ(FileListFilter(FileListKind::PointName), "All files (*.*)|*.*||");
}

TEST(FileListReading, EachReaderKeepsItsRuleForCommentsEmptyAndLongLines) {
  TempDir folder;
  std::string longPath = "d:\\" + std::string(250, 'x');
  CString list = WriteFile(folder, "TRACKTB2.DAT", ";c\r\nd:\\a.trk\r\n\r\nd:\\b.pot\n" + longPath + "\nd:\\表\\c");
  // A long line reads as its first 199 bytes, never as a second entry.
  EXPECT_EQ(Joined(ReadFileListEntries(list)), "d:\\a.trk|d:\\b.pot|" + longPath.substr(0, 199) + "|" +
                                                   CString("d:\\表\\c").str() + "|");
  EXPECT_EQ(Joined(ReadListToFirstEmptyLine(list, CommentLines::Skip)), "d:\\a.trk|");
  EXPECT_EQ(Joined(ReadListToFirstEmptyLine(list, CommentLines::List)), ";c|d:\\a.trk|");
  EXPECT_TRUE(ReadFileListEntries(PathIn(folder, "missing.dat")).empty());
  EXPECT_TRUE(ReadFileListEntries("").empty());
}

TEST(FileListRegistration, AppendsCreatesAndIgnoresDuplicates) {
  TempDir folder;
  CString list = PathIn(folder, "PNTFILE.dat");
  EXPECT_EQ(RegisterFileListEntry(list, "d:\\a.txt"), RegisterResult::Added);
  EXPECT_EQ(RegisterFileListEntry(list, "d:\\ｱ表\\b.txt"), RegisterResult::Added);
  EXPECT_EQ(RegisterFileListEntry(list, "d:\\a.txt"), RegisterResult::Duplicate);
  EXPECT_EQ(folder.Read("PNTFILE.dat"), CString("d:\\a.txt\r\nd:\\ｱ表\\b.txt\r\n").str());
  // A comment line equal to the path counts; a long path is compared as it reads back.
  EXPECT_EQ(RegisterFileListEntry(WriteFile(folder, "EXPLFILE.dat", ";x\r\n"), ";x"), RegisterResult::Duplicate);
  std::string longPath = "d:\\" + std::string(250, 'y');
  EXPECT_EQ(RegisterFileListEntry(list, longPath), RegisterResult::Added);
  EXPECT_EQ(RegisterFileListEntry(list, longPath), RegisterResult::Duplicate);
  // A last line without its line end keeps its entry.
  EXPECT_EQ(RegisterFileListEntry(WriteFile(folder, "DATAFILE.dat", "d:\\a.txt"), "d:\\b.txt"), RegisterResult::Added);
  EXPECT_EQ(folder.Read("DATAFILE.dat"), "d:\\a.txt\r\nd:\\b.txt\r\n");
  // A folder that does not exist is not made; an empty path is refused.
  EXPECT_EQ(RegisterFileListEntry(PathIn(folder, "MAPELMNT/PFCTRFL.DAT"), "d:\\a"), RegisterResult::WriteFailed);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "MAPELMNT"));
  EXPECT_EQ(RegisterFileListEntry("", "d:\\a"), RegisterResult::WriteFailed);
}

TEST(FileListRegistration, NewFilesAreAppendedAsChosenEvenTwice) {
  TempDir folder;
  CString list = WriteFile(folder, "EXPLFILE.dat", "d:\\a.txt");
  EXPECT_TRUE(AppendFileListEntry(list, "D:\\New.TXT"));
  EXPECT_TRUE(AppendFileListEntry(list, "D:\\New.TXT"));
  EXPECT_EQ(folder.Read("EXPLFILE.dat"), "d:\\a.txt\r\nD:\\New.TXT\r\nD:\\New.TXT\r\n");
  EXPECT_FALSE(AppendFileListEntry(PathIn(folder, "none/DATAFILE.dat"), "d:\\b"));
}

}  // namespace
}  // namespace topodlg
