// The one write path: failures at every step leave the old file, locks between
// processes, modes, links, read-only files, stale temporary files, the file
// size limit.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "platform/file_write.h"
#include "platform/text_file.h"
#include "tests/support/cstring_testing.h"

namespace topodlg {
namespace {

namespace fs = std::filesystem;
using write_path_testing::Step;

class WritePath : public ::testing::Test {
 protected:
  void TearDown() override { write_path_testing::ClearFaults(); }
  CString Path(const std::string& name) const { return test::PathIn(m_dir, name); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_dir.path())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  mode_t Mode(const std::string& name) const {
    struct stat st;
    ::stat((m_dir.str() + "/" + name).c_str(), &st);
    return st.st_mode & 07777;
  }
  test::TempDir m_dir;
};

TEST_F(WritePath, AFailureAtAnyStepLeavesTheOldFileAndNoTemporary) {
  m_dir.Write("list.dat", "old\r\n");
  for (Step step : {Step::Open, Step::Write, Step::Sync, Step::Rename}) {
    write_path_testing::InjectFault(step, ENOSPC);
    EXPECT_FALSE(WriteFileWhole(Path("list.dat"), "new\r\n"));
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_EQ(m_dir.Read("list.dat"), "old\r\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"list.dat"});
  }
  // An append that fails is cut off again; one that fails to open changes nothing.
  for (Step step : {Step::Open, Step::Write, Step::Sync}) {
    write_path_testing::InjectFault(step, EIO);
    EXPECT_FALSE(AppendLineCrLf(Path("list.dat"), "more"));
    EXPECT_EQ(m_dir.Read("list.dat"), "old\r\n");
  }
  write_path_testing::InjectFault(Step::Rename, EIO);
  EXPECT_FALSE(CreateNewFile(Path("new.dat"), "x"));
  EXPECT_EQ(Names(), std::vector<std::string>{"list.dat"});
}

TEST_F(WritePath, ModeStaysAndNewFilesFollowTheUmask) {
  m_dir.Write("a.dat", "a");
  fs::permissions(m_dir.path() / "a.dat", fs::perms(0640));
  ASSERT_TRUE(WriteFileWhole(Path("a.dat"), "b"));
  EXPECT_EQ(Mode("a.dat"), 0640u);
  ASSERT_TRUE(AppendLineCrLf(Path("a.dat"), "c"));
  EXPECT_EQ(m_dir.Read("a.dat"), "b\r\nc\r\n");  // the unended last line got its line end
  EXPECT_EQ(Mode("a.dat"), 0640u);
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(CreateNewFile(Path("n.dat"), "n"));
  ::umask(mask);
  EXPECT_EQ(Mode("n.dat"), 0644u);
}

// Read-only even for the administrator, whom the permissions would let through.
TEST_F(WritePath, AReadOnlyFileIsNeitherReplacedNorAppendedToNorRemoved) {
  m_dir.Write("ro.dat", "keep\r\n");
  fs::permissions(m_dir.path() / "ro.dat", fs::perms(0444));
  EXPECT_FALSE(WriteFileWhole(Path("ro.dat"), "new"));
  EXPECT_EQ(errno, EACCES);
  EXPECT_FALSE(AppendLineCrLf(Path("ro.dat"), "new"));
  EXPECT_EQ(errno, EACCES);
  EXPECT_FALSE(RemoveFile(Path("ro.dat")));
  EXPECT_FALSE(IsWritableFile(Path("ro.dat")));
  EXPECT_EQ(m_dir.Read("ro.dat"), "keep\r\n");
  EXPECT_EQ(Mode("ro.dat"), 0444u);
}

TEST_F(WritePath, LinksAreWrittenThrough) {
  m_dir.Write("shared/list.dat", "a\r\n");
  fs::create_symlink("shared/list.dat", m_dir.path() / "sym.dat");
  fs::create_hard_link(m_dir.path() / "shared/list.dat", m_dir.path() / "hard.dat");
  ASSERT_TRUE(AppendLineCrLf(Path("sym.dat"), "b"));
  ASSERT_TRUE(AppendLineCrLf(Path("hard.dat"), "c"));
  EXPECT_EQ(m_dir.Read("shared/list.dat"), "a\r\nb\r\nc\r\n");
  ASSERT_TRUE(WriteFileWhole(Path("sym.dat"), "whole via link"));
  EXPECT_TRUE(fs::is_symlink(m_dir.path() / "sym.dat"));
  EXPECT_EQ(m_dir.Read("hard.dat"), "whole via link");
  ASSERT_TRUE(WriteFileWhole(Path("hard.dat"), "whole via hard link, longer than before"));
  EXPECT_EQ(m_dir.Read("shared/list.dat"), "whole via hard link, longer than before");
  EXPECT_EQ(fs::hard_link_count(m_dir.path() / "hard.dat"), 2u);
  ASSERT_TRUE(WriteFileWhole(Path("hard.dat"), "short"));
  EXPECT_EQ(m_dir.Read("shared/list.dat"), "short");
  // A link that leads nowhere yet makes its target.
  fs::create_symlink("shared/made.dat", m_dir.path() / "dangling.dat");
  ASSERT_TRUE(WriteFileWhole(Path("dangling.dat"), "made"));
  EXPECT_EQ(m_dir.Read("shared/made.dat"), "made");
  EXPECT_TRUE(fs::is_symlink(m_dir.path() / "dangling.dat"));
}

TEST_F(WritePath, NothingButRegularFilesIsReplacedAndNothingIsReplacedByARename) {
  ASSERT_EQ(::mkfifo((m_dir.str() + "/fifo.dat").c_str(), 0644), 0);
  EXPECT_FALSE(WriteFileWhole(Path("fifo.dat"), "x"));
  EXPECT_FALSE(AppendLineCrLf(Path("fifo.dat"), "x"));
  EXPECT_TRUE(fs::is_fifo(m_dir.path() / "fifo.dat"));
  fs::create_directory(m_dir.path() / "folder");
  EXPECT_FALSE(WriteFileWhole(Path("folder"), "x"));
  EXPECT_FALSE(RemoveFile(Path("folder")));
  m_dir.Write("a", "a");
  m_dir.Write("b", "b");
  EXPECT_FALSE(RenameFile(Path("a"), Path("b")));
  EXPECT_EQ(errno, EEXIST);
  EXPECT_FALSE(CreateNewFile(Path("a"), "new"));
  EXPECT_EQ(m_dir.Read("a"), "a");
  EXPECT_EQ(m_dir.Read("b"), "b");
  EXPECT_FALSE(WriteFileWhole("", "x"));
}

TEST_F(WritePath, StaleTemporariesOfDeadProcessesAreRemovedByTheNextChange) {
  m_dir.Write(".topodlg-999999999-AbCdEf", "left by a killed run");
  m_dir.Write(".topodlg-QwErTy", "left by an early version");
  m_dir.Write(".topodlg-1-XyZabc", "pid 1 is alive: not stale");
  ASSERT_TRUE(WriteFileWhole(Path("list.dat"), "x"));
  EXPECT_EQ(Names(), (std::vector<std::string>{".topodlg-1-XyZabc", "list.dat"}));
}

// The lock is the folder's; another process waits for it, this one nests it.
TEST_F(WritePath, TheLockKeepsOtherProcessesOutAndNests) {
  DataFileLock outer(Path("list.dat"));
  DataFileLock inner(Path("other.dat"));
  ASSERT_TRUE(AppendLineCrLf(Path("list.dat"), "while locked"));
  pid_t child = ::fork();
  if (child == 0) {
    int fd = ::open(m_dir.str().c_str(), O_RDONLY | O_DIRECTORY);
    _exit(::flock(fd, LOCK_EX | LOCK_NB) == -1 && errno == EWOULDBLOCK ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// Over the file size limit a write fails (EFBIG) instead of ending the process,
// and leaves the old file and no temporary file behind.
TEST_F(WritePath, TheFileSizeLimitFailsTheWriteInsteadOfKillingTheProcess) {
  m_dir.Write("list.dat", "old\r\n");
  pid_t child = ::fork();
  if (child == 0) {
    rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const std::string big(100000, 'x');
    bool replaced = WriteFileWhole(Path("list.dat"), big);
    int replaceError = errno;
    bool appended = AppendLineCrLf(Path("list.dat"), CString(big));
    _exit(!replaced && replaceError == EFBIG && !appended ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(m_dir.Read("list.dat"), "old\r\n");
  EXPECT_EQ(Names(), std::vector<std::string>{"list.dat"});
}

}  // namespace
}  // namespace topodlg
