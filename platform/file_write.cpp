#include "platform/file_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "platform/path_map.h"
#include "platform/regular_file.h"

namespace topodlg {
namespace {

// --- Test support --------------------------------------------------------------

struct Fault {
  write_path_testing::Step step{};
  int error = 0;
  int after = 0;
  bool armed = false;
};
thread_local Fault g_fault;
bool g_locking = true;

// True (errno set) when a test asked this step to fail.
bool Faulted(write_path_testing::Step step) {
  if (!g_fault.armed || g_fault.step != step) return false;
  if (g_fault.after-- > 0) return false;
  g_fault.armed = false;
  errno = g_fault.error;
  return true;
}

// --- Paths -----------------------------------------------------------------------

std::string FolderOf(const std::string& hostPath) {
  auto slash = hostPath.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : hostPath.substr(0, slash);
}

// Follows a chain of symbolic links to the file they end in (which need not
// exist yet), so that a write goes to the link's target and the link stays.
std::string FollowLinks(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string target(4096, '\0');
    ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<size_t>(n) >= target.size()) return path;
    target.resize(static_cast<size_t>(n));
    path = target.front() == '/' ? target : FolderOf(path) + "/" + target;
  }
  return path;  // a loop of links: the write fails on it
}

// The host path a write acts on, or "" (errno set) when the library path has none.
std::string WriteTarget(const CString& libraryPath) {
  std::string host = libraryPath.IsEmpty() ? std::string() : HostPath(libraryPath);
  if (host.empty()) errno = ENOENT;
  return host;
}

// Read-only files are not replaced: the mode says so even to a process that
// could write anyway (the administrator), and the permissions say so to others.
bool IsReadOnly(const std::string& path, const struct stat& st) {
  return (st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// --- The folder lock ---------------------------------------------------------------

struct HeldLock {
  int fd = -1;
  int count = 0;
};

std::mutex& LockTableMutex() {
  static std::mutex mutex;
  return mutex;
}
std::map<std::pair<unsigned long long, unsigned long long>, HeldLock>& LockTable() {
  static std::map<std::pair<unsigned long long, unsigned long long>, HeldLock> table;
  return table;
}

constexpr const char kTempPrefix[] = ".topodlg-";

// Temporary files are only made under the folder lock, so a temporary file of
// a process that no longer runs was left by a crash or a kill: removed here.
// Names of the first versions had no process number: always stale.
void RemoveStaleTemporaries(const std::string& folder) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) return;
  const std::string prefix = kTempPrefix;
  while (dirent* entry = ::readdir(dir.get())) {
    std::string name = entry->d_name;
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    std::string rest = name.substr(prefix.size());
    auto dash = rest.find('-');
    bool stale = false;
    if (dash == std::string::npos) {
      stale = rest.size() == 6;
    } else {
      char* end = nullptr;
      long pid = std::strtol(rest.c_str(), &end, 10);
      stale = end == rest.c_str() + dash && pid > 0 && pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 &&
              errno == ESRCH;
    }
    if (stale) ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
  }
}

int FlockWait(int fd) {
  int rc;
  do rc = ::flock(fd, LOCK_EX);
  while (rc != 0 && errno == EINTR);
  return rc;
}

// Locks the folder itself (no file is made for it). Where a folder cannot be
// locked (some network file systems) a lock file in it stands in.
int LockFolder(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0 && FlockWait(fd) == 0) return fd;
  if (fd >= 0) ::close(fd);
  fd = ::open((folder + "/.topodlg.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd >= 0 && FlockWait(fd) == 0) return fd;
  if (fd >= 0) ::close(fd);
  return -1;
}

// Blocks the file-size-limit signal while a write runs, so that a write over
// the limit fails with EFBIG (and is undone) instead of ending the process.
class FileSizeSignalBlock {
 public:
  FileSizeSignalBlock() {
    sigemptyset(&m_set);
    sigaddset(&m_set, SIGXFSZ);
    sigset_t pending;
    m_wasPending = ::sigpending(&pending) == 0 && sigismember(&pending, SIGXFSZ);
    ::pthread_sigmask(SIG_BLOCK, &m_set, &m_old);
  }
  ~FileSizeSignalBlock() {
    sigset_t pending;
    if (!m_wasPending && ::sigpending(&pending) == 0 && sigismember(&pending, SIGXFSZ)) {
      const int saved = errno;
      timespec zero{};
      ::sigtimedwait(&m_set, nullptr, &zero);
      errno = saved;
    }
    ::pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
  }
  FileSizeSignalBlock(const FileSizeSignalBlock&) = delete;
  FileSizeSignalBlock& operator=(const FileSizeSignalBlock&) = delete;

 private:
  sigset_t m_set{};
  sigset_t m_old{};
  bool m_wasPending = false;
};

bool WriteAllAt(int fd, std::string_view bytes, long long offset) {
  while (!bytes.empty()) {
    ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
    offset += n;
  }
  return true;
}

bool SyncFd(int fd) { return !Faulted(write_path_testing::Step::Sync) && ::fsync(fd) == 0; }

// The directory entry of a rename reaches the disk too.
void SyncFolder(const std::string& folder) {
  UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd) ::fsync(fd.get());
}

// Renames without ever replacing what `to` names. File systems without the
// kernel's no-replace rename check first; the folder lock makes that safe
// against the library's other writers.
bool RenameNoReplace(const std::string& from, const std::string& to) {
  if (Faulted(write_path_testing::Step::Rename)) return false;
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return false;
  struct stat st;
  if (::lstat(to.c_str(), &st) == 0) {
    errno = EEXIST;
    return false;
  }
  return std::rename(from.c_str(), to.c_str()) == 0;
}

// A temporary file beside the target; removed again unless kept.
class TempFile {
 public:
  explicit TempFile(const std::string& folder) {
    if (Faulted(write_path_testing::Step::Open)) return;
    m_path = folder + "/" + kTempPrefix + std::to_string(::getpid()) + "-XXXXXX";
    m_fd = UniqueFd(::mkostemp(m_path.data(), O_CLOEXEC));
    if (!m_fd) m_path.clear();
  }
  ~TempFile() {
    if (!m_path.empty()) {
      const int saved = errno;
      ::unlink(m_path.c_str());
      errno = saved;
    }
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  int fd() const { return m_fd.get(); }
  const std::string& path() const { return m_path; }
  bool Close() { return ::close(m_fd.release()) == 0; }
  void Keep() { m_path.clear(); }

 private:
  std::string m_path;
  UniqueFd m_fd;
};

// A file with several hard links is written in place, so that every link
// keeps seeing it: the new size is reserved first (a full disk or the size
// limit then fails before the old bytes are touched), then the bytes of the
// synced temporary file are copied over it.
bool RewriteInPlace(const std::string& target, int tempFd) {
  struct stat st;
  if (::fstat(tempFd, &st) != 0) return false;
  UniqueFd fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
  if (!fd) return false;
  if (st.st_size > 0) {
    int rc = ::posix_fallocate(fd.get(), 0, st.st_size);
    if (rc == ENOSPC || rc == EFBIG || rc == EIO) {
      errno = rc;
      return false;
    }
  }
  if (Faulted(write_path_testing::Step::Write)) return false;
  long long offset = 0;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::pread(tempFd, buffer, sizeof buffer, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    if (!WriteAllAt(fd.get(), std::string_view(buffer, static_cast<size_t>(n)), offset)) return false;
    offset += n;
  }
  return ::ftruncate(fd.get(), st.st_size) == 0 && SyncFd(fd.get());
}

struct ExistingFile {
  bool exists = false;
  struct stat st {};
};

// What is at the target: nothing, or a regular file the user may write.
// Anything else fails the write (errno set).
bool CheckReplaceable(const std::string& target, ExistingFile& existing) {
  if (::stat(target.c_str(), &existing.st) != 0) {
    existing.exists = false;
    return errno == ENOENT;
  }
  existing.exists = true;
  if (!S_ISREG(existing.st.st_mode)) {
    errno = S_ISDIR(existing.st.st_mode) ? EISDIR : EINVAL;
    return false;
  }
  if (IsReadOnly(target, existing.st)) {
    errno = EACCES;
    return false;
  }
  return true;
}

// Writes the new bytes into a synced temporary file with the mode and owner
// the result must have.
bool FillTemporary(TempFile& temp, const ExistingFile& existing, const std::function<bool(FileSink&)>& produce) {
  if (temp.fd() < 0) return false;
  FileSink sink(temp.fd());
  if (!produce(sink)) return false;
  const mode_t mode = existing.exists ? existing.st.st_mode & 07777 : NewFileMode();
  if (::fchmod(temp.fd(), mode) != 0) return false;
  if (existing.exists && (existing.st.st_uid != ::geteuid() || existing.st.st_gid != ::getegid())) {
    // Kept where the process may; a group it is no member of cannot be kept.
    if (::fchown(temp.fd(), existing.st.st_uid, existing.st.st_gid) != 0) {
      [[maybe_unused]] int ignored = ::fchown(temp.fd(), static_cast<uid_t>(-1), existing.st.st_gid);
    }
  }
  return SyncFd(temp.fd());
}

}  // namespace

// --- DataFileLock ---------------------------------------------------------------------

DataFileLock::DataFileLock(const CString& libraryPath) {
  if (!g_locking) return;
  const int saved = errno;
  const std::string host = WriteTarget(libraryPath);
  errno = saved;
  if (!host.empty()) Lock(FolderOf(FollowLinks(host)));
}

DataFileLock::DataFileLock(const HostFolder& folder) {
  if (g_locking) Lock(folder.path);
}

void DataFileLock::Lock(const std::string& folder) {
  struct stat st;
  if (::stat(folder.c_str(), &st) != 0) return;  // no folder: the write fails anyway
  m_device = st.st_dev;
  m_inode = st.st_ino;
  std::lock_guard guard(LockTableMutex());
  HeldLock& held = LockTable()[{m_device, m_inode}];
  if (held.count == 0) {
    const int saved = errno;
    held.fd = LockFolder(folder);
    if (held.fd < 0) {
      // Neither the folder nor a lock file can be locked: the change goes on
      // unlocked (and most likely fails for the same reason).
      LockTable().erase({m_device, m_inode});
      errno = saved;
      return;
    }
    RemoveStaleTemporaries(folder);
    errno = saved;
  }
  ++held.count;
  m_held = true;
}

DataFileLock::~DataFileLock() {
  if (!m_held) return;
  std::lock_guard guard(LockTableMutex());
  auto it = LockTable().find({m_device, m_inode});
  if (it == LockTable().end() || --it->second.count > 0) return;
  const int saved = errno;
  ::close(it->second.fd);
  errno = saved;
  LockTable().erase(it);
}

// --- FileSink ---------------------------------------------------------------------------

bool FileSink::Write(std::string_view bytes) {
  if (Faulted(write_path_testing::Step::Write)) return false;
  while (!bytes.empty()) {
    ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool FileSink::CopyFrom(int sourceFd, long long from, long long to) {
  char buffer[65536];
  while (to < 0 || from < to) {
    size_t want = sizeof buffer;
    if (to >= 0 && static_cast<long long>(want) > to - from) want = static_cast<size_t>(to - from);
    ssize_t n = ::pread(sourceFd, buffer, want, from);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return to < 0;  // the source ended early: a range past its end is an error
    if (!Write(std::string_view(buffer, static_cast<size_t>(n)))) return false;
    from += n;
  }
  return true;
}

// --- The write functions --------------------------------------------------------------

bool ReplaceFileWith(const CString& libraryPath, const std::function<bool(FileSink&)>& produce) {
  const std::string host = WriteTarget(libraryPath);
  if (host.empty()) return false;
  const std::string target = FollowLinks(host);
  DataFileLock lock(DataFileLock::HostFolder{FolderOf(target)});
  ExistingFile existing;
  if (!CheckReplaceable(target, existing)) return false;
  FileSizeSignalBlock noSignal;
  TempFile temp(FolderOf(target));
  if (!FillTemporary(temp, existing, produce)) return false;
  if (existing.exists && existing.st.st_nlink > 1) {
    if (!RewriteInPlace(target, temp.fd())) return false;
  } else {
    if (!temp.Close()) return false;
    if (Faulted(write_path_testing::Step::Rename) || std::rename(temp.path().c_str(), target.c_str()) != 0) return false;
    temp.Keep();
  }
  SyncFolder(FolderOf(target));
  return true;
}

bool WriteFileWhole(const CString& libraryPath, std::string_view bytes) {
  return ReplaceFileWith(libraryPath, [bytes](FileSink& sink) { return sink.Write(bytes); });
}

bool WriteLinesCrLf(const CString& libraryPath, const std::vector<CString>& lines) {
  std::string bytes;
  for (const CString& line : lines) {
    bytes += line.str();
    bytes += "\r\n";
  }
  return WriteFileWhole(libraryPath, bytes);
}

bool AppendLineCrLf(const CString& libraryPath, const CString& line) {
  const std::string host = WriteTarget(libraryPath);
  if (host.empty()) return false;
  const std::string target = FollowLinks(host);
  DataFileLock lock(DataFileLock::HostFolder{FolderOf(target)});
  ExistingFile existing;
  if (!CheckReplaceable(target, existing)) return false;
  if (!existing.exists) return WriteFileWhole(libraryPath, line.str() + "\r\n");

  if (Faulted(write_path_testing::Step::Open)) return false;
  UniqueFd fd(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW));
  struct stat st;
  if (!fd || ::fstat(fd.get(), &st) != 0) return false;
  if (!S_ISREG(st.st_mode)) {
    errno = EINVAL;
    return false;
  }
  std::string bytes;
  char last = '\n';
  if (st.st_size > 0 && ::pread(fd.get(), &last, 1, st.st_size - 1) != 1) return false;
  if (last != '\n') bytes = "\r\n";
  bytes += line.str();
  bytes += "\r\n";

  FileSizeSignalBlock noSignal;
  if (!Faulted(write_path_testing::Step::Write) && WriteAllAt(fd.get(), bytes, st.st_size) && SyncFd(fd.get())) {
    return true;
  }
  // Nothing of a failed append stays: the file is cut back to its old end.
  const int saved = errno;
  if (::ftruncate(fd.get(), st.st_size) == 0) ::fsync(fd.get());
  errno = saved;
  return false;
}

bool CreateNewFile(const CString& libraryPath, std::string_view bytes) {
  const std::string host = WriteTarget(libraryPath);
  if (host.empty()) return false;
  DataFileLock lock(DataFileLock::HostFolder{FolderOf(host)});
  struct stat st;
  if (::lstat(host.c_str(), &st) == 0) {
    errno = EEXIST;
    return false;
  }
  FileSizeSignalBlock noSignal;
  TempFile temp(FolderOf(host));
  ExistingFile none;
  if (!FillTemporary(temp, none, [bytes](FileSink& sink) { return sink.Write(bytes); })) return false;
  if (!temp.Close() || !RenameNoReplace(temp.path(), host)) return false;
  temp.Keep();
  SyncFolder(FolderOf(host));
  return true;
}

bool RemoveFile(const CString& libraryPath) {
  const std::string host = WriteTarget(libraryPath);
  if (host.empty()) return false;
  DataFileLock lock(DataFileLock::HostFolder{FolderOf(host)});
  struct stat st;
  if (::lstat(host.c_str(), &st) != 0) return false;
  if (S_ISDIR(st.st_mode)) {
    errno = EISDIR;
    return false;
  }
  if (S_ISREG(st.st_mode) && IsReadOnly(host, st)) {
    errno = EACCES;
    return false;
  }
  return ::unlink(host.c_str()) == 0;
}

bool RenameFile(const CString& fromPath, const CString& toPath) {
  const std::string from = WriteTarget(fromPath);
  const std::string to = WriteTarget(toPath);
  if (from.empty() || to.empty()) return false;
  DataFileLock lock(DataFileLock::HostFolder{FolderOf(from)});
  struct stat st;
  if (::lstat(from.c_str(), &st) != 0) return false;
  if (S_ISDIR(st.st_mode)) {
    errno = EISDIR;
    return false;
  }
  if (!RenameNoReplace(from, to)) return false;
  SyncFolder(FolderOf(to));
  return true;
}

bool IsWritableFile(const CString& libraryPath) {
  const int saved = errno;
  const std::string host = WriteTarget(libraryPath);
  errno = saved;
  struct stat st;
  return !host.empty() && ::stat(host.c_str(), &st) == 0 && S_ISREG(st.st_mode) && !IsReadOnly(host, st);
}

namespace write_path_testing {
void InjectFault(Step step, int error, int after) { g_fault = {step, error, after, true}; }
void ClearFaults() { g_fault = {}; }
void SetLocking(bool on) { g_locking = on; }
}  // namespace write_path_testing

}  // namespace topodlg
