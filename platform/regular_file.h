// Opening data files for reading. Only regular files are ever read: a FIFO, a
// device or a folder named where a data file should be reads as a missing
// file, and opening one never blocks (a FIFO without a writer would otherwise
// hold the dialog for ever).
#pragma once

#include <string>
#include <utility>

namespace topodlg {

// Owns a file descriptor and closes it.
class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : m_fd(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept;
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd();

  int get() const { return m_fd; }
  explicit operator bool() const { return m_fd >= 0; }
  int release() { return std::exchange(m_fd, -1); }

 private:
  int m_fd = -1;
};

// Opens a host path for reading when it is a regular file (symbolic links
// followed); anything else gives an empty UniqueFd with errno set (ENOENT for
// a missing file, EINVAL for a FIFO, device or folder).
UniqueFd OpenRegularFile(const std::string& hostPath);

// True when the host path names a regular file (links followed). Never opens it.
bool IsRegularFile(const std::string& hostPath);

}  // namespace topodlg
