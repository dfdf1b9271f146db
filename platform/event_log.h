// The event log: what happened during a call (dialogs opened and ended, message
// boxes, pickers, beeps, programs started, drawings, dumps), one JSON object per
// line. The host decides where it goes; the library only reports.
#pragma once

#include <cstdio>
#include <string>

namespace topodlg {

class EventLog {
 public:
  explicit EventLog(std::FILE* out) : m_out(out) {}
  void Write(const std::string& jsonLine);

 private:
  std::FILE* m_out;
};

// Writes to the module's log when the host set one.
void LogEvent(const std::string& jsonLine);

}  // namespace topodlg
