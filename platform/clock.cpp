#include "platform/clock.h"

#include <cstdio>

#include "platform/module_state.h"

namespace topodlg {

CTime CTime::GetCurrentTime() {
  if (const auto& fixed = AfxGetModuleState().now) return CTime(*fixed);
  std::time_t t = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&t, &local);
  return CTime(local);
}

CString CTime::Format(const char* format) const {
  char buffer[256];
  size_t n = std::strftime(buffer, sizeof buffer, format, &m_local);
  return CString(buffer, static_cast<int>(n));
}

bool ParseLocalTime(const char* text, std::tm& out) {
  int y, mo, d, h, mi, s;
  char tail;
  if (std::sscanf(text, "%4d-%2d-%2d %2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &tail) != 6) return false;
  if (mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 60) return false;
  std::tm tm{};
  tm.tm_year = y - 1900;
  tm.tm_mon = mo - 1;
  tm.tm_mday = d;
  tm.tm_hour = h;
  tm.tm_min = mi;
  tm.tm_sec = s;
  tm.tm_isdst = -1;
  std::tm normalized = tm;
  if (::timegm(&normalized) == -1) return false;
  // Reject dates that do not exist (2026-02-30).
  if (normalized.tm_mday != d || normalized.tm_mon != mo - 1) return false;
  tm.tm_wday = normalized.tm_wday;
  tm.tm_yday = normalized.tm_yday;
  out = tm;
  return true;
}

}  // namespace topodlg
