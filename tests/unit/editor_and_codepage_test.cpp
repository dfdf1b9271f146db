// Starting the external editor without a shell, and code page conversion.
#include <gtest/gtest.h>

#include "frame/shared_routines.h"
#include "platform/codepage.h"
#include "platform/module_state.h"
#include "platform/process.h"
#include "tests/support/dump_reader.h"

namespace topodlg {
namespace {

using test::TempDir;

TEST(CodePage, ConvertsBothWaysAndReportsWhatItCannot) {
  EXPECT_EQ(Utf8ToCp932(test::U8(u8"等高線ｷｬﾝｾﾙ～")).value(), CString("等高線ｷｬﾝｾﾙ～"));
  EXPECT_FALSE(Utf8ToCp932("\xF0\x9F\x98\x80"));  // no such character
  EXPECT_FALSE(Utf8ToCp932("\xC3"));              // cut UTF-8
  EXPECT_EQ(Cp932ToUtf8("ｱ\x81"), test::U8(u8"ｱ\uFFFD"));
  EXPECT_FALSE(Cp932ToUtf8Strict("\x81"));
}

TEST(CommandLine, SplitsLikeTheOriginalPlatform) {
  EXPECT_EQ(SplitCommandLine("ed -n  file"), (std::vector<CString>{"ed", "-n", "file"}));
  EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\ed.exe\" /x"),
            (std::vector<CString>{"C:\\Program Files\\ed.exe", "/x"}));
  EXPECT_EQ(SplitCommandLine("a\\\\\"b c\""), (std::vector<CString>{"a\\b c"}));
  EXPECT_EQ(SplitCommandLine("表\\ x"), (std::vector<CString>{"表\\", "x"}));
  EXPECT_TRUE(SplitCommandLine("   ").empty());
}

// The editor in these tests is a script that writes its arguments to a file.
class Editor : public ::testing::Test {
 protected:
  void SetUp() override {
    m_saved = Drives();
    Drives().Map('D', m_dir.str());
    m_dir.Write("editor.sh", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname \"$0\")/args\"\nexit 3\n");
    std::filesystem::permissions(m_dir.path() / "editor.sh", std::filesystem::perms::owner_all);
  }
  void TearDown() override {
    Drives() = m_saved;
  }
  std::string Log() { return m_log.Text(); }
  TempDir m_dir;
  DriveMap m_saved;
  test::CapturedLog m_log;
};

TEST_F(Editor, GetsItsOptionsAndTheFileAsAHostPath) {
  m_dir.Write("My Data/a b.txt", "x");
  RunEditorAndWait("D:\\editor.sh -n", "D:\\My Data\\a b.txt");
  EXPECT_EQ(m_dir.Read("args"), "-n\n" + m_dir.str() + "/My Data/a b.txt\n");
  const test::Event process = test::Events(Log(), "process").at(0);
  EXPECT_EQ(process["command"].Str(), "D:\\editor.sh -n D:\\My Data\\a b.txt");
  EXPECT_TRUE(process["started"].Bool());
  EXPECT_EQ(process["exit"].Int(), 3);
}

TEST_F(Editor, AnUnquotedProgramPathWithBlanksIsFound) {
  std::filesystem::create_directories(m_dir.path() / "My Tools");
  std::filesystem::copy(m_dir.path() / "editor.sh", m_dir.path() / "My Tools" / "editor.sh");
  RunEditorAndWait("D:\\My Tools\\editor.sh -n", "D:\\f.txt");
  EXPECT_EQ(m_dir.Read("My Tools/args"), "-n\n" + m_dir.str() + "/f.txt\n");
}

TEST_F(Editor, NothingStartsForAnEmptyFileAndAMissingProgramIsIgnored) {
  RunEditorAndWait("D:\\editor.sh", "");
  EXPECT_EQ(Log(), "");
  RunEditorAndWait("D:\\no-such-editor", "D:\\x.txt");
  EXPECT_FALSE(test::Events(Log(), "process").at(0)["started"].Bool());
  // No program: the file, executable though it is, is not run in its place.
  RunEditorAndWait(" ", "D:\\editor.sh");
  EXPECT_FALSE(std::filesystem::exists(m_dir.path() / "args"));
  EXPECT_EQ(test::Events(Log(), "process").at(1)["command"].Str(), "  D:\\editor.sh");
}

TEST_F(Editor, AFileNameCannotRunAnything) {
  const std::string marker = m_dir.str() + "/owned";
  RunEditorAndWait("D:\\editor.sh", CString("x; touch ") + CString(marker) + " $(touch " + CString(marker) + ")");
  EXPECT_FALSE(std::filesystem::exists(marker));
  EXPECT_NE(m_dir.Read("args").find("touch"), std::string::npos);
}

TEST_F(Editor, LongCommandLinesAreNotCut) {
  std::string longName(400, 'n');
  RunEditorAndWait("D:\\editor.sh", CString("D:\\") + CString(longName));
  EXPECT_EQ(m_dir.Read("args"), m_dir.str() + "/" + longName + "\n");
}

}  // namespace
}  // namespace topodlg

#include "tools/scripted/scripted_user.h"

namespace topodlg {
namespace {

class Browse : public Editor {
 protected:
  CString Pick(const std::string& script) {
    ScriptedUser user(ParseScript(script));
    m_log.SetUser(&user);
    CString picked = BrowseForFile("txt", "Start.TXT", "Text files (*.txt)|*.txt");
    m_log.SetUser(nullptr);
    return picked;
  }
};

TEST_F(Browse, BeepsOffersAllFilesAndReturnsTheLowerCasedPath) {
  m_dir.Write("Folder/Data.TXT", "x");
  EXPECT_EQ(Pick("pick \"D:\\\\Folder\\\\Data.TXT\"\n"), CString("d:\\folder\\data.txt"));
  const std::vector<test::Event> events = test::Events(Log());
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].Line(), R"({"event":"beep"})");
  const test::Event& picker = events[1];
  EXPECT_EQ(picker["mode"].Str(), "open");
  EXPECT_EQ(picker["filter"].Str(), "Text files (*.txt)|*.txt|All files (*.*)|*.*||");
  EXPECT_EQ(picker["defext"].Str() + " " + picker["initial"].Str(), "txt Start.TXT");
  EXPECT_TRUE(picker["mustexist"].Bool());
  EXPECT_FALSE(picker["overwriteprompt"].Bool());
}

TEST_F(Browse, CancelGivesNothingAndAMissingFileIsRefused) {
  EXPECT_EQ(Pick("pick cancel\n"), CString(""));
  EXPECT_THROW(Pick("pick \"D:\\\\nothing.txt\"\n"), ScriptError);
  m_log.SetUser(nullptr);
}

TEST_F(Browse, HostPathsComeBackInLibraryForm) {
  m_dir.Write("h.txt", "x");
  EXPECT_EQ(Pick("pick \"" + m_dir.str() + "/h.txt\"\n"), CString("d:\\h.txt"));
}

}  // namespace
}  // namespace topodlg
