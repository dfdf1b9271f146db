// Registering and updating a point with its table data file (OnTableFileSet)
// through the scripted user.
#include <gtest/gtest.h>

#include "tests/support/dump_reader.h"

namespace topodlg::test {
namespace {

class TableFile : public ::testing::Test {
 protected:
  RunResult Run(const std::string& script, int mode, const std::string& file = "d:\\stat\\pop.csv txt") {
    RunResult r = CallEntry("OnTableFileSet",
                            {std::to_string(mode), U8(u8"新宿"), "35.41", "139.42", U8(u8"人口"), file, "--drive",
                             "D=" + m_dir.str()},
                            script);
    m_log = r.log;
    return r;
  }
  TempDir m_dir;
  std::string m_log;  // the last run's
};

TEST_F(TableFile, UpdateShowsTheTableFileWithItsExtensionAndContinues) {
  RunResult r = Run("dump\nclick 1\n", 1);
  EXPECT_EQ(r.out, U8(u8"0|新宿|35.41|139.42|人口|d:\\stat\\pop.txt\n"));
  const Dump update = DumpAt(r);
  EXPECT_EQ(update.Control(1085).Text() + "/" + update.Control(1).Text() + "/" + update.Control(1087).Text(),
            U8(u8"d:\\stat\\pop.txt/更新を継続/更新終了"));
  EXPECT_EQ(Events(r.log, "open").at(0).Line(), U8(u8R"({"event":"open","dialog":138,"title":" 表形式データの更新"})"));
  EXPECT_EQ(Run("click 1\n", 2, "D:\\STAT\\POP.CSV csv").out, U8(u8"0|新宿|35.41|139.42|人口|D:\\STAT\\POP.csv\n"));
  EXPECT_EQ(Run("click 1\n", -1, "d:\\stat\\pop.txt csv").out, U8(u8"0|新宿|35.41|139.42|人口|csv\n"));
}

TEST_F(TableFile, RegistrationCaptionsAndTheFinishButton) {
  RunResult r = Run("dump\ntype 1081 x\ntype 1084 \"1 2\"\nclick 1087\n", 0);
  EXPECT_EQ(Events(r.log, "open").at(0).Line(), U8(u8R"({"event":"open","dialog":138,"title":" 表形式データの登録"})"));
  const Dump regist = DumpAt(r);
  EXPECT_EQ(regist.Control(1).Text() + "/" + regist.Control(1087).Text() + "/" + regist.Control(1085).Text(),
            U8(u8"登録を継続/登録終了/d:\\stat\\pop.csv txt"));
  EXPECT_EQ(r.out, U8(u8"1|x|35.41|1 2|人口|d:\\stat\\pop.csv txt\n"));
  EXPECT_EQ(Run("type 1082 y\nenter\n", 0, "").out, U8(u8"0|新宿|35.41|139.42|y|\n"));
  EXPECT_EQ(Run("type 1081 x\nclick 2\n", 0).out, "\n");
}

TEST_F(TableFile, TheFileButtonPicksOrEmpties) {
  m_dir.Write("stat/Area.CSV", "a,b\r\n");
  RunResult r = Run("type 1081 kept\nclick 1086\npick \"D:\\stat\\Area.CSV\"\ndump\nclick 1\n", 0);
  EXPECT_EQ(Events(r.log, "beep").size(), 1u);
  EXPECT_EQ(Events(r.log, "filedialog").at(0).Line(),
            U8(u8R"({"event":"filedialog","mode":"open","filter":"表 files (*.csv)|*.csv|表 files (*.txt)|*.txt|All files (*.*)|*.*||","defext":"csv","initial":"*.csv","mustexist":true,"overwriteprompt":false,"answer":"D:\\stat\\Area.CSV"})"));
  // The pick is lower-cased; an edit typed before it is kept.
  EXPECT_EQ(r.out, U8(u8"0|kept|35.41|139.42|人口|d:\\stat\\area.csv\n"));
  EXPECT_EQ(Run("click 1086\npick cancel\ndump\nclick 1\n", 1).out, U8(u8"0|新宿|35.41|139.42|人口|\n"));
  EXPECT_EQ(DumpAt(m_log).Control(1085).Text(), "");
}

}  // namespace
}  // namespace topodlg::test
