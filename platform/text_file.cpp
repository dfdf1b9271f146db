#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/path_map.h"

namespace topodlg {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

std::string FolderOf(const std::string& hostPath) {
  auto slash = hostPath.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : hostPath.substr(0, slash);
}

}  // namespace

LineReader::LineReader(const CString& libraryPath) {
  std::string host = HostPath(libraryPath);
  if (!host.empty()) {
    struct stat st;
    // A folder opens as a stream on Linux but reads nothing useful: treat it as missing.
    if (::stat(host.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) m_file.reset(std::fopen(host.c_str(), "rb"));
  }
}

LineReader LineReader::FromHostPath(const std::string& hostPath) {
  LineReader reader;
  struct stat st;
  if (::stat(hostPath.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) reader.m_file.reset(std::fopen(hostPath.c_str(), "rb"));
  return reader;
}

// The reader is used by one thread: the unlocked read is safe and much faster.
int LineReader::NextByte() { return getc_unlocked(m_file.get()); }

bool LineReader::ReadLine(CString& line, int limit) {
  line.Empty();
  m_lineContinues = false;
  if (!m_file || limit <= 0) return false;
  std::string bytes;
  bool any = false;
  for (;;) {
    int c = NextByte();
    if (c == EOF) {
      if (m_pendingCr) {
        bytes.insert(bytes.begin(), '\r');
        m_pendingCr = false;
      }
      break;
    }
    any = true;
    if (c == '\n') {
      m_pendingCr = false;
      line = CString(std::move(bytes));
      return true;
    }
    if (m_pendingCr) {
      // A CR that was not followed by LF is part of the line.
      bytes += '\r';
      m_pendingCr = false;
    }
    if (c == '\r') {
      m_pendingCr = true;
      continue;
    }
    bytes += static_cast<char>(c);
    if (static_cast<int>(bytes.size()) >= limit) {
      // A full piece: the rest of the line comes as the next line. A line break
      // right after it is taken with it, so a line of exactly `limit` bytes is
      // one line.
      int next = NextByte();
      if (next == '\r') {
        int after = NextByte();
        if (after != '\n' && after != EOF) std::ungetc(after, m_file.get());
        if (after != '\n') m_pendingCr = true;
        m_lineContinues = after != '\n';
      } else if (next != '\n' && next != EOF) {
        std::ungetc(next, m_file.get());
        m_lineContinues = true;
      }
      line = CString(std::move(bytes));
      return true;
    }
  }
  if (!any && bytes.empty()) return false;
  line = CString(std::move(bytes));
  return true;
}

bool LineReader::ReadLineCut(CString& line, int limit) {
  if (!ReadLine(line, limit)) return false;
  CString rest;
  while (m_lineContinues && ReadLine(rest, limit)) {
  }
  return true;
}

std::vector<CString> ReadAllLines(const CString& libraryPath, int limit) {
  std::vector<CString> lines;
  LineReader reader(libraryPath);
  CString line;
  while (reader.ReadLine(line, limit)) lines.push_back(line);
  return lines;
}

bool ReadFileBytes(const CString& libraryPath, std::string& bytes) {
  std::string host = HostPath(libraryPath);
  struct stat st;
  if (host.empty() || ::stat(host.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(host.c_str(), "rb"), std::fclose);
  if (!f) return false;
  bytes.clear();
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) bytes.append(buffer, n);
  return !std::ferror(f.get());
}

bool WriteFileWhole(const CString& libraryPath, std::string_view bytes) {
  std::string host = HostPath(libraryPath);
  if (host.empty()) return false;
  std::string temp = FolderOf(host) + "/.topodlg-XXXXXX";
  int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  // mkstemp makes the file private; a data file gets the usual permissions.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  ok = ::close(fd) == 0 && ok;
  if (ok && std::rename(temp.c_str(), host.c_str()) == 0) return true;
  ::unlink(temp.c_str());
  return false;
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
  std::string bytes;
  if (FileExists(libraryPath) && !ReadFileBytes(libraryPath, bytes)) return false;
  bytes += line.str();
  bytes += "\r\n";
  return WriteFileWhole(libraryPath, bytes);
}

bool FileExists(const CString& libraryPath) {
  std::string host = HostPath(libraryPath);
  struct stat st;
  return !host.empty() && ::stat(host.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool RemoveFile(const CString& libraryPath) {
  std::string host = HostPath(libraryPath);
  return !host.empty() && ::unlink(host.c_str()) == 0;
}

bool RenameFile(const CString& fromPath, const CString& toPath) {
  std::string from = HostPath(fromPath);
  std::string to = HostPath(toPath);
  return !from.empty() && !to.empty() && std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace topodlg
