#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace topodlg {

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
  if (this != &other) {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = std::exchange(other.m_fd, -1);
  }
  return *this;
}

UniqueFd::~UniqueFd() {
  if (m_fd >= 0) ::close(m_fd);
}

// O_NONBLOCK keeps the open of a FIFO from waiting for a writer; the type is
// then checked on the open file itself, so nothing can be swapped in between.
UniqueFd OpenRegularFile(const std::string& hostPath) {
  if (hostPath.empty()) {
    errno = ENOENT;
    return {};
  }
  UniqueFd fd(::open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd) return {};
  struct stat st;
  if (::fstat(fd.get(), &st) != 0) return {};
  if (!S_ISREG(st.st_mode)) {
    errno = EINVAL;
    return {};
  }
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
  return fd;
}

bool IsRegularFile(const std::string& hostPath) {
  struct stat st;
  return !hostPath.empty() && ::stat(hostPath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace topodlg
