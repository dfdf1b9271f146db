// CTime: the local time, as the album dialogs name their files by it. The host
// may fix the time the library sees (topodlg --now).
#pragma once

#include <ctime>

#include "platform/cstring.h"

namespace topodlg {

class CTime {
 public:
  static CTime GetCurrentTime();
  explicit CTime(const std::tm& local) : m_local(local) {}

  int GetYear() const { return m_local.tm_year + 1900; }
  int GetMonth() const { return m_local.tm_mon + 1; }
  int GetDay() const { return m_local.tm_mday; }
  int GetHour() const { return m_local.tm_hour; }
  int GetMinute() const { return m_local.tm_min; }
  int GetSecond() const { return m_local.tm_sec; }
  // Copies the broken-down local time into *out and returns out.
  std::tm* GetLocalTm(std::tm* out) const {
    *out = m_local;
    return out;
  }
  // strftime-style formatting.
  CString Format(const char* format) const;

 private:
  std::tm m_local;
};

// Parses "YYYY-MM-DD HH:MM:SS"; false when the text is not such a time.
bool ParseLocalTime(const char* text, std::tm& out);

}  // namespace topodlg
