// The one way the library changes a data file. Every rewrite, append, new
// file, rename and removal of a data file goes through these functions, so
// that each of them holds everywhere:
//
// - Concurrent processes (two windows of a host, a host and a script) never
//   lose each other's changes: every change runs under an advisory lock of
//   the folder that holds the file, and a DataFileLock held around a read and
//   the write that depends on it makes the pair one step.
// - A file is replaced whole or not at all: the new bytes go to a temporary
//   file in the same folder, are synced, and are renamed over the old file.
//   A failure leaves the old file as it was and removes only the temporary
//   file; temporary files left by a process that was killed are removed by
//   the next change in that folder.
// - The old file's mode and owner stay (where the process may set them). A
//   symbolic link is written through to its target; a file with hard links is
//   rewritten in place after its space has been reserved, so every link sees
//   the change.
// - A file the user cannot write (read-only, or no write permission) is not
//   replaced, appended to or removed: the call fails with errno EACCES and the
//   dialog shows its file-error report.
// - A write stopped by the file-size limit fails with EFBIG instead of ending
//   the process.
//
// All functions take library paths; they return false with errno set when
// nothing was changed.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cstring.h"

namespace topodlg {

// Holds the advisory lock (flock) of the folder that holds the file at
// `libraryPath` (after following its symbolic links) while it lives. Locks of
// one folder nest within a process. Every function below takes the lock
// itself; hold one yourself around reading a file and the change that depends
// on what was read (a registration that looks for a duplicate first).
class DataFileLock {
 public:
  explicit DataFileLock(const CString& libraryPath);
  ~DataFileLock();
  DataFileLock(const DataFileLock&) = delete;
  DataFileLock& operator=(const DataFileLock&) = delete;

  // Locks a host folder (for the write functions, which have resolved it).
  struct HostFolder {
    std::string path;
  };
  explicit DataFileLock(const HostFolder& folder);

 private:
  void Lock(const std::string& hostFolder);
  unsigned long long m_device = 0, m_inode = 0;  // the folder locked
  bool m_held = false;
};

// Where the bytes of a replacement go (see ReplaceFileWith).
class FileSink {
 public:
  explicit FileSink(int fd) : m_fd(fd) {}
  bool Write(std::string_view bytes);
  // Copies the bytes [from, to) of an open file; to < 0 copies to its end.
  bool CopyFrom(int sourceFd, long long from, long long to = -1);

 private:
  int m_fd;
};

// Replaces (or creates) the file with what `produce` writes into the sink; a
// `produce` that returns false leaves the old file as it was.
bool ReplaceFileWith(const CString& libraryPath, const std::function<bool(FileSink&)>& produce);
// Replaces (or creates) the file with exactly these bytes.
bool WriteFileWhole(const CString& libraryPath, std::string_view bytes);
// Each line followed by CR LF.
bool WriteLinesCrLf(const CString& libraryPath, const std::vector<CString>& lines);
// Adds the line and CR LF at the end of the file, creating it when missing. A
// last line left without its line end (by a person's editor) gets one first,
// so the new line never runs on into it. The file is appended to in place
// (links, mode and owner stay as they are); a failed append is cut off again.
bool AppendLineCrLf(const CString& libraryPath, const CString& line);
// Makes a new file with these bytes; fails with EEXIST, touching nothing, when
// anything of that name exists already.
bool CreateNewFile(const CString& libraryPath, std::string_view bytes);
// Removes a file (a symbolic link itself, not its target). A folder is never
// removed; neither is a file the user cannot write.
bool RemoveFile(const CString& libraryPath);
// Renames a file; never replaces: fails with EEXIST when `toPath` exists.
bool RenameFile(const CString& fromPath, const CString& toPath);

// True for a regular file that the write functions would change (not
// read-only, and writable by this process).
bool IsWritableFile(const CString& libraryPath);

// Test and benchmark support.
namespace write_path_testing {
enum class Step { Open, Write, Sync, Rename };
// The write path fails with `error` at `step`, the time after it has passed
// that step `after` times (0: the next time).
void InjectFault(Step step, int error, int after = 0);
void ClearFaults();
// Turns the folder lock off (for measuring what it costs); on by default.
void SetLocking(bool on);
}  // namespace write_path_testing

}  // namespace topodlg
