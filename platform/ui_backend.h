// What the dialog framework needs from a user: someone to work a modal dialog
// until it ends, and answers to message boxes and pickers. The scripted user and
// the graphical backend implement it; dialog code never calls it directly. The
// backend also hears what the user was shown and what the library ran, so that
// a host can record the call (topodlg writes its log from what it hears).
#pragma once

#include <optional>

#include "platform/cstring.h"
#include "platform/gdi.h"

namespace topodlg {

class CDialog;
struct ProgramRun;

struct FileDialogRequest {
  bool open = true;
  CString filter;   // "description|pattern|...||"
  CString defaultExtension;
  CString initialName;
  bool mustExist = false;
  bool overwritePrompt = false;
};

class UiBackend {
 public:
  virtual ~UiBackend() = default;

  // Lets the user work `dialog` (created and initialised) until it has ended.
  virtual void RunModalLoop(CDialog& dialog) = 0;
  // IDOK or IDCANCEL (MB_OK boxes answer IDOK).
  virtual int MessageBox(const CString& text, unsigned type) = 0;
  // A library-form path, or nothing when the user cancels.
  virtual std::optional<CString> FileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<COLORREF> ColorDialog(COLORREF initial) = 0;
  virtual void Beep() {}
  // The dialog's code asked for control `id`, which the dialog's template does
  // not have: a mistake in the library. The scripted user fails the script.
  virtual void UnknownControl(const CDialog&, int /*id*/) {}
  // A dialog (modal, or a tab page) was created / is being destroyed.
  virtual void DialogCreated(CDialog&) {}
  virtual void DialogDestroyed(CDialog&) {}
  // A modal dialog, initialised, is shown / has ended with `code` (also one
  // that ended while it was initialised and never reached the modal loop).
  virtual void DialogOpened(CDialog&) {}
  virtual void DialogEnded(CDialog&, int /*code*/) {}
  // The library ran a program and waited for it, or could not start it.
  virtual void ProgramRan(const ProgramRun&) {}
};

// The backend of the current call, or nullptr when nobody is there.
UiBackend* CurrentBackend();

}  // namespace topodlg
