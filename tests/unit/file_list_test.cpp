#include "dialogs/points/file_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/unit/scratch_folder.h"

namespace topodlg {
namespace {

using testing::ScratchFolder;

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
  ScratchFolder folder;
  CString list = folder.Write("TRACKTB2.DAT", ";comment\r\nd:\\gps\\a.trk\r\n\r\nd:\\gps\\b.pot\nd:\\表\\c.trk");
  EXPECT_EQ(Texts(ReadFileListEntries(list)),
            (std::vector<std::string>{"d:\\gps\\a.trk", "d:\\gps\\b.pot", "d:\\表\\c.trk"}));
  EXPECT_EQ(Texts(ReadListToFirstEmptyLine(list, CommentLines::Skip)),
            (std::vector<std::string>{"d:\\gps\\a.trk"}));
  EXPECT_EQ(Texts(ReadListToFirstEmptyLine(list, CommentLines::List)),
            (std::vector<std::string>{";comment", "d:\\gps\\a.trk"}));

  EXPECT_TRUE(ReadFileListEntries(folder.Path("missing.dat")).empty());
  EXPECT_TRUE(ReadListToFirstEmptyLine(folder.Path("missing.dat"), CommentLines::List).empty());
  EXPECT_TRUE(ReadFileListEntries("").empty());
}

TEST(FileListReading, LongLinesAreCutNotSplit) {
  ScratchFolder folder;
  std::string longPath = "d:\\" + std::string(250, 'x') + ".trk";
  CString list = folder.Write("DATAFILE.dat", longPath + "\r\nd:\\short.txt\r\n");
  EXPECT_EQ(Texts(ReadFileListEntries(list)),
            (std::vector<std::string>{longPath.substr(0, 199), "d:\\short.txt"}));
}

TEST(FileListRegistration, AppendsCreatesAndIgnoresDuplicates) {
  ScratchFolder folder;
  CString list = folder.Path("PNTFILE.dat");
  EXPECT_EQ(RegisterFileListEntry(list, "d:\\pt\\a.txt"), RegisterResult::Added);
  EXPECT_EQ(folder.Read("PNTFILE.dat"), "d:\\pt\\a.txt\r\n");
  EXPECT_EQ(RegisterFileListEntry(list, "d:\\ｱ表\\b.txt"), RegisterResult::Added);
  EXPECT_EQ(RegisterFileListEntry(list, "d:\\pt\\a.txt"), RegisterResult::Duplicate);
  EXPECT_EQ(folder.Read("PNTFILE.dat"), "d:\\pt\\a.txt\r\nd:\\ｱ表\\b.txt\r\n");

  // A comment line that equals the path also counts as registered.
  CString commented = folder.Write("EXPLFILE.dat", ";x\r\nd:\\p.txt\r\n");
  EXPECT_EQ(RegisterFileListEntry(commented, ";x"), RegisterResult::Duplicate);

  // A path longer than the line limit is compared as it reads back, so it is
  // registered once.
  std::string longPath = "d:\\" + std::string(250, 'y');
  EXPECT_EQ(RegisterFileListEntry(list, longPath), RegisterResult::Added);
  EXPECT_EQ(RegisterFileListEntry(list, longPath), RegisterResult::Duplicate);
}

TEST(FileListRegistration, AWriteFailureKeepsWhatWasRegistered) {
  ScratchFolder folder;
  // The list's folder does not exist and cannot be made by a registration.
  EXPECT_EQ(RegisterFileListEntry(folder.Path("MAPELMNT/PFCTRFL.DAT"), "d:\\a"), RegisterResult::WriteFailed);
  EXPECT_FALSE(std::filesystem::exists(folder.Host("MAPELMNT")));
  // A list path that is a folder cannot be written either; the folder is untouched.
  std::filesystem::create_directories(folder.Host("TRACKTB1.DAT"));
  EXPECT_EQ(RegisterFileListEntry(folder.Path("TRACKTB1.DAT"), "d:\\a"), RegisterResult::WriteFailed);
  EXPECT_TRUE(std::filesystem::is_directory(folder.Host("TRACKTB1.DAT")));
  EXPECT_EQ(RegisterFileListEntry("", "d:\\a"), RegisterResult::WriteFailed);
}

}  // namespace
}  // namespace topodlg
