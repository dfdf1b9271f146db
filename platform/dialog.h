// CDialog: a dialog made from its template, with a message map keyed by control
// identifier and notification code, data exchange, a modal loop run by the
// backend of the call, tab pages as child dialogs, focus and painting.
//
// A dialog's life: construct (members), DoModal: create the controls from the
// template and its initial combo items, OnInitDialog (exchange towards the
// controls), the backend's modal loop until EndDialog, destroy.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/common_dialogs.h"
#include "platform/control_binding.h"
#include "platform/ddx.h"
#include "platform/dialog_template.h"
#include "platform/gdi.h"
#include "platform/window.h"

namespace topodlg {

constexpr unsigned SWP_NOSIZE = 0x1, SWP_NOMOVE = 0x2, SWP_NOZORDER = 0x4;

class CDialog {
 public:
  explicit CDialog(int templateId, CDialog* parent = nullptr);
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Runs the dialog modally and returns its end code (-1 when the template is
  // missing).
  int DoModal();
  // Creates the dialog as a child of `parent` (a tab page); it lives until the
  // object is destroyed. Visible when its template says WS_VISIBLE.
  bool Create(int templateId, CDialog* parent);
  void EndDialog(int code);
  // Exchanges all members with their controls; false when a value was refused.
  bool UpdateData(bool saveAndValidate = true);

  // --- Controls -----------------------------------------------------------
  // Never null. An identifier the template does not have is a mistake in the
  // dialog: the backend reports it (the scripted user ends the call with a
  // script error naming the dialog and the identifier) and a debug build stops;
  // otherwise a detached control stands in, so the dialog cannot crash.
  CWnd* GetDlgItem(int id);
  const CWnd* FindControl(int id) const;
  CWnd* FindControl(int id);
  void SetDlgItemText(int id, const CString& text) { GetDlgItem(id)->SetWindowText(text); }
  CString GetDlgItemText(int id) { return GetDlgItem(id)->GetWindowText(); }
  void SetDlgItemInt(int id, int value) { SetDlgItemText(id, CString::Formatted("%d", value)); }
  void CheckDlgButton(int id, int state) { GetDlgItem(id)->SetCheck(state); }
  int IsDlgButtonChecked(int id) { return GetDlgItem(id)->GetCheck(); }
  // Checks `checkId` and clears every other radio button with an identifier
  // from `first` to `last` (`checkId` 0: none).
  void CheckRadioButton(int first, int last, int checkId);
  int GetCheckedRadioButton(int first, int last);
  // The radio buttons and other controls of the group that holds `id`.
  std::vector<CWnd*> GroupOf(int id);

  // --- The dialog window ----------------------------------------------------
  void SetWindowText(const CString& title);
  CString GetWindowText() const { return m_title; }
  void ShowWindow(int command);
  bool IsWindowVisible() const { return m_visible; }
  // Places the dialog's top left corner at (x, y) in screen pixels unless
  // SWP_NOMOVE is given. A dialog's size comes from its template alone, so the
  // size arguments are not used (callers pass SWP_NOSIZE); the window order is
  // the backend's.
  void SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, unsigned flags);
  // Where the dialog asked to be placed; nothing when the backend chooses.
  const std::optional<CPoint>& ScreenPosition() const { return m_screenPosition; }
  // Marks the dialog (and its owner-drawn controls) for painting.
  void Invalidate(bool erase = true);
  // Paints now whatever is marked.
  void UpdateWindow() { PaintInvalidated(); }

  // --- Bindings (platform/control_binding.h) ----------------------------------
  // Declared in the constructor; the returned binding takes the details:
  //   BindSpin(m_upper, IDC_UPPER_UP, IDC_UPPER_DOWN).Step(10).Min(0);
  //   BindRadio(m_place, {{IDC_OUTSIDE, "OUT"}, {IDC_INSIDE, "IN"}}).Otherwise(IDC_INSIDE);
  //   BindToggle(m_showIndex, IDC_SHOW_INDEX);   // 1 checked, 0 not
  //   BindToggle(m_switch, IDC_SWITCH, "on", "off");
  // T: int or float for spins, int or CString for radios and toggles.
  template <typename T>
  SpinBinding<T>& BindSpin(T& member, int up, int down);
  template <typename T>
  RadioBinding<T>& BindRadio(T& member, std::vector<std::pair<int, std::type_identity_t<T>>> buttons);
  template <typename T>
  ToggleBinding<T>& BindToggle(T& member, int id, std::type_identity_t<T> on, std::type_identity_t<T> off);
  ToggleBinding<int>& BindToggle(int& member, int id) { return BindToggle(member, id, 1, 0); }

  // --- Overridables -------------------------------------------------------
  // Exchanges the members towards the controls, then shows the bindings; a
  // dialog that runs it again shows them again.
  virtual bool OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  virtual void DoDataExchange(CDataExchange*) {}
  // Paints the dialog; use CPaintDC / CClientDC to draw.
  virtual void OnPaint() {}
  // Draws an owner-drawn control.
  virtual void OnDrawItem(int, CDC&) {}
  virtual void OnHScroll(int, int, CScrollBar*) {}
  virtual void OnVScroll(int, int, CScrollBar*) {}

  // --- Message map ----------------------------------------------------------
  using Handler = std::function<void()>;
  // A handler for a control the template lacks is refused when the dialog is
  // created, as GetDlgItem refuses it.
  void OnNotify(int id, int code, Handler handler);
  void OnClicked(int id, Handler handler) { OnNotify(id, BN_CLICKED, std::move(handler)); }
  // Several identifiers with one handler that takes the identifier; every
  // identifier from `first` to `last` must be a control of the template.
  void OnClickedRange(int first, int last, std::function<void(int)> handler);

  // --- Used by backends -----------------------------------------------------
  int TemplateId() const { return m_templateId; }
  const DialogTemplate* Template() const { return m_template; }
  // The top-level dialog this one belongs to (itself when it is not a page).
  CDialog& Root();
  const std::vector<std::unique_ptr<CWnd>>& Controls() const { return m_controls; }
  const std::vector<CDialog*>& Pages() const { return m_pages; }
  bool IsEnded() const { return m_ended; }
  // Delivers a notification as the control would: the message map first; then
  // IDOK and IDCANCEL clicks fall back to OnOK and OnCancel.
  void Notify(int id, int code);
  // Moves the focus (held by the top-level dialog) with the kill-focus and
  // set-focus notifications of the controls involved.
  void MoveFocus(CDialog* owner, int id);
  std::pair<CDialog*, int> Focus();
  // Paints the dialog and its pages where they are marked.
  void PaintInvalidated();
  void PaintControl(CWnd& control);
  const std::optional<Drawing>& LastDrawing() const { return m_drawing; }
  Drawing* BeginDrawing();

 private:
  template <typename B>
  B& Keep(std::unique_ptr<B> binding) {
    B& kept = *binding;
    m_bindings.push_back(std::move(binding));
    return kept;
  }
  bool CreateControls(int templateId);
  // Whether the template (loaded or not yet) has control `id`; reports the
  // identifier when it has not.
  bool Knows(int id);
  void SetInitialFocus();
  void RemovePage(CDialog* page);

  int m_templateId;
  const DialogTemplate* m_template = nullptr;
  CDialog* m_parent = nullptr;
  std::vector<std::unique_ptr<CWnd>> m_controls;
  std::unique_ptr<CWnd> m_detached;
  std::vector<CDialog*> m_pages;
  std::multimap<std::pair<int, int>, Handler> m_handlers;
  std::vector<std::unique_ptr<ControlBinding>> m_bindings;
  CString m_title;
  std::optional<CPoint> m_screenPosition;
  bool m_visible = false;
  bool m_created = false;
  bool m_isPage = false;
  bool m_ended = false;
  int m_endCode = 0;
  bool m_invalid = false;
  std::optional<Drawing> m_drawing;
  CDialog* m_focusOwner = nullptr;
  int m_focusId = 0;
};

// Device contexts that draw into a dialog or one of its controls. Each one
// starts a new recording that replaces the window's previous drawing.
class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* control) : CDC(control->BeginDrawing()) {}
  explicit CClientDC(CDialog* dialog) : CDC(dialog->BeginDrawing()) {}
};
using CPaintDC = CClientDC;

}  // namespace topodlg
