#include "dialogs/areas/area_legend_set_dlg.h"

#include "dialogs/areas/legend_file.h"
#include "frame/shared_routines.h"

namespace topodlg {
namespace {

enum Control : int {
  kEntries = 1405,
  kRow = 1406,
  kColour = 1407,
  kPattern = 1408,
  kDescription = 1409,
  kAddOrUpdate = 1410,
  kEdit = 1411,
  kGroupName = 1412,
};

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
  OnNotify(kRow, CBN_SELCHANGE, [this] { OnRowChosen(); });
  OnNotify(kEntries, LBN_SELCHANGE, [this] { OnEntryChosen(); });
  OnClicked(kAddOrUpdate, [this] { OnAddOrUpdate(); });
  OnClicked(kEdit, [this] { OnEditFile(); });
}

// Run again after "編集": the file is read anew and whatever was added or
// updated here is dropped, so the modified flag and the entry being edited go
// back to their start too (OK must not write the dropped state over the
// editor's work).
bool CAreaLegendSetDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(kGroupName, m_groupName);
  if (m_linearFlag == 1) SetWindowText(kLinearTitle);

  CWnd* rows = GetDlgItem(kRow);
  rows->ResetContent();
  for (int row = 1; row <= kLegendEntryLimit; ++row) rows->AddString(CString::Formatted("%d", row));
  CWnd* patterns = GetDlgItem(kPattern);
  patterns->ResetContent();
  if (m_linearFlag != 0) {
    for (const char* p : kLinePatterns) patterns->AddString(p);
  } else {
    for (const char* p : kAreaPatterns) patterns->AddString(p);
  }
  CWnd* colours = GetDlgItem(kColour);
  colours->ResetContent();
  for (const char* c : kColours) colours->AddString(c);

  m_editMode = 0;
  m_chosenEntry = -1;
  m_modified = -1;
  SetDlgItemText(kDescription, "");
  SetDlgItemText(kAddOrUpdate, kAddCaption);
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
  CWnd* list = GetDlgItem(kEntries);
  list->ResetContent();
  for (const CString& entry : m_entries) list->AddString(entry);
}

// Pattern, colour and description of an entry go to their controls; the entry
// becomes the one an update replaces.
void CAreaLegendSetDlg::ShowEntry(int index) {
  m_chosenEntry = index;
  const LegendEntry entry = SplitLegendEntry(m_entries[static_cast<size_t>(index)]);
  ShowInCombo(GetDlgItem(kPattern), entry.pattern);
  ShowInCombo(GetDlgItem(kColour), entry.colour);
  SetDlgItemText(kDescription, entry.description);
  SetDlgItemText(kAddOrUpdate, kUpdateCaption);
  m_editMode = 1;
}

void CAreaLegendSetDlg::ShowNewRow() {
  GetDlgItem(kEntries)->SetCurSel(-1);
  GetDlgItem(kPattern)->SetCurSel(-1);
  GetDlgItem(kColour)->SetCurSel(-1);
  SetDlgItemText(kDescription, "");
  SetDlgItemText(kAddOrUpdate, kAddCaption);
  m_editMode = 0;
}

// Rows are kept without gaps: a row past the next free one moves back to it.
void CAreaLegendSetDlg::OnRowChosen() {
  CWnd* rows = GetDlgItem(kRow);
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
  GetDlgItem(kEntries)->SetCurSel(index);
  ShowEntry(index);
}

void CAreaLegendSetDlg::OnEntryChosen() {
  const int index = GetDlgItem(kEntries)->GetCurSel();
  if (index < 0 || index > m_lastEntry) return;
  GetDlgItem(kRow)->SetCurSel(index);
  ShowEntry(index);
}

// An update takes the texts as they are; an add needs all three. A group holds
// at most 19 entries (more would never be read back), so an add to a full
// group only beeps.
void CAreaLegendSetDlg::OnAddOrUpdate() {
  const CString pattern = GetDlgItemText(kPattern);
  const CString colour = GetDlgItemText(kColour);
  const CString description = GetDlgItemText(kDescription);
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
  GetDlgItem(kEntries)->AddString(m_entries.back());
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
    const CString workPath = LegendWorkPath(m_dataDirectory);
    switch (SaveLegendSection(m_dataDirectory, m_legendPath, m_group, m_entries)) {
      case LegendSaveOutcome::Saved: break;
      case LegendSaveOutcome::TooLong:
      case LegendSaveOutcome::RenameFailed:
        AfxFileErrorBox(m_legendPath);
        return;
      case LegendSaveOutcome::WorkFileFailed:
        AfxFileErrorBox(workPath);
        return;
    }
  }
  EndDialog(IDOK);
}

}  // namespace topodlg
