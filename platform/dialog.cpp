#include "platform/dialog.h"

#include <algorithm>
#include <cassert>
#include <cstdio>

#include "platform/ui_backend.h"

namespace topodlg {
namespace {

// The notification a control sends when it gets or loses the focus; 0 when it
// sends none (push buttons and check boxes only with BS_NOTIFY).
int FocusNotification(const CWnd& control, bool gained) {
  switch (control.Kind()) {
    case ControlKind::Edit: return gained ? EN_SETFOCUS : EN_KILLFOCUS;
    case ControlKind::Combo: return gained ? CBN_SETFOCUS : CBN_KILLFOCUS;
    case ControlKind::List: return gained ? LBN_SETFOCUS : LBN_KILLFOCUS;
    case ControlKind::Button:
    case ControlKind::Check:
    case ControlKind::Radio:
      if (control.Template().Has(BS_NOTIFY)) return gained ? BN_SETFOCUS : BN_KILLFOCUS;
      return 0;
    default: return 0;
  }
}

bool IsOwnerDrawn(const CWnd& control) {
  const ControlTemplate& t = control.Template();
  if (t.kind == ControlKind::Button) return t.ButtonType() == style::kOwnerDraw;
  if (t.kind == ControlKind::Static) return (t.style & style::kStaticTypeMask) == style::kStaticOwnerDraw;
  return false;
}

}  // namespace

CDialog::CDialog(int templateId, CDialog* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() {
  if (m_created) {
    if (UiBackend* backend = CurrentBackend()) backend->DialogDestroyed(*this);
  }
  if (m_parent && m_created) m_parent->RemovePage(this);
}

void CDialog::RemovePage(CDialog* page) {
  m_pages.erase(std::remove(m_pages.begin(), m_pages.end(), page), m_pages.end());
  CDialog& root = Root();
  if (root.m_focusOwner == page) {
    root.m_focusOwner = nullptr;
    root.m_focusId = 0;
  }
}

CDialog& CDialog::Root() {
  // Only a tab page (made by Create) belongs to its parent; a nested modal
  // dialog is a root of its own.
  CDialog* d = this;
  while (d->m_isPage && d->m_parent) d = d->m_parent;
  return *d;
}

bool CDialog::CreateControls(int templateId) {
  m_templateId = templateId;
  m_template = FindDialogTemplate(templateId);
  if (!m_template) return false;
  m_title = m_template->caption;
  m_controls.clear();
  for (const ControlTemplate& t : m_template->controls) m_controls.push_back(std::make_unique<CWnd>(this, t));
  for (const auto& [id, item] : m_template->initItems) {
    if (CWnd* control = FindControl(id)) control->AddString(item);
  }
  m_created = true;
  m_invalid = true;
  for (const auto& [key, handler] : m_handlers) Knows(key.first);
  return true;
}

bool CDialog::Knows(int id) {
  const DialogTemplate* t = m_template ? m_template : FindDialogTemplate(m_templateId);
  // Without a template there is no dialog to speak of: DoModal fails instead.
  if (!t || t->Find(id)) return true;
  // A backend reports it (the scripted user fails the script); without one a
  // debug build stops here.
  if (UiBackend* backend = CurrentBackend()) {
    backend->UnknownControl(*this, id);
    return false;
  }
#ifndef NDEBUG
  std::fprintf(stderr, "topodlg: dialog %d has no control %d\n", m_templateId, id);
  assert(!"a dialog used a control identifier that its template does not have");
#endif
  return false;
}

int CDialog::DoModal() {
  if (!CreateControls(m_templateId)) return -1;
  m_ended = false;
  m_endCode = 0;
  UiBackend* backend = CurrentBackend();
  if (backend) backend->DialogCreated(*this);
  m_visible = true;
  if (OnInitDialog()) SetInitialFocus();
  if (backend) backend->DialogOpened(*this);
  if (!m_ended) {
    if (backend) {
      backend->RunModalLoop(*this);
    } else {
      EndDialog(IDCANCEL);
    }
  }
  m_visible = false;
  if (backend) backend->DialogEnded(*this, m_endCode);
  return m_endCode;
}

bool CDialog::Create(int templateId, CDialog* parent) {
  m_parent = parent;
  m_isPage = true;
  if (!CreateControls(templateId)) return false;
  if (parent) parent->m_pages.push_back(this);
  m_visible = m_template->style & style::kVisible;
  if (UiBackend* backend = CurrentBackend()) backend->DialogCreated(*this);
  OnInitDialog();
  return true;
}

void CDialog::EndDialog(int code) {
  m_ended = true;
  m_endCode = code;
}

bool CDialog::UpdateData(bool saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (const CDataExchange*) {
    return false;
  }
  return true;
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  for (auto& binding : m_bindings) binding->Show();
  return true;
}

void CDialog::OnOK() {
  if (!UpdateData(true)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

CWnd* CDialog::FindControl(int id) {
  for (auto& c : m_controls) {
    if (c->GetDlgCtrlID() == id) return c.get();
  }
  return nullptr;
}

const CWnd* CDialog::FindControl(int id) const {
  for (const auto& c : m_controls) {
    if (c->GetDlgCtrlID() == id) return c.get();
  }
  return nullptr;
}

CWnd* CDialog::GetDlgItem(int id) {
  if (CWnd* c = FindControl(id)) return c;
  Knows(id);
  if (!m_detached) {
    ControlTemplate t;
    t.id = id;
    m_detached = std::make_unique<CWnd>(nullptr, t);
  }
  return m_detached.get();
}

void CDialog::CheckRadioButton(int first, int last, int checkId) {
  Knows(first);
  Knows(last);
  if (checkId != 0) Knows(checkId);
  for (auto& c : m_controls) {
    int id = c->GetDlgCtrlID();
    if (id >= first && id <= last && c->Kind() == ControlKind::Radio) c->SetCheck(id == checkId ? 1 : 0);
  }
}

int CDialog::GetCheckedRadioButton(int first, int last) {
  Knows(first);
  Knows(last);
  for (auto& c : m_controls) {
    int id = c->GetDlgCtrlID();
    if (id >= first && id <= last && c->Kind() == ControlKind::Radio && c->GetCheck()) return id;
  }
  return 0;
}

std::vector<CWnd*> CDialog::GroupOf(int id) {
  Knows(id);
  // A group runs from a control with WS_GROUP to the next one.
  size_t start = 0;
  size_t index = m_controls.size();
  for (size_t i = 0; i < m_controls.size(); ++i) {
    if (m_controls[i]->Template().Has(style::kGroup)) start = i;
    if (m_controls[i]->GetDlgCtrlID() == id) {
      index = i;
      break;
    }
  }
  std::vector<CWnd*> group;
  if (index == m_controls.size()) return group;
  for (size_t i = start; i < m_controls.size(); ++i) {
    if (i > start && m_controls[i]->Template().Has(style::kGroup)) break;
    group.push_back(m_controls[i].get());
  }
  return group;
}

void CDialog::SetWindowText(const CString& title) {
  m_title = title;
}

void CDialog::SetWindowPos(const CWnd*, int x, int y, int, int, unsigned flags) {
  if (flags & SWP_NOMOVE) return;
  m_screenPosition = CPoint{x, y};
}

void CDialog::ShowWindow(int command) {
  m_visible = command != SW_HIDE;
  if (m_visible) m_invalid = true;
}

void CDialog::Invalidate(bool) {
  m_invalid = true;
  for (auto& c : m_controls) {
    if (IsOwnerDrawn(*c)) c->Invalidate();
  }
}

void CDialog::OnNotify(int id, int code, Handler handler) { m_handlers.emplace(std::make_pair(id, code), std::move(handler)); }

void CDialog::OnClickedRange(int first, int last, std::function<void(int)> handler) {
  for (int id = first; id <= last; ++id) OnClicked(id, [handler, id] { handler(id); });
}

void CDialog::Notify(int id, int code) {
  auto [begin, end] = m_handlers.equal_range({id, code});
  if (begin != end) {
    // Copy first: a handler may register or the dialog may end meanwhile.
    std::vector<Handler> handlers;
    for (auto it = begin; it != end; ++it) handlers.push_back(it->second);
    for (auto& h : handlers) h();
    return;
  }
  if (code != BN_CLICKED) return;
  if (id == IDOK) {
    OnOK();
  } else if (id == IDCANCEL) {
    OnCancel();
  }
}

std::pair<CDialog*, int> CDialog::Focus() {
  CDialog& root = Root();
  return {root.m_focusOwner, root.m_focusId};
}

void CDialog::MoveFocus(CDialog* owner, int id) {
  CDialog& root = Root();
  if (root.m_focusOwner == owner && root.m_focusId == id) return;
  CDialog* oldOwner = root.m_focusOwner;
  int oldId = root.m_focusId;
  root.m_focusOwner = owner;
  root.m_focusId = id;
  if (oldOwner) {
    if (CWnd* old = oldOwner->FindControl(oldId)) {
      if (int code = FocusNotification(*old, false)) oldOwner->Notify(oldId, code);
    }
  }
  if (owner && root.m_focusOwner == owner && root.m_focusId == id) {
    if (CWnd* now = owner->FindControl(id)) {
      if (int code = FocusNotification(*now, true)) owner->Notify(id, code);
    }
  }
}

void CDialog::SetInitialFocus() {
  for (auto& c : m_controls) {
    if (c->Template().Has(style::kTabStop) && c->IsWindowVisible() && c->IsWindowEnabled()) {
      m_focusOwner = this;
      m_focusId = c->GetDlgCtrlID();
      return;
    }
  }
}

Drawing* CDialog::BeginDrawing() {
  m_drawing.emplace();
  return &*m_drawing;
}

void CDialog::PaintControl(CWnd& control) {
  control.m_invalid = false;
  if (!IsOwnerDrawn(control) || !control.IsWindowVisible()) return;
  // A dialog that draws its owner-drawn controls from OnPaint instead of
  // OnDrawItem keeps that drawing: only a drawing made here replaces it.
  Drawing drawing;
  {
    CDC dc(&drawing);
    OnDrawItem(control.GetDlgCtrlID(), dc);
  }
  if (!drawing.empty()) *control.BeginDrawing() = std::move(drawing);
}

void CDialog::PaintInvalidated() {
  if (!m_visible || m_ended) return;
  if (m_invalid) {
    m_invalid = false;
    OnPaint();
  }
  for (auto& c : m_controls) {
    if (c->IsInvalid()) PaintControl(*c);
  }
  for (CDialog* page : std::vector<CDialog*>(m_pages)) page->PaintInvalidated();
}

}  // namespace topodlg
