#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/path_map.h"

namespace topodlg {
namespace {

constexpr size_t kBufferSize = 128 * 1024;

// The text a C string holds: up to the first NUL, without a lead byte that
// lost its second byte to the cut.
// True when the last byte is a lead byte without its second byte. A byte
// below 0x40 is never the second byte of a character, so the characters are
// counted from the last such byte, not from the start: a point line that ends
// in digits costs one step, not one per byte.
bool EndsInLoneLeadByte(std::string_view bytes) {
  size_t i = bytes.size();
  while (i > 0 && static_cast<unsigned char>(bytes[i - 1]) >= 0x40) --i;
  while (i < bytes.size()) i += IsLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
  return i > bytes.size();
}

void EndAtNul(std::string& bytes) {
  const size_t nul = bytes.find('\0');
  if (nul == std::string::npos) return;
  bytes.resize(nul);
  if (EndsInLoneLeadByte(bytes)) bytes.pop_back();
}

}  // namespace

LineReader::LineReader(const CString& libraryPath) : m_fd(OpenDataFile(libraryPath)) {}

LineReader LineReader::FromHostPath(const std::string& hostPath) { return LineReader(OpenRegularFile(hostPath)); }

bool LineReader::Fill(size_t count) {
  if (m_end - m_pos >= count) return true;
  if (m_eof || !m_fd) return false;
  if (m_buffer.size() < std::max(count, kBufferSize)) {
    if (m_buffer.empty()) ::posix_fadvise(m_fd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    m_buffer.resize(std::max(count, kBufferSize));
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

// The line is looked at through a window of limit + 2 bytes: enough to tell a
// line of exactly `limit` bytes (followed by CR LF) from a longer one.
bool LineReader::ReadLine(CString& line, int limit) {
  line.Empty();
  m_lineContinues = false;
  if (!m_fd || limit <= 0 || !Fill(1)) return false;
  const size_t window = static_cast<size_t>(limit) + 2;
  const char* lf = nullptr;
  for (;;) {
    const size_t available = m_end - m_pos;
    lf = static_cast<const char*>(std::memchr(m_buffer.data() + m_pos, '\n', std::min(available, window)));
    if (lf || available >= window || !Fill(available + 1)) break;
  }
  const char* text = m_buffer.data() + m_pos;
  const size_t available = m_end - m_pos;
  // The line's text: up to LF (a CR before it dropped), or to the end of the file.
  size_t length = lf ? static_cast<size_t>(lf - text) : available;
  if (lf && length > 0 && text[length - 1] == '\r') --length;
  size_t take = length;
  if (length > static_cast<size_t>(limit) || (!lf && available >= window)) {
    // A piece: the rest of the line comes as the next piece. A double-byte
    // character that would be cut in two waits for the next piece.
    take = static_cast<size_t>(limit);
    size_t i = 0;
    while (i < take) {
      if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 == take && i > 0) {
        take = i;
        break;
      }
      i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    m_pos += take;
    m_lineContinues = true;
  } else {
    m_pos += lf ? static_cast<size_t>(lf - text) + 1 : available;
  }
  std::string bytes(text, take);
  if (!m_lineContinues) {
    // A lead byte that ends its line has no second byte: it is not a character.
    if (EndsInLoneLeadByte(bytes)) bytes.pop_back();
  }
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

// A line reads as `text` only if its bytes begin with `text` (a reading only
// ever cuts a line's end off), so only the places where `text` stands at the
// start of a line are read as lines.
bool LineReader::SkipPastLine(const CString& text, int limit) {
  if (text.IsEmpty() || !m_fd) return false;
  const size_t length = static_cast<size_t>(text.GetLength());
  bool atLineStart = true;
  CString line;
  while (Fill(std::min(length, kBufferSize / 2))) {
    const char* base = m_buffer.data();
    const void* hit = ::memmem(base + m_pos, m_end - m_pos, text.c_str(), length);
    if (!hit) {
      // Keep the last length - 1 bytes: a match may begin among them.
      const size_t keep = std::min(length - 1, m_end - m_pos);
      const size_t next = m_end - keep;
      if (next > m_pos) {
        atLineStart = base[next - 1] == '\n';
        m_pos = next;
      }
      if (!Fill(m_end - m_pos + 1)) return false;
      continue;
    }
    const size_t at = static_cast<size_t>(static_cast<const char*>(hit) - base);
    if (at > m_pos) atLineStart = base[at - 1] == '\n';
    m_pos = at;
    if (!atLineStart) {
      ++m_pos;
      continue;
    }
    if (!ReadLineCut(line, limit)) return false;
    if (line == text) return true;
    atLineStart = true;
  }
  return false;
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
