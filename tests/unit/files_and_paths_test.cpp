// Paths between the library's Windows form and the host, and text files read
// with byte limits and written whole.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/module_state.h"
#include "platform/path_map.h"
#include "platform/text_file.h"
#include "tests/support/topodlg_run.h"

namespace topodlg {
namespace {

using test::TempDir;

class WithDrive : public ::testing::Test {
 protected:
  void SetUp() override {
    m_saved = Drives();
    Drives().Map('D', m_dir.str());
  }
  void TearDown() override { Drives() = m_saved; }
  TempDir m_dir;
  DriveMap m_saved;
};

TEST_F(WithDrive, DriveLettersAndSeparatorsMapToHostPaths) {
  m_dir.Write("MapData/PlttFile.dat", "x");
  EXPECT_EQ(HostPath("D:\\MapData\\PlttFile.dat"), m_dir.str() + "/MapData/PlttFile.dat");
  EXPECT_EQ(HostPath("d:/MapData/PlttFile.dat"), m_dir.str() + "/MapData/PlttFile.dat");
  EXPECT_EQ(HostPath("Z:\\etc\\hostname"), "/etc/hostname");
  EXPECT_EQ(HostPath("Q:\\x"), "");  // a drive nobody mapped
  EXPECT_EQ(HostPath("/tmp\\a"), "/tmp/a");
}

TEST_F(WithDrive, NamesAreFoundWithoutRegardToCaseButNewOnesKeepTheirs) {
  m_dir.Write("MapData/PlttFile.dat", "x");
  EXPECT_EQ(HostPath("D:\\mapdata\\plttfile.dat"), m_dir.str() + "/MapData/PlttFile.dat");
  EXPECT_EQ(HostPath("D:\\mapdata\\NewFile.DAT"), m_dir.str() + "/MapData/NewFile.DAT");
}

TEST_F(WithDrive, ATrailByteBackslashIsPartOfItsName) {
  // 表 is 95 5C: the folder is named 表, not split at its second byte.
  m_dir.Write(test::U8(u8"表/ア.txt"), "x");
  EXPECT_EQ(HostPath("D:\\表\\ア.txt"), m_dir.str() + test::U8(u8"/表/ア.txt"));
  EXPECT_TRUE(FileExists("D:\\表\\ア.txt"));
}

TEST_F(WithDrive, HostPathsTakeTheLongestMappedDrive) {
  Drives().Map('E', m_dir.str() + "/sub");
  EXPECT_EQ(LibraryPath(m_dir.str() + "/a.txt"), CString("D:\\a.txt"));
  EXPECT_EQ(LibraryPath(m_dir.str() + "/sub/b.txt"), CString("E:\\b.txt"));
  EXPECT_EQ(LibraryPath("/etc/hostname"), CString("Z:\\etc\\hostname"));
  EXPECT_EQ(LibraryPath(m_dir.str() + test::U8(u8"/表.txt")), CString("D:\\表.txt"));
  // A drive mapped by a relative name still contains the absolute paths under it.
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(m_dir.path());
  Drives().Map('F', "./sub/../rel/");
  std::filesystem::current_path(cwd);
  EXPECT_EQ(LibraryPath(m_dir.str() + "/rel/c.txt"), CString("F:\\c.txt"));
  EXPECT_EQ(HostPath("F:\\c.txt"), m_dir.str() + "/rel/c.txt");
}

TEST_F(WithDrive, LinesComeInPiecesOfTheLimit) {
  m_dir.Write("a.txt", "abcdef\r\nxy\n\nlast");
  std::vector<CString> lines = ReadAllLines("D:\\a.txt", 4);
  std::vector<CString> expected = {"abcd", "ef", "xy", "", "last"};
  EXPECT_EQ(lines, expected);
  // A line exactly as long as the limit is one line, not two.
  m_dir.Write("b.txt", "abcd\r\nef\r\n");
  EXPECT_EQ(ReadAllLines("D:\\b.txt", 4), (std::vector<CString>{"abcd", "ef"}));
}

TEST_F(WithDrive, OddBytesReadWithoutHarm) {
  m_dir.Write("c.txt", std::string("a\rb\r\n\0\xFF\x81", 8));
  std::vector<CString> lines = ReadAllLines("D:\\c.txt", 199);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], CString("a\rb"));
  EXPECT_EQ(lines[1], CString(""));  // a line's text ends at its NUL
  EXPECT_TRUE(ReadAllLines("D:\\missing.txt", 10).empty());
  std::filesystem::create_directory(m_dir.path() / "folder");
  EXPECT_FALSE(LineReader("D:\\folder").IsOpen());
}

TEST_F(WithDrive, WritingReplacesTheWholeFile) {
  m_dir.Write("w.txt", "old contents that are longer\r\n");
  ASSERT_TRUE(WriteLinesCrLf("D:\\w.txt", {"one", "表"}));
  EXPECT_EQ(m_dir.Read("w.txt"), "one\r\n" + test::Sjis(test::U8(u8"表")) + "\r\n");
  ASSERT_TRUE(AppendLineCrLf("D:\\w.txt", "two"));
  ASSERT_TRUE(AppendLineCrLf("D:\\new.txt", "first"));
  EXPECT_EQ(m_dir.Read("new.txt"), "first\r\n");
  EXPECT_EQ(m_dir.Read("w.txt").substr(m_dir.Read("w.txt").size() - 5), "two\r\n");
  // Nothing but the files themselves is left in the folder.
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(m_dir.path())) ++files;
  EXPECT_EQ(files, 2);
}

TEST_F(WithDrive, AWriteThatCannotReplaceLeavesNothingBehind) {
  std::filesystem::create_directory(m_dir.path() / "taken");
  EXPECT_FALSE(WriteLinesCrLf("D:\\taken", {"new"}));
  EXPECT_TRUE(std::filesystem::is_directory(m_dir.path() / "taken"));
  EXPECT_FALSE(WriteLinesCrLf("D:\\no\\such\\folder\\x.txt", {"new"}));
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(m_dir.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(WithDrive, RenameAndRemove) {
  m_dir.Write("r.txt", "r");
  EXPECT_TRUE(RenameFile("D:\\r.txt", "D:\\s.txt"));
  EXPECT_TRUE(FileExists("D:\\S.TXT"));
  EXPECT_FALSE(RenameFile("D:\\r.txt", "D:\\t.txt"));
  EXPECT_TRUE(RemoveFile("D:\\s.txt"));
  EXPECT_FALSE(FileExists("D:\\s.txt"));
}

}  // namespace
}  // namespace topodlg
