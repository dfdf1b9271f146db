// The faults found by using the built dialogs as a hostile or careless person
// would, each reproduced through topodlg: concurrent processes, special files,
// failed writes, links, names from data files, NUL bytes, growing drawings.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <set>

#include "tests/scenario/track_data.h"
#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

namespace fs = std::filesystem;

// A topodlg process started in the background, its log thrown away.
struct Started {
  pid_t pid = -1;
};

// Starts topodlg with the script; `fileSizeLimit` > 0 sets the file size limit
// (ulimit -f) of the process.
Started Start(std::vector<std::string> args, const TempDir& dir, const std::string& scriptName,
              const std::string& script, long fileSizeLimit = 0) {
  const fs::path scriptPath = dir.Write(scriptName, script);
  args.insert(args.begin(), TOPODLG_CLI);
  for (const std::string& word : {std::string("--script"), scriptPath.string(), std::string("--log"),
                                  (dir.path() / (scriptName + ".log")).string()}) {
    args.push_back(word);
  }
  Started started;
  started.pid = ::fork();
  if (started.pid == 0) {
    int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    if (fileSizeLimit > 0) {
      rlimit limit{static_cast<rlim_t>(fileSizeLimit), static_cast<rlim_t>(fileSizeLimit)};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    _exit(127);
  }
  return started;
}

// Waits for the process at most `seconds`; a process still running then is
// killed and reported as hanging (-1). A signal gives 128 + its number.
int Finish(Started started, int seconds = 60) {
  int status = 0;
  for (int tenth = 0; tenth < seconds * 10; ++tenth) {
    if (::waitpid(started.pid, &status, WNOHANG) == started.pid) {
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    ::usleep(100000);
  }
  ::kill(started.pid, SIGKILL);
  ::waitpid(started.pid, &status, 0);
  return -1;
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

std::vector<std::string> Entries(const TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir.path())) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class HostileUse : public ::testing::Test {
 protected:
  std::vector<std::string> ColourSchemeCall(int position = 0) const {
    return {"call", "OnDlgClSet", std::to_string(position), "16711680", "16777215", "D:\\", "/bin/true",
            "--drive", "D=" + m_data.str()};
  }
  std::vector<std::string> FileListCall(const std::string& kind = "POINTNAME") const {
    return {"call", "OnDlgOvlyF", "", kind, "", "D:\\", "--drive", "D=" + m_data.str()};
  }
  TempDir m_data;
  TempDir m_run;  // scripts and logs
};

// Two processes registering into one file list: every registration is there.
TEST_F(HostileUse, ConcurrentRegistrationsIntoAFileListLoseNothing) {
  constexpr int kRounds = 100;
  std::string scripts[2];
  for (int p = 0; p < 2; ++p) {
    for (int i = 0; i < kRounds; ++i) {
      const std::string name = "p" + std::to_string(p) + "-" + std::to_string(i) + ".txt";
      m_data.Write("points/" + name, "x");
      scripts[p] += "click 1184\npick \"D:\\\\points\\\\" + name + "\"\n";
    }
    scripts[p] += "escape\n";
  }
  Started a = Start(FileListCall(), m_run, "a.txt", scripts[0]);
  Started b = Start(FileListCall(), m_run, "b.txt", scripts[1]);
  EXPECT_EQ(Finish(a), 0) << m_run.Read("a.txt.log").substr(0, 2000);
  EXPECT_EQ(Finish(b), 0);
  const std::vector<std::string> lines = LinesOf(m_data.Read("EXPLFILE.dat"));
  EXPECT_EQ(lines.size(), 2u * kRounds);
  EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), 2u * kRounds);
}

// Two processes registering colour schemes: every scheme is listed once, in a
// file of its own that holds its own colours.
TEST_F(HostileUse, ConcurrentSchemeRegistrationsLoseNothing) {
  constexpr int kRounds = 10;
  const char* colours[2] = {"11 22 33", "44 55 66"};
  const char* seaLines[2] = {"   0  11  22  33", "   0  44  55  66"};
  std::string scripts[2];
  for (int p = 0; p < 2; ++p) {
    // The other process may have registered already: the new entry is found by its text.
    scripts[p] = U8(u8"select 1029 \"新規登録\"\n") + "click 1017\ncolor " + colours[p] + "\n";
    for (int i = 0; i < kRounds; ++i) {
      scripts[p] += "type 1029 " + std::string(1, static_cast<char>('A' + p)) + std::to_string(i) +
                    "\nclick 1111\nanswer ok\n";
    }
    scripts[p] += "escape\n";
  }
  Started a = Start(ColourSchemeCall(), m_run, "a.txt", scripts[0]);
  Started b = Start(ColourSchemeCall(), m_run, "b.txt", scripts[1]);
  EXPECT_EQ(Finish(a), 0) << m_run.Read("a.txt.log").substr(0, 2000);
  EXPECT_EQ(Finish(b), 0) << m_run.Read("b.txt.log").substr(0, 2000);
  const std::vector<std::string> lines = LinesOf(m_data.Read("PlttFile.dat"));
  ASSERT_EQ(lines.size(), 2u * kRounds);
  std::set<std::string> names, files;
  for (const std::string& line : lines) {
    const std::string name = line.substr(0, line.find('$'));
    const std::string file = line.substr(line.find('$') + 1);
    names.insert(name);
    files.insert(file);
    const std::string scheme = m_data.Read(file);
    EXPECT_EQ(scheme.find(";" + name + "  D:\\" + file + "  \r\n"), 0u) << line;
    EXPECT_NE(scheme.find(seaLines[name[0] - 'A']), std::string::npos) << line;
  }
  EXPECT_EQ(names.size(), 2u * kRounds);
  EXPECT_EQ(files.size(), 2u * kRounds);
}

// FIFOs and devices where data files should be: the dialogs open (reading
// them as missing) instead of blocking for ever.
TEST_F(HostileUse, SpecialFilesNeverHangADialog) {
  ASSERT_EQ(::mkfifo((m_data.str() + "/PlttFile.dat").c_str(), 0644), 0);
  ASSERT_EQ(::mkfifo((m_data.str() + "/EXPLFILE.dat").c_str(), 0644), 0);
  ASSERT_EQ(::mkfifo((m_data.str() + "/track.trk").c_str(), 0644), 0);
  m_data.Write("TRACKTB0.DAT", "d:\\track.trk\r\nz:\\dev\\zero\r\n");
  Started scheme = Start(ColourSchemeCall(), m_run, "scheme.txt", "dump\nescape\n");
  Started list = Start(FileListCall(), m_run, "list.txt", "dump\nescape\n");
  std::vector<std::string> track = {"call", "OnDlgTrack", "1", "0", "-1", "0", "5", "-1", "0", "a", "b", "c", "d",
                                    "e", "D:\\", "d:\\track.trk", "", "-1 ", "", "--drive", "D=" + m_data.str()};
  Started trackRun = Start(track, m_run, "track.txt", "select 1269 1\nselect 1269 0\nescape\n");
  EXPECT_EQ(Finish(scheme, 20), 0);
  EXPECT_NE(m_run.Read("scheme.txt.log").find(U8(u8"配色の登録数=0")), std::string::npos);
  EXPECT_EQ(Finish(list, 20), 0);
  EXPECT_EQ(Finish(trackRun, 20), 0) << m_run.Read("track.txt.log");
}

// A file list reached through a symbolic link or a hard link stays linked; a
// read-only one is not replaced: the user gets the file-error report.
TEST_F(HostileUse, LinkedAndReadOnlyFileListsKeepWhatTheyAre) {
  m_data.Write("shared/list.dat", "d:\\old.txt\r\n");
  m_data.Write("new.txt", "x");
  fs::create_symlink("shared/list.dat", m_data.path() / "EXPLFILE.dat");
  fs::create_hard_link(m_data.path() / "shared/list.dat", m_data.path() / "DATAFILE.dat");
  RunResult r = RunCli(FileListCall(), "click 1184\npick \"D:\\\\new.txt\"\nescape\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  r = RunCli(FileListCall("LINKNAME"), "click 1184\npick \"D:\\\\shared\\\\list.dat\"\nescape\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_TRUE(fs::is_symlink(m_data.path() / "EXPLFILE.dat"));
  EXPECT_EQ(fs::hard_link_count(m_data.path() / "DATAFILE.dat"), 2u);
  EXPECT_EQ(m_data.Read("shared/list.dat"), "d:\\old.txt\r\nd:\\new.txt\r\nd:\\shared\\list.dat\r\n");

  m_data.Write("PNTFILE.dat", "d:\\old.txt\r\n");
  fs::permissions(m_data.path() / "PNTFILE.dat", fs::perms(0444));
  r = RunCli(FileListCall("WHOLEAREA"), "click 1184\npick \"D:\\\\new.txt\"\nanswer ok\nescape\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_NE(r.log.find(U8(u8R"(PNTFILE.dat へのアクセス中に予期しないエラーが発生しました。)")), std::string::npos);
  EXPECT_EQ(m_data.Read("PNTFILE.dat"), "d:\\old.txt\r\n");
  EXPECT_EQ(fs::status(m_data.path() / "PNTFILE.dat").permissions(), fs::perms(0444));
}

// Out of room for the new index (the file size limit stands in for a full
// disk): the process lives, reports the index, and every file is as it was.
TEST_F(HostileUse, ARegistrationWithoutRoomForTheIndexLosesNoSchemeFile) {
  std::string index = "a$Orbis1.plt\r\n\r\n";
  while (index.size() < 20000) index += "later$kept.plt\r\n";
  m_data.Write("PlttFile.dat", index);
  m_data.Write("Orbis1.plt", "a's colours");
  m_data.Write("Orbis2.plt", "someone's colours");
  const std::vector<std::string> before = Entries(m_data);
  Started run = Start(ColourSchemeCall(1), m_run, "s.txt", "type 1029 new\nclick 1111\nanswer ok\nanswer ok\nescape\n",
                      8192);
  EXPECT_EQ(Finish(run), 0);
  const std::string log = m_run.Read("s.txt.log");
  EXPECT_NE(log.find(U8(u8R"(D:\\PlttFile.dat へのアクセス中)")), std::string::npos) << log;
  EXPECT_EQ(Entries(m_data), before);
  EXPECT_EQ(m_data.Read("PlttFile.dat"), index);
  EXPECT_EQ(m_data.Read("Orbis2.plt"), "someone's colours");
}

// Index lines naming files outside the data directory: update, delete and the
// editor never reach them.
TEST_F(HostileUse, AnIndexCannotReachOutOfTheDataDirectory) {
  TempDir outside;
  outside.Write("victim.plt", "precious");
  m_data.Write("data/PlttFile.dat", "x$..\\victim.plt\r\n");
  fs::rename(outside.path() / "victim.plt", m_data.path() / "victim.plt");
  RunResult r = RunCli({"call", "OnDlgClSet", "0", "0", "0", "D:\\data\\", "/bin/true", "--drive",
                        "D=" + m_data.str()},
                       "click 1111\nclick 1018\ncolor 1 2 3\nclick 1111\nanswer ok\nanswer ok\n"
                       "click 1032\nanswer ok\nanswer ok\nescape\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(Events(r.log, "process").size(), 0u);  // the editor got no file
  EXPECT_EQ(Events(r.log, "messagebox").size(), 4u);
  EXPECT_EQ(m_data.Read("victim.plt"), "precious");
  EXPECT_EQ(m_data.Read("data/PlttFile.dat"), "x$..\\victim.plt\r\n");
}

// A scheme name with the index separator would be lost to the list: refused,
// with a message, before anything is written. A read-only scheme file is not
// replaced.
TEST_F(HostileUse, SchemeNamesTheIndexCannotHoldAndReadOnlySchemes) {
  m_data.Write("PlttFile.dat", "a$Orbis1.plt\r\n");
  m_data.Write("Orbis1.plt", "   0   0   0 128\r\n");
  RunResult r = RunCli(ColourSchemeCall(1), "type 1029 a$b\nclick 1111\nanswer ok\nanswer ok\nescape\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_NE(r.log.find(U8(u8R"("text":"配色の名称に「$」や改行は使えません！")")), std::string::npos) << r.log;
  EXPECT_EQ(Entries(m_data), (std::vector<std::string>{"Orbis1.plt", "PlttFile.dat"}));

  fs::permissions(m_data.path() / "Orbis1.plt", fs::perms(0444));
  r = RunCli(ColourSchemeCall(0), "click 1018\ncolor 1 2 3\nclick 1111\nanswer ok\nanswer ok\nescape\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_NE(r.log.find(U8(u8R"(Orbis1.plt へのアクセス中)")), std::string::npos);
  EXPECT_EQ(m_data.Read("Orbis1.plt"), "   0   0   0 128\r\n");
  EXPECT_EQ(fs::status(m_data.path() / "Orbis1.plt").permissions(), fs::perms(0444));
}

// Each opening of the colour picker draws the swatches once: the drawing is
// the same after one opening as after five.
TEST_F(HostileUse, SwatchDrawingsDoNotGrowWithEachPickerOpening) {
  m_data.Write("PlttFile.dat", "a$Orbis1.plt\r\n");
  m_data.Write("Orbis1.plt", "   0   0   0 128\r\n");
  std::string script = "click 1018\ncolor cancel\ndump\n";
  for (int i = 0; i < 4; ++i) script += "click 1018\ncolor cancel\n";
  RunResult r = RunCli(ColourSchemeCall(0), script + "dump\nescape\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  const auto dumps = Dumps(r.log);
  ASSERT_EQ(dumps.size(), 2u);
  for (int id : {1017, 1018}) {
    ASSERT_FALSE(dumps[0].Control(id).Drawing().empty()) << id;
    EXPECT_EQ(dumps[0].Control(id).Json(), dumps[1].Control(id).Json()) << id;
  }
}

// A NUL in a GPS file's name line ends the name as a C string would; the
// fields after it are all in the result.
TEST_F(HostileUse, ANulInAGpsFileEndsOnlyItsOwnText) {
  TrackData data;
  data.Dir().Write("gps/nul.trk", std::string("H  COORDINATE SYSTEM\r\nU  LAT LON DM\r\nH na\0me\r\n", 46) +
                                "T  N3537.50600 E13914.64000 10-MAR-03 04:52:24 00200\r\n");
  std::vector<std::string> args = {"call", "OnDlgTrack", "1", "0", "-1", "0", "5", "-1", "0", "a", "b", "c", "d",
                                   "e", "D:\\", "d:\\gps\\nul.trk", "", "-1 ", ""};
  for (const std::string& word : data.DriveOption()) args.push_back(word);
  RunResult r = RunCli(args, "click 1\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "1 0 0 5 0 -1 -1 DMM|d:\\gps\\nul.trk|na|trk|N3537.50600 E13914.64000|\n");
}

TEST_F(HostileUse, TheContourIndexStepStopsAtTheEndOfTheIntRange) {
  RunResult r = RunCli({"call", "OnDlgContour", "10", "0", std::to_string(INT_MAX), "0", "0", "0", "0", "0", "0",
                        "0", "0"},
                       "click 125\nclick 140\n");
  ASSERT_EQ(r.exit, 0) << r.err;
  EXPECT_EQ(r.out, "1 10 " + std::to_string(INT_MAX) + " 0 0 0 0 0 0\n");
}

TEST_F(HostileUse, AnEmptyPickIsAScriptErrorWithAClearMessage) {
  RunResult r = RunCli(FileListCall(), "click 1184\npick \"\"\n");
  EXPECT_EQ(r.exit, 3);
  EXPECT_NE(r.err.find("pick needs a path or cancel"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace topodlg::test
