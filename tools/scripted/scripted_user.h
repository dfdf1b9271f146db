// The scripted user: a user-interface backend that works dialogs by following a
// script, action by action, on the dialog the user sees (the innermost open
// modal dialog, its controls first, then those of its visible tab page).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui_backend.h"
#include "tools/scripted/script.h"

namespace topodlg {

class CWnd;
class EventLog;

class ScriptedUser : public UiBackend {
 public:
  explicit ScriptedUser(std::vector<ScriptAction> actions) : m_actions(std::move(actions)) {}

  void RunModalLoop(CDialog& dialog) override;
  int MessageBox(const CString& text, unsigned type) override;
  std::optional<CString> FileDialog(const FileDialogRequest& request) override;
  std::optional<COLORREF> ColorDialog(COLORREF initial) override;
  void UnknownControl(const CDialog& dialog, int id) override;

  // Renders the dialog the user sees to a PNG file; set by a build that has a
  // graphical backend. Returns an error text, or "" on success.
  using ScreenshotHook = std::function<std::string(CDialog& dialog, const std::string& file)>;
  void SetScreenshotHook(ScreenshotHook hook) { m_screenshot = std::move(hook); }

  // Where the "dump" action writes (nowhere when not set).
  void SetLog(EventLog* log) { m_log = log; }
  // The JSON dump of a dialog as the user sees it (the "dump" action).
  static std::string DumpJson(CDialog& dialog);

 private:
  const ScriptAction& Next(const char* waitingFor);
  void Perform(CDialog& dialog, const ScriptAction& action);
  // The control `id` that the user can reach in `dialog`, with the dialog (or
  // tab page) that owns it; throws ScriptError when there is none.
  std::pair<CDialog*, CWnd*> Reach(CDialog& dialog, const ScriptAction& action, size_t word);
  void Select(CDialog& owner, CWnd& control, const ScriptAction& action, bool doubleClick);
  void Type(CDialog& owner, CWnd& control, const ScriptAction& action);
  void Tab(CDialog& owner, CWnd& control, const ScriptAction& action);
  void Scroll(CDialog& owner, CWnd& control, const ScriptAction& action);

  std::vector<ScriptAction> m_actions;
  size_t m_next = 0;
  int m_lastLine = 0;
  ScreenshotHook m_screenshot;
  EventLog* m_log = nullptr;
};

}  // namespace topodlg
