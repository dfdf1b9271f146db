#include "platform/cstring.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace topodlg {
namespace {

// Full-width letters of the double-byte set that change case: (first upper,
// first lower, count). The Cyrillic capitals skip 0x847F, which is no character.
struct WideCaseRange {
  unsigned upper;
  unsigned lower;
  unsigned count;
};
constexpr WideCaseRange kWideCase[] = {
    {0x8260, 0x8281, 26},  // Ａ-Ｚ / ａ-ｚ
    {0x839F, 0x83BF, 24},  // Α-Ω / α-ω
    {0x8440, 0x8470, 15},  // А-О / а-о
    {0x844F, 0x8480, 18},  // П-Я / п-я (lower half skips 0x847F)
};

// Lower half of Cyrillic: а..о are 0x8470..0x847E, п..я are 0x8480..0x8491.
unsigned WideToLower(unsigned code) {
  for (const auto& r : kWideCase) {
    if (code >= r.upper && code < r.upper + r.count) return r.lower + (code - r.upper);
  }
  return code;
}

unsigned WideToUpper(unsigned code) {
  for (const auto& r : kWideCase) {
    if (code >= r.lower && code < r.lower + r.count) return r.upper + (code - r.lower);
  }
  return code;
}

// Size of the character that starts at index (1 or 2 bytes); a lead byte at the
// very end counts as a single byte.
int CharSize(const std::string& s, size_t index) {
  if (IsLeadByte(static_cast<unsigned char>(s[index])) && index + 1 < s.size()) return 2;
  return 1;
}

std::string VFormat(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  char small[256];
  int needed = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (needed < 0) return {};
  if (static_cast<size_t>(needed) < sizeof small) return std::string(small, static_cast<size_t>(needed));
  std::vector<char> big(static_cast<size_t>(needed) + 1);
  std::vsnprintf(big.data(), big.size(), format, args);
  return std::string(big.data(), static_cast<size_t>(needed));
}

}  // namespace

CString::CString(const char* text, int length) {
  if (text && length > 0) m_bytes.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat) {
  if (repeat > 0) m_bytes.assign(static_cast<size_t>(repeat), ch);
}

char CString::GetAt(int index) const {
  if (index < 0 || index >= GetLength()) return 0;
  return m_bytes[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch) {
  if (index >= 0 && index < GetLength()) m_bytes[static_cast<size_t>(index)] = ch;
}

CString& CString::operator+=(const CString& other) {
  m_bytes += other.m_bytes;
  return *this;
}

CString& CString::operator+=(const char* other) {
  if (other) m_bytes += other;
  return *this;
}

CString& CString::operator+=(char ch) {
  m_bytes += ch;
  return *this;
}

int CString::Compare(const char* other) const {
  int c = m_bytes.compare(other ? other : "");
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int CString::NextBoundary(int index) const {
  if (index <= 0) return 0;
  size_t i = 0;
  while (i < m_bytes.size() && i < static_cast<size_t>(index)) i += static_cast<size_t>(CharSize(m_bytes, i));
  return static_cast<int>(i);
}

int CString::Find(char ch, int start) const {
  for (size_t i = static_cast<size_t>(NextBoundary(start)); i < m_bytes.size();
       i += static_cast<size_t>(CharSize(m_bytes, i))) {
    if (m_bytes[i] == ch && CharSize(m_bytes, i) == 1) return static_cast<int>(i);
  }
  return -1;
}

int CString::Find(const char* sub, int start) const {
  if (!sub) return -1;
  const size_t n = std::strlen(sub);
  for (size_t i = static_cast<size_t>(NextBoundary(start));; i += static_cast<size_t>(CharSize(m_bytes, i))) {
    if (i + n <= m_bytes.size() && m_bytes.compare(i, n, sub, n) == 0) return static_cast<int>(i);
    if (i >= m_bytes.size()) return -1;
  }
}

int CString::ReverseFind(char ch) const {
  int found = -1;
  for (size_t i = 0; i < m_bytes.size(); i += static_cast<size_t>(CharSize(m_bytes, i))) {
    if (m_bytes[i] == ch && CharSize(m_bytes, i) == 1) found = static_cast<int>(i);
  }
  return found;
}

int CString::FindOneOf(const char* chars) const {
  if (!chars) return -1;
  for (size_t i = 0; i < m_bytes.size(); i += static_cast<size_t>(CharSize(m_bytes, i))) {
    if (CharSize(m_bytes, i) == 1 && m_bytes[i] != '\0' && std::strchr(chars, m_bytes[i])) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

CString CString::Left(int count) const {
  if (count <= 0) return {};
  return CString(m_bytes.substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
  if (count <= 0) return {};
  if (count >= GetLength()) return *this;
  return CString(m_bytes.substr(m_bytes.size() - static_cast<size_t>(count)));
}

CString CString::Mid(int first) const {
  if (first < 0) first = 0;
  if (first >= GetLength()) return {};
  return CString(m_bytes.substr(static_cast<size_t>(first)));
}

CString CString::Mid(int first, int count) const {
  if (first < 0) first = 0;
  if (count <= 0 || first >= GetLength()) return {};
  return CString(m_bytes.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString& CString::MakeLower() {
  for (size_t i = 0; i < m_bytes.size(); i += static_cast<size_t>(CharSize(m_bytes, i))) {
    auto c = static_cast<unsigned char>(m_bytes[i]);
    if (CharSize(m_bytes, i) == 2) {
      unsigned code = (c << 8) | static_cast<unsigned char>(m_bytes[i + 1]);
      unsigned lower = WideToLower(code);
      m_bytes[i] = static_cast<char>(lower >> 8);
      m_bytes[i + 1] = static_cast<char>(lower & 0xFF);
    } else if (c >= 'A' && c <= 'Z') {
      m_bytes[i] = static_cast<char>(c - 'A' + 'a');
    }
  }
  return *this;
}

CString& CString::MakeUpper() {
  for (size_t i = 0; i < m_bytes.size(); i += static_cast<size_t>(CharSize(m_bytes, i))) {
    auto c = static_cast<unsigned char>(m_bytes[i]);
    if (CharSize(m_bytes, i) == 2) {
      unsigned code = (c << 8) | static_cast<unsigned char>(m_bytes[i + 1]);
      unsigned upper = WideToUpper(code);
      m_bytes[i] = static_cast<char>(upper >> 8);
      m_bytes[i + 1] = static_cast<char>(upper & 0xFF);
    } else if (c >= 'a' && c <= 'z') {
      m_bytes[i] = static_cast<char>(c - 'a' + 'A');
    }
  }
  return *this;
}

CString& CString::TrimLeft() {
  size_t i = 0;
  while (i < m_bytes.size() && (m_bytes[i] == ' ' || m_bytes[i] == '\t' || m_bytes[i] == '\r' || m_bytes[i] == '\n')) ++i;
  m_bytes.erase(0, i);
  return *this;
}

CString& CString::TrimRight() {
  // Only single-byte characters are trimmed: walk forward to find where the
  // trailing run of blanks starts on a character boundary.
  size_t keep = 0;
  for (size_t i = 0; i < m_bytes.size(); i += static_cast<size_t>(CharSize(m_bytes, i))) {
    char c = m_bytes[i];
    bool blank = CharSize(m_bytes, i) == 1 && (c == ' ' || c == '\t' || c == '\r' || c == '\n');
    if (!blank) keep = i + static_cast<size_t>(CharSize(m_bytes, i));
  }
  m_bytes.erase(keep);
  return *this;
}

int CString::Replace(const char* from, const char* to) {
  if (!from || !*from) return 0;
  const CString source = *this;
  const int n = static_cast<int>(std::strlen(from));
  std::string out;
  int count = 0;
  int i = 0;
  for (int hit = source.Find(from, 0); hit >= 0; hit = source.Find(from, i)) {
    out.append(source.m_bytes, static_cast<size_t>(i), static_cast<size_t>(hit - i));
    out += to ? to : "";
    i = hit + n;
    ++count;
  }
  out.append(source.m_bytes, static_cast<size_t>(i));
  m_bytes = std::move(out);
  return count;
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  m_bytes = VFormat(format, args);
  va_end(args);
}

void CString::AppendFormat(const char* format, ...) {
  va_list args;
  va_start(args, format);
  m_bytes += VFormat(format, args);
  va_end(args);
}

CString CString::Formatted(const char* format, ...) {
  va_list args;
  va_start(args, format);
  CString s(VFormat(format, args));
  va_end(args);
  return s;
}

int Atoi(const CString& text) {
  const char* p = text.c_str();
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  long long value = 0;
  while (*p >= '0' && *p <= '9') {
    if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (*p - '0');
    ++p;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

CString ToAsciiLower(CString text) {
  std::string bytes = text.str();
  for (size_t i = 0; i < bytes.size(); i += static_cast<size_t>(CharSize(bytes, i))) {
    auto c = static_cast<unsigned char>(bytes[i]);
    if (c >= 'A' && c <= 'Z') bytes[i] = static_cast<char>(c - 'A' + 'a');
  }
  return CString(std::move(bytes));
}

int FindNoCase(const CString& text, const char* sub, int start) {
  if (!sub) return -1;
  return ToAsciiLower(text).Find(ToAsciiLower(CString(sub)).c_str(), start);
}

double Atof(const CString& text) {
  // strtod also reads hexadecimal and "inf"/"nan", which the C library of the
  // original platform does not: keep to sign, digits, point and exponent.
  const char* p = text.c_str();
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  std::string number;
  if (*p == '+' || *p == '-') number += *p++;
  while ((*p >= '0' && *p <= '9') || *p == '.') {
    if (*p == '.' && number.find('.') != std::string::npos) break;
    number += *p++;
  }
  if ((*p == 'e' || *p == 'E') && number.find_first_of("0123456789") != std::string::npos) {
    std::string exponent(1, *p);
    const char* q = p + 1;
    if (*q == '+' || *q == '-') exponent += *q++;
    if (*q >= '0' && *q <= '9') {
      while (*q >= '0' && *q <= '9') exponent += *q++;
      number += exponent;
    }
  }
  if (number.find_first_of("0123456789") == std::string::npos) return 0.0;
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace topodlg
