// What the dialog framework needs from a user: someone to work a modal dialog
// until it ends, and answers to message boxes and pickers. The scripted user and
// the graphical backend implement it; dialog code never calls it directly.
#pragma once

#include <optional>

#include "platform/cstring.h"
#include "platform/gdi.h"

namespace topodlg {

class CDialog;

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
};

// The backend of the current call, or nullptr when nobody is there.
UiBackend* CurrentBackend();

}  // namespace topodlg
