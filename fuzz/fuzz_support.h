// Shared by the fuzz targets: the inputs that readers take as files are
// written to a scratch folder of the process (in memory where /dev/shm
// exists), and a finding is a crash with a message.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace topodlg::fuzz {

inline void RemoveTree(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return;
  if (S_ISDIR(st.st_mode)) {
    if (DIR* dir = ::opendir(path.c_str())) {
      while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") RemoveTree(path + "/" + name);
      }
      ::closedir(dir);
    }
    ::rmdir(path.c_str());
  } else {
    ::unlink(path.c_str());
  }
}

// The process's scratch folder, removed when the process ends.
inline const std::string& ScratchFolder() {
  static const std::string folder = [] {
    std::string base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string path = base + "/topodlg-fuzz-XXXXXX";
    if (!::mkdtemp(path.data())) std::abort();
    static std::string remove = path;
    std::atexit([] { RemoveTree(remove); });
    return path;
  }();
  return folder;
}

// A fresh empty folder inside the scratch folder.
inline std::string FreshFolder(const std::string& name) {
  const std::string path = ScratchFolder() + "/" + name;
  RemoveTree(path);
  ::mkdir(path.c_str(), 0755);
  return path;
}

inline bool WriteBytes(const std::string& path, std::string_view bytes) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  return ::close(fd) == 0 && ok;
}

inline std::string ReadBytes(const std::string& path) {
  std::string bytes;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return bytes;
  char buffer[65536];
  ssize_t n;
  while ((n = ::read(fd, buffer, sizeof buffer)) > 0) bytes.append(buffer, static_cast<size_t>(n));
  ::close(fd);
  return bytes;
}

// A property every input must keep; a broken one is a finding.
inline void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace topodlg::fuzz
