// The event log of a call: what happened (dialogs opened and ended, message
// boxes, pickers, beeps, programs started, drawings, dumps), one JSON object
// per line, in the forms scripted-user.md gives. The host decides where it
// goes; the library itself knows nothing of it.
#pragma once

#include <cstdio>
#include <string>

#include "platform/gdi.h"

namespace topodlg {

class EventLog {
 public:
  explicit EventLog(std::FILE* out) : m_out(out) {}
  void Write(const std::string& jsonLine);

 private:
  std::FILE* m_out;
};

// "#rrggbb", lower case.
std::string ColorHex(COLORREF color);
// The JSON array of a drawing's operations.
std::string DrawingJson(const Drawing& drawing);

}  // namespace topodlg
