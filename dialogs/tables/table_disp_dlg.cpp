#include "dialogs/tables/table_disp_dlg.h"

#include "dialogs/tables/point_records.h"
#include "frame/entries.h"
#include "frame/shared_routines.h"
#include "platform/module_state.h"
#include "resources/141.h"

namespace topodlg {
using namespace res141;
CTableDispDlg::CTableDispDlg() : CDialog(kTemplateId) {
  // A flag other than 0 or 1 shows unticked, so a click ticks it: it becomes 1.
  BindToggle(m_show, IDC_SHOW);
  BindToggle(m_name, IDC_NAME);
  BindToggle(m_recordNumber, IDC_RECORD_NUMBER);
  BindToggle(m_translate, IDC_TRANSLATE);
  // A colour outside 0..4 ticks no radio and is returned as it came.
  BindRadio(m_background, {{IDC_WHITE, 0}, {IDC_PURPLE, 1}, {IDC_SKY, 2}, {IDC_GREEN, 3}, {IDC_AUTOMATIC, 4}});
  OnClicked(IDC_EDIT_LIST, [this] { OnEditList(); });
}

// The worksheet is always shown when it is opened from here.
bool CTableDispDlg::OnInitDialog() {
  if (m_show == 0) m_show = 1;
  return CDialog::OnInitDialog();
}

void CTableDispDlg::OnEditList() { RunEditorAndWait(m_editorProgram, m_dataDirectory + kStatisticsListName); }

CString CTableDispDlg::Result() const {
  return CString::Formatted("%d|%d|%d|%d|%d|", m_show, m_name, m_recordNumber, m_background, m_translate);
}

CString entry::OnTableDispSet(int show, int name, int recordNumber, int background, int translate,
                              CString editorProgram, CString dataDirectory) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CTableDispDlg dlg;
  dlg.m_show = show;
  dlg.m_name = name;
  dlg.m_recordNumber = recordNumber;
  dlg.m_background = background;
  dlg.m_translate = translate;
  dlg.m_editorProgram = editorProgram;
  dlg.m_dataDirectory = dataDirectory;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
