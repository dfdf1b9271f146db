// The graphical backend: a person works the library's dialogs on screen. Each
// modal dialog is a DialogView owned by the window that is active when it opens;
// message boxes, file pickers and the colour picker are Qt's own dialogs.
#pragma once

#include <functional>
#include <vector>

#include "platform/ui_backend.h"

class QWidget;

namespace topodlg::gui {

class DialogView;

class QtBackend : public UiBackend {
 public:
  // Needs the application object (EnsureApplication).
  QtBackend() = default;

  void RunModalLoop(CDialog& dialog) override;
  int MessageBox(const CString& text, unsigned type) override;
  std::optional<CString> FileDialog(const FileDialogRequest& request) override;
  std::optional<COLORREF> ColorDialog(COLORREF initial) override;
  void Beep() override;
  void DialogDestroyed(CDialog& dialog) override;

  // Runs once each dialog's window is up (tests and the benchmark act there).
  void SetShownHook(std::function<void(DialogView&)> hook) { m_shown = std::move(hook); }

 private:
  // The window that owns a new dialog: the innermost open dialog, else the
  // application's active window.
  QWidget* Owner() const;

  std::vector<DialogView*> m_open;
  std::function<void(DialogView&)> m_shown;
};

}  // namespace topodlg::gui
