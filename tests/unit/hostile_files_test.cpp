// Data files as a hostile or careless person leaves them: special files in
// place of data files, names that reach out of the data directory, NUL bytes,
// cut double-byte characters, huge lines.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "dialogs/tracks/gps_text.h"
#include "platform/confined_name.h"
#include "platform/process.h"
#include "platform/text_file.h"
#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

namespace fs = std::filesystem;

// Seconds on the monotonic clock (<chrono> cannot be compiled to code page 932).
double Now() {
  timespec t{};
  ::clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::vector<std::string> Lines(const CString& path, int limit, bool cut) {
  LineReader reader(path);
  std::vector<std::string> lines;
  CString line;
  while (cut ? reader.ReadLineCut(line, limit) : reader.ReadLine(line, limit)) lines.push_back(line.str());
  return lines;
}
using Strings = std::vector<std::string>;

TEST(ConfinedName, OnlyNamesInsideTheFolderPass) {
  for (const char* good : {"Orbis1.plt", "sub\\a.plt", "sub/a.plt", "..a", "a..", "表\\x.plt", ".hidden"}) {
    EXPECT_TRUE(IsConfinedName(good)) << good;
  }
  for (const char* bad : {"", "..", "..\\name", "../name", "sub\\..\\..\\x", "a/../../x", "C:\\x", "c:x", "\\x",
                          "/etc/passwd", "sub\\..", ". .\\x", "...\\x", "a:b"}) {
    EXPECT_FALSE(IsConfinedName(bad)) << bad;
  }
  EXPECT_EQ(ConfinedPath("D:\\MAP\\", "Orbis1.plt"), CString("D:\\MAP\\Orbis1.plt"));
  EXPECT_EQ(ConfinedPath("D:\\MAP\\", "..\\Orbis1.plt"), CString(""));
}

// A FIFO without a writer or a device would block a reader for ever.
TEST(SpecialFiles, ReadAsMissingAndNeverBlock) {
  test::TempDir dir;
  const std::string fifo = dir.str() + "/list.dat";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  fs::create_directory(dir.path() / "folder");
  for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/urandom"), dir.str() + "/folder"}) {
    EXPECT_FALSE(LineReader(CString(path)).IsOpen()) << path;
    std::string bytes;
    EXPECT_FALSE(ReadFileBytes(CString(path), bytes)) << path;
    EXPECT_FALSE(FileExists(CString(path))) << path;
  }
  EXPECT_TRUE(NameIsTaken(CString(fifo)));
}

// Lines are C strings: the text ends at a NUL, the line does not.
TEST(LineReading, ATextEndsAtItsFirstNulAndTheNextLineIsIntact) {
  test::TempDir dir;
  const CString path = test::WriteFile(dir, "a.trk", std::string("H  na\0me\r\nT  N35\r\n\0\r\nlast", 25));
  EXPECT_EQ(Lines(path, 199, true), (Strings{"H  na", "T  N35", "", "last"}));
  EXPECT_EQ(Lines(path, 4, false), (Strings{"H  n", "a", "T  N", "35", "", "last"}));
}

// A cut never splits a double-byte character (ア is 83 41), and a lead byte left
// alone at the end of a line is no character.
TEST(LineReading, CutsFallOnCharacterBoundaries) {
  test::TempDir dir;
  const CString path = test::WriteFile(dir, "a.txt", "abアイ\r\nabc\x83\r\n\x83\r\nab\x83\x83\x83");
  EXPECT_EQ(Lines(path, 3, true), (Strings{"ab", "abc", "", "ab"}));
  EXPECT_EQ(Lines(path, 3, false), (Strings{"ab", "ア", "イ", "abc", "", "", "ab", "\x83\x83"}));
  EXPECT_EQ(Lines(path, 4, true), (Strings{"abア", "abc", "", "ab\x83\x83"}));
  EXPECT_EQ(LineAsRead("abアイ", 3), CString("ab"));
  EXPECT_EQ(LineAsRead("abc\x83", 199), CString("abc"));
  // Second bytes that look like lead bytes (88 9F is one character) are told
  // from a lone lead byte however the line begins.
  const CString pairs = test::WriteFile(dir, "b.txt", "x\x88\x9F\x83\n1\x83\x83\x83\x83\n\x88\x9F\x88\x9F\n");
  EXPECT_EQ(Lines(pairs, 199, true), (Strings{"x\x88\x9F", "1\x83\x83\x83\x83", "\x88\x9F\x88\x9F"}));
  EXPECT_EQ(LineAsRead(CString(std::string("a\0b", 3)), 199), CString("a"));
}

// A point line cut at its limit right after a lead byte, or one ending in a
// lone lead byte, keeps the header summary's fields apart.
TEST(LineReading, ACutPointLineNeverSwallowsTheNextField) {
  test::TempDir dir;
  for (const std::string& point : {"T  N" + std::string(194, '1') + "ア E2", std::string("T  N35 E139 \x83")}) {
    const CString path = test::WriteFile(dir, "cut.trk", "U  LAT LON DM\r\nH name\r\n" + point + "\r\n");
    TrackSummary summary = SummarizeTrack(path, 0, 1, TrackDialogKind::Update);
    EXPECT_EQ(summary.format, CString("DMM")) << point;
    EXPECT_EQ(summary.name, CString("name")) << point;
  }
}

// The rest of an over-long line is skipped in blocks, not byte by byte.
TEST(LineReading, AHugeFirstLineIsSkippedQuickly) {
  test::TempDir dir;
  const CString path = test::WriteFile(dir, "big.trk", std::string(32 << 20, 'x') + "\nT  N35\n");
  const double start = Now();
  LineReader reader(path);
  CString line;
  ASSERT_TRUE(reader.ReadLineCut(line, 199));
  EXPECT_EQ(line.GetLength(), 199);
  ASSERT_TRUE(reader.ReadLineCut(line, 199));
  EXPECT_EQ(line, CString("T  N35"));
  EXPECT_EQ(reader.Offset(), (32 << 20) + 8);
  EXPECT_LT(Now() - start, 2.0);
}

// An unquoted editor path with blanks runs the longest leading run of words
// that names an executable file: a file planted at a shorter run never runs.
TEST(EditorCommand, TheLongestRunThatNamesAProgramWins) {
  test::TempDir dir;
  for (const char* name : {"my", "my editor/ed.sh"}) {
    dir.Write(name, "#!/bin/sh\n");
    fs::permissions(dir.path() / name, fs::perms::owner_all);
  }
  dir.Write("my editor/notes", "not a program");
  const std::string root = dir.str();
  EXPECT_EQ(ProgramCommandWords(CString(root + "/my editor/ed.sh -n")),
            (std::vector<CString>{CString(root + "/my editor/ed.sh"), "-n"}));
  // Only an executable file counts; without one the words stay as they split.
  EXPECT_EQ(ProgramCommandWords(CString(root + "/my editor/notes -n")),
            (std::vector<CString>{CString(root + "/my"), "editor/notes", "-n"}));
  EXPECT_EQ(ProgramCommandWords(CString("\"" + root + "/my\" editor/ed.sh")),
            (std::vector<CString>{CString(root + "/my"), "editor/ed.sh"}));
}

}  // namespace
}  // namespace topodlg
