#include "dialogs/points/file_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

using test::PathIn;
using test::TempDir;
using test::WriteFile;

std::vector<std::string> Texts(const std::vector<CString>& lines) {
  std::vector<std::string> texts;
  for (const CString& line : lines) texts.push_back(line.str());
  return texts;
}

TEST(FileListKinds, FilesTitlesAndFilters) {
  EXPECT_EQ(FileListPath(ParseFileListKind("WHOLEAREA"), "D:\\MAP\\", ""), "D:\\MAP\\PNTFILE.dat");
  EXPECT_EQ(FileListPath(ParseFileListKind("POINTNAME"), "D:\\MAP\\", ""), "D:\\MAP\\EXPLFILE.dat");
  EXPECT_EQ(FileListPath(ParseFileListKind("LINKNAME"), "D:\\MAP\\", ""), "D:\\MAP\\DATAFILE.dat");
  EXPECT_EQ(FileListPath(ParseFileListKind("GPS"), "D:\\MAP\\", "3"), "D:\\MAP\\TRACKTB3.DAT");
  EXPECT_EQ(FileListPath(ParseFileListKind("PREFECTURE"), "D:\\MAP\\", ""), "D:\\MAP\\MAPELMNT\\PFCTRFL.DAT");
  EXPECT_EQ(FileListPath(ParseFileListKind("gps"), "D:\\MAP\\", "3"), "");

  EXPECT_STREQ(FileListTitle(FileListKind::Gps), " 現在のトラックファイル");
  EXPECT_STREQ(FileListTitle(FileListKind::LinkName), " 現在のテキスト・画像データファイル");
  EXPECT_EQ(FileListTitle(FileListKind::Unknown), nullptr);
  EXPECT_STREQ(FileListFilter(FileListKind::Gps),
               "All files (*.*)|*.*|TRK files (*.trk)|*.trk|POT files (*.pot)|*.pot||");
  EXPECT_STREQ(FileListFilter(FileListKind::PointName), "All files (*.*)|*.*||");
}

TEST(FileListReading, EachReaderKeepsItsOwnRuleForCommentsAndEmptyLines) {
  TempDir folder;
  CString list = WriteFile(folder, "TRACKTB2.DAT", ";comment\r\nd:\\gps\\a.trk\r\n\r\nd:\\gps\\b.pot\nd:\\表\\c.trk");
  EXPECT_EQ(Texts(ReadFileListEntries(list)),
            (std::vector<std::string>{"d:\\gps\\a.trk", "d:\\gps\\b.pot", "d:\\表\\c.trk"}));
  EXPECT_EQ(Texts(ReadListToFirstEmptyLine(list, CommentLines::Skip)),
            (std::vector<std::string>{"d:\\gps\\a.trk"}));
  EXPECT_EQ(Texts(ReadListToFirstEmptyLine(list, CommentLines::List)),
            (std::vector<std::string>{";comment", "d:\\gps\\a.trk"}));

  EXPECT_TRUE(ReadFileListEntries(PathIn(folder, "missing.dat")).empty());
  EXPECT_TRUE(ReadListToFirstEmptyLine(PathIn(folder, "missing.dat"), CommentLines::List).empty());
  EXPECT_TRUE(ReadFileListEntries("").empty());
}

TEST(FileListReading, LongLinesAreCutNotSplit) {
  TempDir folder;
  std::string longPath = "d:\\" + std::string(250, 'x') + ".trk";
  CString list = WriteFile(folder, "DATAFILE.dat", longPath + "\r\nd:\\short.txt\r\n");
  EXPECT_EQ(Texts(ReadFileListEntries(list)),
            (std::vector<std::string>{longPath.substr(0, 199), "d:\\short.txt"}));
}

TEST(FileListRegistration, AppendsCreatesAndIgnoresDuplicates) {
  TempDir folder;
  CString list = PathIn(folder, "PNTFILE.dat");
  EXPECT_EQ(RegisterFileListEntry(list, "d:\\pt\\a.txt"), RegisterResult::Added);
  EXPECT_EQ(folder.Read("PNTFILE.dat"), "d:\\pt\\a.txt\r\n");
  EXPECT_EQ(RegisterFileListEntry(list, "d:\\ｱ表\\b.txt"), RegisterResult::Added);
  EXPECT_EQ(RegisterFileListEntry(list, "d:\\pt\\a.txt"), RegisterResult::Duplicate);
  EXPECT_EQ(folder.Read("PNTFILE.dat"), "d:\\pt\\a.txt\r\nd:\\ｱ表\\b.txt\r\n");

  // A comment line that equals the path also counts as registered.
  CString commented = WriteFile(folder, "EXPLFILE.dat", ";x\r\nd:\\p.txt\r\n");
  EXPECT_EQ(RegisterFileListEntry(commented, ";x"), RegisterResult::Duplicate);

  // A path longer than the line limit is compared as it reads back, so it is
  // registered once.
  std::string longPath = "d:\\" + std::string(250, 'y');
  EXPECT_EQ(RegisterFileListEntry(list, longPath), RegisterResult::Added);
  EXPECT_EQ(RegisterFileListEntry(list, longPath), RegisterResult::Duplicate);
}

TEST(FileListRegistration, AWriteFailureKeepsWhatWasRegistered) {
  TempDir folder;
  // The list's folder does not exist and cannot be made by a registration.
  EXPECT_EQ(RegisterFileListEntry(PathIn(folder, "MAPELMNT/PFCTRFL.DAT"), "d:\\a"), RegisterResult::WriteFailed);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "MAPELMNT"));
  // A list path that is a folder cannot be written either; the folder is untouched.
  std::filesystem::create_directories(folder.path() / "TRACKTB1.DAT");
  EXPECT_EQ(RegisterFileListEntry(PathIn(folder, "TRACKTB1.DAT"), "d:\\a"), RegisterResult::WriteFailed);
  EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "TRACKTB1.DAT"));
  EXPECT_EQ(RegisterFileListEntry("", "d:\\a"), RegisterResult::WriteFailed);
}

}  // namespace
}  // namespace topodlg
