#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/path_map.h"

namespace topodlg {
namespace {

constexpr size_t kBufferSize = 128 * 1024;

// The text a C string holds: up to the first NUL, without a lead byte that
// lost its second byte to the cut.
void EndAtNul(std::string& bytes) {
  const size_t nul = bytes.find('\0');
  if (nul == std::string::npos) return;
  bytes.resize(nul);
  size_t i = 0;
  while (i < bytes.size()) i += IsLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
  if (i > bytes.size()) bytes.pop_back();
}

}  // namespace

LineReader::LineReader(const CString& libraryPath) : m_fd(OpenDataFile(libraryPath)) {}

LineReader LineReader::FromHostPath(const std::string& hostPath) { return LineReader(OpenRegularFile(hostPath)); }

bool LineReader::Fill(size_t count) {
  if (m_end - m_pos >= count) return true;
  if (m_eof || !m_fd) return false;
  if (m_buffer.empty()) {
    m_buffer.resize(kBufferSize);
    ::posix_fadvise(m_fd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
  }
  if (m_pos > 0) {
    std::memmove(m_buffer.data(), m_buffer.data() + m_pos, m_end - m_pos);
    m_bufferStart += static_cast<long long>(m_pos);
    m_end -= m_pos;
    m_pos = 0;
  }
  while (m_end < count) {
    ssize_t n = ::read(m_fd.get(), m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      // A read error ends the file where it stands.
      m_eof = true;
      return false;
    }
    m_end += static_cast<size_t>(n);
  }
  return true;
}

bool LineReader::IsContent(size_t ahead) {
  const int c = Peek(ahead);
  return c >= 0 && c != '\n' && !(c == '\r' && Peek(ahead + 1) == '\n');
}

bool LineReader::ReadLine(CString& line, int limit) {
  line.Empty();
  m_lineContinues = false;
  if (!m_fd || limit <= 0 || Peek(0) < 0) return false;
  std::string bytes;
  bool expectTrail = false;  // the last byte taken began a double-byte character
  for (;;) {
    const int c = Peek(0);
    if (c < 0) break;
    if (c == '\n') {
      ++m_pos;
      break;
    }
    if (c == '\r' && Peek(1) == '\n') {
      m_pos += 2;
      break;
    }
    const int size = static_cast<int>(bytes.size());
    // A full piece; a line break right after it is taken with it, so a line
    // of exactly `limit` bytes is one line.
    const bool full = size == limit;
    // A double-byte character that would be cut in two waits for the next piece.
    const bool splits = !expectTrail && IsLeadByte(static_cast<unsigned char>(c)) && size > 0 &&
                        size == limit - 1 && IsContent(1);
    if (full || splits) {
      m_lineContinues = true;
      break;
    }
    expectTrail = !expectTrail && IsLeadByte(static_cast<unsigned char>(c));
    bytes += static_cast<char>(c);
    ++m_pos;
  }
  // A lead byte that ends its line has no second byte: it is not a character.
  if (expectTrail && !m_lineContinues) bytes.pop_back();
  EndAtNul(bytes);
  line = CString(std::move(bytes));
  return true;
}

void LineReader::SkipRestOfLine() {
  for (;;) {
    if (m_pos == m_end && !Fill(1)) return;
    const void* lf = std::memchr(m_buffer.data() + m_pos, '\n', m_end - m_pos);
    if (lf) {
      m_pos = static_cast<size_t>(static_cast<const char*>(lf) - m_buffer.data()) + 1;
      return;
    }
    m_pos = m_end;
  }
}

bool LineReader::ReadLineCut(CString& line, int limit) {
  if (!ReadLine(line, limit)) return false;
  if (m_lineContinues) SkipRestOfLine();
  m_lineContinues = false;
  return true;
}

CString LineAsRead(const CString& text, int limit) {
  std::string bytes = text.str();
  EndAtNul(bytes);
  size_t end = 0;
  while (end < bytes.size()) {
    const bool lead = IsLeadByte(static_cast<unsigned char>(bytes[end]));
    if (lead && end + 1 == bytes.size()) break;  // a lead byte alone at the end
    const size_t next = end + (lead ? 2 : 1);
    if (next > static_cast<size_t>(limit < 0 ? 0 : limit)) break;
    end = next;
  }
  bytes.resize(end);
  return CString(std::move(bytes));
}

std::vector<CString> ReadAllLines(const CString& libraryPath, int limit) {
  std::vector<CString> lines;
  LineReader reader(libraryPath);
  CString line;
  while (reader.ReadLine(line, limit)) lines.push_back(line);
  return lines;
}

bool ReadFileBytes(const CString& libraryPath, std::string& bytes) {
  UniqueFd fd = OpenDataFile(libraryPath);
  if (!fd) return false;
  bytes.clear();
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    bytes.append(buffer, static_cast<size_t>(n));
  }
}

bool FileExists(const CString& libraryPath) {
  return !libraryPath.IsEmpty() && IsRegularFile(HostPath(libraryPath));
}

bool NameIsTaken(const CString& libraryPath) {
  if (libraryPath.IsEmpty()) return false;
  const std::string host = HostPath(libraryPath);
  struct stat st;
  return !host.empty() && ::lstat(host.c_str(), &st) == 0;
}

UniqueFd OpenDataFile(const CString& libraryPath) {
  return libraryPath.IsEmpty() ? UniqueFd() : OpenRegularFile(HostPath(libraryPath));
}

}  // namespace topodlg
