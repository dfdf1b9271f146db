#include "dialogs/areas/area_legend_set_dlg.h"

#include "dialogs/areas/legend_file.h"
#include "frame/shared_routines.h"
#include "resources/196.h"

namespace topodlg {
using namespace res196;
namespace {

constexpr const char* kLinearTitle = "             凡例設定（線形）";
constexpr const char* kAddCaption = "追加";
constexpr const char* kUpdateCaption = "更新";
constexpr const char* kLinePatterns[] = {"太線", "細線"};
constexpr const char* kAreaPatterns[] = {"斜線／", "斜線＼", "クロス", "横線", "縦線", "格子"};
constexpr const char* kColours[] = {"赤", "紫", "橙", "黄", "緑", "深緑", "青", "茶", "黒", "白"};

// Shows a text in a combo box's edit field, selecting the item that equals it
// (none when a hand-edited file holds a text the list does not offer).
void ShowInCombo(CWnd* combo, const CString& text) {
  combo->SetCurSel(combo->FindStringExact(-1, text));
  combo->SetWindowText(text);
}

}  // namespace

CAreaLegendSetDlg::CAreaLegendSetDlg() : CDialog(kTemplateId) {
  OnNotify(IDC_ROW, CBN_SELCHANGE, [this] { OnRowChosen(); });
  OnNotify(IDC_ENTRIES, LBN_SELCHANGE, [this] { OnEntryChosen(); });
  OnClicked(IDC_ADD_OR_UPDATE, [this] { OnAddOrUpdate(); });
  OnClicked(IDC_EDIT_FILE, [this] { OnEditFile(); });
}

// Run again after "編集": the file is read anew and whatever was added or
// updated here is dropped, so the modified flag and the entry being edited go
// back to their start too (OK must not write the dropped state over the
// editor's work).
bool CAreaLegendSetDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_GROUP_NAME, m_groupName);
  if (m_linearFlag == 1) SetWindowText(kLinearTitle);

  CWnd* rows = GetDlgItem(IDC_ROW);
  rows->ResetContent();
  for (int row = 1; row <= kLegendEntryLimit; ++row) rows->AddString(CString::Formatted("%d", row));
  CWnd* patterns = GetDlgItem(IDC_PATTERN);
  patterns->ResetContent();
  if (m_linearFlag != 0) {
    for (const char* p : kLinePatterns) patterns->AddString(p);
  } else {
    for (const char* p : kAreaPatterns) patterns->AddString(p);
  }
  CWnd* colours = GetDlgItem(IDC_COLOUR);
  colours->ResetContent();
  for (const char* c : kColours) colours->AddString(c);

  m_editMode = 0;
  m_chosenEntry = -1;
  m_modified = -1;
  SetDlgItemText(IDC_DESCRIPTION, "");
  SetDlgItemText(IDC_ADD_OR_UPDATE, kAddCaption);
  LoadEntries();
  return true;
}

void CAreaLegendSetDlg::LoadEntries() {
  m_legendPath = LegendFilePath(m_dataDirectory, m_linearFlag);
  m_entries = ReadLegendSection(m_legendPath, m_group);
  m_lastEntry = static_cast<int>(m_entries.size()) - 1;
  FillEntryList();
}

void CAreaLegendSetDlg::FillEntryList() {
  CWnd* list = GetDlgItem(IDC_ENTRIES);
  list->ResetContent();
  for (const CString& entry : m_entries) list->AddString(entry);
}

// Pattern, colour and description of an entry go to their controls; the entry
// becomes the one an update replaces.
void CAreaLegendSetDlg::ShowEntry(int index) {
  m_chosenEntry = index;
  const LegendEntry entry = SplitLegendEntry(m_entries[static_cast<size_t>(index)]);
  ShowInCombo(GetDlgItem(IDC_PATTERN), entry.pattern);
  ShowInCombo(GetDlgItem(IDC_COLOUR), entry.colour);
  SetDlgItemText(IDC_DESCRIPTION, entry.description);
  SetDlgItemText(IDC_ADD_OR_UPDATE, kUpdateCaption);
  m_editMode = 1;
}

void CAreaLegendSetDlg::ShowNewRow() {
  GetDlgItem(IDC_ENTRIES)->SetCurSel(-1);
  GetDlgItem(IDC_PATTERN)->SetCurSel(-1);
  GetDlgItem(IDC_COLOUR)->SetCurSel(-1);
  SetDlgItemText(IDC_DESCRIPTION, "");
  SetDlgItemText(IDC_ADD_OR_UPDATE, kAddCaption);
  m_editMode = 0;
}

// Rows are kept without gaps: a row past the next free one moves back to it.
void CAreaLegendSetDlg::OnRowChosen() {
  CWnd* rows = GetDlgItem(IDC_ROW);
  int index = rows->GetCurSel();
  if (index < 0) return;
  if (m_lastEntry >= 0 && index > m_lastEntry + 1) {
    index = m_lastEntry + 1;
    rows->SetCurSel(index);
  }
  if (index > m_lastEntry) {
    ShowNewRow();
    return;
  }
  GetDlgItem(IDC_ENTRIES)->SetCurSel(index);
  ShowEntry(index);
}

void CAreaLegendSetDlg::OnEntryChosen() {
  const int index = GetDlgItem(IDC_ENTRIES)->GetCurSel();
  if (index < 0 || index > m_lastEntry) return;
  GetDlgItem(IDC_ROW)->SetCurSel(index);
  ShowEntry(index);
}

// An update takes the texts as they are; an add needs all three. A group holds
// at most 19 entries (more would never be read back), so an add to a full
// group only beeps.
void CAreaLegendSetDlg::OnAddOrUpdate() {
  const CString pattern = GetDlgItemText(IDC_PATTERN);
  const CString colour = GetDlgItemText(IDC_COLOUR);
  const CString description = GetDlgItemText(IDC_DESCRIPTION);
  if (m_editMode == 1) {
    if (m_chosenEntry < 0 || m_chosenEntry > m_lastEntry) return;
    m_entries[static_cast<size_t>(m_chosenEntry)] = JoinLegendEntry(m_chosenEntry + 1, pattern, colour, description);
    FillEntryList();
    m_modified = 1;
    return;
  }
  if (pattern.IsEmpty() || colour.IsEmpty() || description.IsEmpty()) return;
  if (m_lastEntry + 1 >= kLegendEntryLimit) {
    MessageBeep();
    return;
  }
  ++m_lastEntry;
  m_entries.push_back(JoinLegendEntry(m_lastEntry + 1, pattern, colour, description));
  GetDlgItem(IDC_ENTRIES)->AddString(m_entries.back());
  m_modified = 1;
}

void CAreaLegendSetDlg::OnEditFile() {
  RunEditorAndWait(m_editorPath, LegendFilePath(m_dataDirectory, m_linearFlag));
  OnInitDialog();
}

// A failed save leaves the legend file as it was and the dialog open, with the
// entries still in it, so the user loses nothing and can cancel or try again.
void CAreaLegendSetDlg::OnOK() {
  if (m_modified == 1) {
    if (SaveLegendSection(m_legendPath, m_group, m_entries) != LegendSaveOutcome::Saved) {
      AfxFileErrorBox(m_legendPath);
      return;
    }
  }
  EndDialog(IDOK);
}

}  // namespace topodlg
