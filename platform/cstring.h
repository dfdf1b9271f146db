// CString: a byte string holding code page 932 (Shift-JIS) text.
//
// Every operation that looks for a character or changes case walks the string
// character by character, so the second byte of a double-byte character (the
// 0x5C of 表, the 0x41 of ア) is never taken for '\' or 'A'.
#pragma once

#include <compare>
#include <cstdarg>
#include <string>
#include <string_view>

namespace topodlg {

// True for a byte that starts a double-byte character in code page 932.
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

class CString {
 public:
  CString() = default;
  CString(const char* text) : m_bytes(text ? text : "") {}  // NOLINT: implicit like the framework's
  CString(const char* text, int length);
  CString(std::string_view text) : m_bytes(text) {}  // NOLINT
  CString(const std::string& text) : m_bytes(text) {}  // NOLINT
  CString(std::string&& text) : m_bytes(std::move(text)) {}  // NOLINT
  CString(char ch, int repeat);

  int GetLength() const { return static_cast<int>(m_bytes.size()); }
  bool IsEmpty() const { return m_bytes.empty(); }
  void Empty() { m_bytes.clear(); }
  const char* c_str() const { return m_bytes.c_str(); }
  const char* GetString() const { return m_bytes.c_str(); }
  const std::string& str() const { return m_bytes; }
  std::string_view view() const { return m_bytes; }

  // Byte access; out-of-range reads give 0, out-of-range writes are ignored.
  char GetAt(int index) const;
  char operator[](int index) const { return GetAt(index); }
  void SetAt(int index, char ch);

  CString& operator+=(const CString& other);
  CString& operator+=(const char* other);
  CString& operator+=(char ch);
  friend CString operator+(CString left, const CString& right) { return left += right; }
  friend CString operator+(CString left, const char* right) { return left += right; }
  friend CString operator+(const char* left, const CString& right) { return CString(left) += right; }
  friend CString operator+(CString left, char right) { return left += right; }

  // Exact byte comparison, the same order as a multibyte string compare.
  int Compare(const char* other) const;
  friend bool operator==(const CString& a, const CString& b) { return a.m_bytes == b.m_bytes; }
  friend bool operator==(const CString& a, const char* b) { return a.m_bytes == (b ? b : ""); }
  friend std::strong_ordering operator<=>(const CString& a, const CString& b) {
    return a.m_bytes <=> b.m_bytes;
  }

  // Searches return a byte index, or -1. Matches start only at character
  // boundaries; a start index inside a character is moved to the next boundary.
  int Find(char ch, int start = 0) const;
  int Find(const char* sub, int start = 0) const;
  int Find(const CString& sub, int start = 0) const { return Find(sub.c_str(), start); }
  int ReverseFind(char ch) const;
  int FindOneOf(const char* chars) const;

  // Substrings by byte index and count, clamped to the string.
  CString Left(int count) const;
  CString Right(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;

  // Case changes touch single-byte ASCII letters and the full-width Latin,
  // Greek and Cyrillic letters of the double-byte set; nothing else.
  CString& MakeLower();
  CString& MakeUpper();
  CString& TrimLeft();
  CString& TrimRight();
  CString& Trim() { return TrimLeft().TrimRight(); }
  // Replaces every occurrence that starts on a character boundary.
  int Replace(const char* from, const char* to);

  // printf-style formatting; %s takes a const char* (use c_str()).
  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
  static CString Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

  // Byte index of the character boundary at or after index.
  int NextBoundary(int index) const;

 private:
  std::string m_bytes;
};

// Lower-cases one whole byte string the way CString::MakeLower does.
inline CString ToLower(CString text) { return text.MakeLower(); }
// Lowers the single-byte ASCII letters only: double-byte characters (full-width
// letters and trail bytes such as the 0x41 of ア) stay as they are, and the
// length and every byte index stay the same.
CString ToAsciiLower(CString text);
// Find without regard to ASCII letter case; the index is one into `text`, whose
// bytes are left as they are.
int FindNoCase(const CString& text, const char* sub, int start = 0);

// The C library's conversions as the library uses them: leading blanks are
// skipped, reading stops at the first character that does not fit, no digits
// give 0. Overflow saturates instead of being undefined.
int Atoi(const CString& text);
double Atof(const CString& text);

}  // namespace topodlg
