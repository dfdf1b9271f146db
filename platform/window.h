// CWnd: one control of a dialog, and the control model every backend works on:
// its kind, text, check state, items, selection, enabled, visible and drawing.
// Dialog code changes controls only through these calls; a backend reads the same
// state to show it (the scripted user's dump, the graphical mirror).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/cstring.h"
#include "platform/dialog_template.h"
#include "platform/gdi.h"

namespace topodlg {

class CDialog;

// Notification codes, with the framework's values.
constexpr int BN_CLICKED = 0, BN_DOUBLECLICKED = 5, BN_SETFOCUS = 6, BN_KILLFOCUS = 7;
constexpr int EN_SETFOCUS = 0x100, EN_KILLFOCUS = 0x200, EN_CHANGE = 0x300, EN_UPDATE = 0x400;
constexpr int CBN_SELCHANGE = 1, CBN_DBLCLK = 2, CBN_SETFOCUS = 3, CBN_KILLFOCUS = 4, CBN_EDITCHANGE = 5,
              CBN_EDITUPDATE = 6;
constexpr int LBN_SELCHANGE = 1, LBN_DBLCLK = 2, LBN_SETFOCUS = 4, LBN_KILLFOCUS = 5;
constexpr int TCN_SELCHANGE = -551, TCN_SELCHANGING = -552;
constexpr int SB_LINELEFT = 0, SB_LINERIGHT = 1, SB_PAGELEFT = 2, SB_PAGERIGHT = 3, SB_THUMBPOSITION = 4,
              SB_THUMBTRACK = 5, SB_LEFT = 6, SB_RIGHT = 7, SB_ENDSCROLL = 8;
constexpr int IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7, IDC_STATIC = -1;
constexpr int SW_HIDE = 0, SW_SHOW = 5;
constexpr int BST_UNCHECKED = 0, BST_CHECKED = 1, BST_INDETERMINATE = 2;
constexpr int CB_ERR = -1, LB_ERR = -1;
constexpr uint32_t BS_NOTIFY = 0x4000;

class CWnd {
 public:
  CWnd(CDialog* owner, ControlTemplate control);
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  int GetDlgCtrlID() const { return m_template.id; }
  ControlKind Kind() const { return m_template.kind; }
  const ControlTemplate& Template() const { return m_template; }
  CDialog* Owner() const { return m_owner; }

  // Caption of a button or static, text of an edit, edit field of a combo box.
  void SetWindowText(const CString& text);
  CString GetWindowText() const { return m_text; }
  void GetWindowText(CString& text) const { text = m_text; }
  int GetWindowTextLength() const { return m_text.GetLength(); }

  void EnableWindow(bool enable = true);
  bool IsWindowEnabled() const { return m_enabled; }
  void ShowWindow(int command);
  bool IsWindowVisible() const { return m_visible; }
  void SetReadOnly(bool readOnly = true);
  bool IsReadOnly() const { return m_readOnly; }

  // Check boxes and radio buttons: 0, 1 or 2.
  int GetCheck() const { return m_checked; }
  void SetCheck(int state);

  // Combo boxes and list boxes. Indexes out of range give CB_ERR.
  int AddString(const CString& item);
  int InsertString(int index, const CString& item);
  int DeleteString(int index);
  void ResetContent();
  int GetCount() const { return static_cast<int>(m_items.size()); }
  int GetCurSel() const { return m_selected; }
  int SetCurSel(int index);  // -1 clears; out of range clears and gives CB_ERR
  CString GetLBText(int index) const;
  void GetLBText(int index, CString& text) const { text = GetLBText(index); }
  void GetText(int index, CString& text) const { text = GetLBText(index); }
  int GetLBTextLen(int index) const { return GetLBText(index).GetLength(); }
  // Exact whole-item match, from after `start` (-1: from the top), wrapping.
  int FindStringExact(int start, const CString& item) const;
  // First item that begins with `prefix`, ASCII case ignored, as above.
  int FindString(int start, const CString& prefix) const;
  int SelectString(int start, const CString& prefix);
  int SetItemData(int index, intptr_t data);
  intptr_t GetItemData(int index) const;
  int GetTopIndex() const { return m_top; }
  int SetTopIndex(int index);
  const std::vector<CString>& Items() const { return m_items; }

  // Tab controls: the tab labels are the items.
  int InsertItem(int index, const CString& label) { return InsertString(index, label); }
  bool DeleteAllItems() { ResetContent(); return true; }
  int GetItemCount() const { return GetCount(); }

  // Scroll bars.
  void SetScrollRange(int min, int max, bool redraw = true);
  void GetScrollRange(int* min, int* max) const;
  int SetScrollPos(int pos, bool redraw = true);
  int GetScrollPos() const { return m_pos; }

  // Painting. Invalidate marks the control for painting at the next paint pass
  // (or at UpdateWindow); an owner-drawn control is then drawn by its dialog.
  void Invalidate(bool erase = true);
  void UpdateWindow();
  bool IsInvalid() const { return m_invalid; }
  // The recording of the control's last paint, if it was ever drawn into.
  const std::optional<Drawing>& LastDrawing() const { return m_drawing; }
  // Starts a new recording (the previous drawing is replaced).
  Drawing* BeginDrawing();

 private:
  friend class CDialog;

  CDialog* m_owner;
  ControlTemplate m_template;
  CString m_text;
  bool m_enabled = true;
  bool m_visible = true;
  bool m_readOnly = false;
  int m_checked = 0;
  std::vector<CString> m_items;
  std::vector<intptr_t> m_itemData;
  int m_selected = -1;
  int m_top = 0;
  int m_min = 0, m_max = 100, m_pos = 0;
  bool m_invalid = true;
  std::optional<Drawing> m_drawing;
};

// The framework's control classes are views of the same control model.
using CButton = CWnd;
using CEdit = CWnd;
using CStatic = CWnd;
using CComboBox = CWnd;
using CListBox = CWnd;
using CScrollBar = CWnd;
using CTabCtrl = CWnd;

}  // namespace topodlg
