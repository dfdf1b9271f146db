#include "platform/event_log.h"

#include "platform/module_state.h"

namespace topodlg {

void EventLog::Write(const std::string& jsonLine) {
  if (!m_out) return;
  std::fwrite(jsonLine.data(), 1, jsonLine.size(), m_out);
  std::fputc('\n', m_out);
  std::fflush(m_out);
}

void LogEvent(const std::string& jsonLine) {
  if (EventLog* log = AfxGetModuleState().log) log->Write(jsonLine);
}

}  // namespace topodlg
