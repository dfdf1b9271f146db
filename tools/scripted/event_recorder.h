// The log of a call: a backend that stands in front of the user's backend (the
// scripted user or the graphical one), passes every request on, and writes
// each event with its answer to the log as it happens.
#pragma once

#include "platform/ui_backend.h"
#include "tools/scripted/event_log.h"

namespace topodlg {

class EventRecorder : public UiBackend {
 public:
  // Without a user nobody answers: dialogs cancel, boxes and pickers too.
  EventRecorder(UiBackend* user, EventLog& log) : m_user(user), m_log(log) {}
  void SetUser(UiBackend* user) { m_user = user; }

  void RunModalLoop(CDialog& dialog) override;
  int MessageBox(const CString& text, unsigned type) override;
  std::optional<CString> FileDialog(const FileDialogRequest& request) override;
  std::optional<COLORREF> ColorDialog(COLORREF initial) override;
  void Beep() override;
  void UnknownControl(const CDialog& dialog, int id) override;
  void DialogCreated(CDialog& dialog) override;
  void DialogDestroyed(CDialog& dialog) override;
  void DialogOpened(CDialog& dialog) override;
  void DialogEnded(CDialog& dialog, int code) override;
  void ProgramRan(const ProgramRun& run) override;

 private:
  UiBackend* m_user;
  EventLog& m_log;
};

}  // namespace topodlg
