#include "platform/window.h"

#include <algorithm>
#include <cctype>

#include "platform/dialog.h"

namespace topodlg {
namespace {

bool StartsWithIgnoringAsciiCase(const CString& text, const CString& prefix) {
  if (prefix.GetLength() > text.GetLength()) return false;
  for (int i = 0; i < prefix.GetLength(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

CWnd::CWnd(CDialog* owner, ControlTemplate control) : m_owner(owner), m_template(std::move(control)) {
  m_text = m_template.text;
  m_enabled = !m_template.Has(style::kDisabled);
  m_visible = m_template.Has(style::kVisible);
  m_readOnly = m_template.kind == ControlKind::Edit && m_template.Has(style::kEditReadOnly);
}

void CWnd::SetWindowText(const CString& text) {
  m_text = text;
}

void CWnd::EnableWindow(bool enable) {
  m_enabled = enable;
}

void CWnd::ShowWindow(int command) {
  m_visible = command != SW_HIDE;
}

void CWnd::SetReadOnly(bool readOnly) {
  m_readOnly = readOnly;
}

void CWnd::SetCheck(int state) {
  m_checked = state < 0 ? 0 : (state > 2 ? 2 : state);
}

int CWnd::AddString(const CString& item) {
  const bool sorted = (Kind() == ControlKind::Combo && m_template.Has(style::kComboSort)) ||
                      (Kind() == ControlKind::List && m_template.Has(style::kListSort));
  int index = GetCount();
  if (sorted) {
    index = 0;
    while (index < GetCount() && !(item < m_items[static_cast<size_t>(index)])) ++index;
  }
  return InsertString(index, item);
}

int CWnd::InsertString(int index, const CString& item) {
  if (index < 0 || index > GetCount()) index = GetCount();
  m_items.insert(m_items.begin() + index, item);
  m_itemData.insert(m_itemData.begin() + index, 0);
  if (m_selected >= index) ++m_selected;
  return index;
}

int CWnd::DeleteString(int index) {
  if (index < 0 || index >= GetCount()) return CB_ERR;
  m_items.erase(m_items.begin() + index);
  m_itemData.erase(m_itemData.begin() + index);
  if (m_selected == index) {
    m_selected = -1;
  } else if (m_selected > index) {
    --m_selected;
  }
  if (m_top >= GetCount()) m_top = GetCount() > 0 ? GetCount() - 1 : 0;
  return GetCount();
}

void CWnd::ResetContent() {
  m_items.clear();
  m_itemData.clear();
  m_selected = -1;
  m_top = 0;
  if (Kind() == ControlKind::Combo) m_text.Empty();
}

int CWnd::SetCurSel(int index) {
  const bool valid = index >= 0 && index < GetCount();
  m_selected = valid ? index : -1;
  if (Kind() == ControlKind::Combo) m_text = valid ? m_items[static_cast<size_t>(index)] : CString();
  if (valid && Kind() == ControlKind::List && index < m_top) m_top = index;
  return valid ? index : CB_ERR;
}

CString CWnd::GetLBText(int index) const {
  if (index < 0 || index >= GetCount()) return {};
  return m_items[static_cast<size_t>(index)];
}

int CWnd::FindStringExact(int start, const CString& item) const {
  const int n = GetCount();
  for (int k = 1; k <= n; ++k) {
    int i = (start + k) % n;
    if (start < 0) i = k - 1;
    if (m_items[static_cast<size_t>(i)] == item) return i;
  }
  return CB_ERR;
}

int CWnd::FindString(int start, const CString& prefix) const {
  const int n = GetCount();
  for (int k = 1; k <= n; ++k) {
    int i = start < 0 ? k - 1 : (start + k) % n;
    if (StartsWithIgnoringAsciiCase(m_items[static_cast<size_t>(i)], prefix)) return i;
  }
  return CB_ERR;
}

int CWnd::SelectString(int start, const CString& prefix) {
  int i = FindString(start, prefix);
  if (i != CB_ERR) SetCurSel(i);
  return i;
}

int CWnd::SetItemData(int index, intptr_t data) {
  if (index < 0 || index >= GetCount()) return CB_ERR;
  m_itemData[static_cast<size_t>(index)] = data;
  return 0;
}

intptr_t CWnd::GetItemData(int index) const {
  if (index < 0 || index >= GetCount()) return CB_ERR;
  return m_itemData[static_cast<size_t>(index)];
}

int CWnd::SetTopIndex(int index) {
  if (index < 0 || index >= GetCount()) return LB_ERR;
  m_top = index;
  return 0;
}

// A scroll bar keeps its position inside its range, as the real control does:
// a position outside it (a value the host sent) shows at the nearer end.
void CWnd::SetScrollRange(int min, int max, bool) {
  m_min = min;
  m_max = max;
  m_pos = std::clamp(m_pos, std::min(m_min, m_max), std::max(m_min, m_max));
}

void CWnd::GetScrollRange(int* min, int* max) const {
  if (min) *min = m_min;
  if (max) *max = m_max;
}

int CWnd::SetScrollPos(int pos, bool) {
  int old = m_pos;
  m_pos = std::clamp(pos, std::min(m_min, m_max), std::max(m_min, m_max));
  return old;
}

void CWnd::Invalidate(bool) { m_invalid = true; }

void CWnd::UpdateWindow() {
  if (m_invalid && m_owner) m_owner->PaintControl(*this);
}

Drawing* CWnd::BeginDrawing() {
  m_drawing.emplace();
  return &*m_drawing;
}

}  // namespace topodlg
