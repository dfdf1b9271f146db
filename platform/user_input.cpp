#include "platform/user_input.h"

#include "platform/dialog.h"

namespace topodlg::user {
namespace {

// Moves the focus to the control; false when a handler ended the dialog meanwhile.
bool FocusFirst(CDialog& owner, CWnd& control) {
  owner.MoveFocus(&owner, control.GetDlgCtrlID());
  return !owner.Root().IsEnded();
}

}  // namespace

void Click(CDialog& owner, CWnd& control) {
  if (!FocusFirst(owner, control)) return;
  const int id = control.GetDlgCtrlID();
  const uint32_t type = control.Template().ButtonType();
  if (type == style::kAutoCheckBox) {
    control.SetCheck(control.GetCheck() ? 0 : 1);
  } else if (type == style::kAuto3State) {
    control.SetCheck((control.GetCheck() + 1) % 3);
  } else if (type == style::kAutoRadioButton) {
    for (CWnd* other : owner.GroupOf(id)) {
      if (other->Kind() == ControlKind::Radio && other != &control) other->SetCheck(0);
    }
    control.SetCheck(1);
  }
  owner.Notify(id, BN_CLICKED);
}

void Select(CDialog& owner, CWnd& control, int index, bool doubleClick) {
  if (!FocusFirst(owner, control)) return;
  const int id = control.GetDlgCtrlID();
  control.SetCurSel(index);
  const bool list = control.Kind() == ControlKind::List;
  owner.Notify(id, list ? LBN_SELCHANGE : CBN_SELCHANGE);
  if (doubleClick && !owner.Root().IsEnded()) owner.Notify(id, list ? LBN_DBLCLK : CBN_DBLCLK);
}

void Type(CDialog& owner, CWnd& control, const CString& text) {
  if (!FocusFirst(owner, control)) return;
  const int id = control.GetDlgCtrlID();
  control.SetWindowText(text);
  if (control.Kind() == ControlKind::Edit) {
    owner.Notify(id, EN_UPDATE);
    owner.Notify(id, EN_CHANGE);
  } else {
    owner.Notify(id, CBN_EDITUPDATE);
    owner.Notify(id, CBN_EDITCHANGE);
  }
}

void Focus(CDialog& owner, CWnd& control) { owner.MoveFocus(&owner, control.GetDlgCtrlID()); }

void SwitchTab(CDialog& owner, CWnd& control, int index) {
  if (!FocusFirst(owner, control)) return;
  const int id = control.GetDlgCtrlID();
  owner.Notify(id, TCN_SELCHANGING);
  control.SetCurSel(index);
  owner.Notify(id, TCN_SELCHANGE);
}

void Scroll(CDialog& owner, CWnd& control, int code, int pos) {
  if (control.Template().Has(style::kScrollVert)) {
    owner.OnVScroll(code, pos, &control);
  } else {
    owner.OnHScroll(code, pos, &control);
  }
}

void Enter(CDialog& dialog) {
  const int id = dialog.Template() ? dialog.Template()->DefaultCommand() : IDOK;
  if (const CWnd* button = dialog.FindControl(id)) {
    if (!button->IsWindowEnabled() || !button->IsWindowVisible()) return;
  }
  dialog.Notify(id, BN_CLICKED);
}

void Cancel(CDialog& dialog) { dialog.Notify(IDCANCEL, BN_CLICKED); }

}  // namespace topodlg::user
