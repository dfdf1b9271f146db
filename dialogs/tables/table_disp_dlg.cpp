#include "dialogs/tables/table_disp_dlg.h"

#include "dialogs/tables/point_records.h"
#include "frame/entries.h"
#include "frame/shared_routines.h"
#include "platform/module_state.h"
#include "resources/141.h"

namespace topodlg {
using namespace res141;
namespace {

// A flag other than 0 or 1 shows unticked, so a click ticks it: it becomes 1.
void Toggle(int& flag) { flag = flag == 1 ? 0 : 1; }

}  // namespace

CTableDispDlg::CTableDispDlg() : CDialog(kTemplateId) {
  OnClicked(IDC_SHOW, [this] { Toggle(m_show); });
  OnClicked(IDC_NAME, [this] { Toggle(m_name); });
  OnClicked(IDC_RECORD_NUMBER, [this] { Toggle(m_recordNumber); });
  OnClicked(IDC_TRANSLATE, [this] { Toggle(m_translate); });
  OnClickedRange(IDC_WHITE, IDC_AUTOMATIC, [this](int id) { m_background = id - IDC_WHITE; });
  OnClicked(IDC_EDIT_LIST, [this] { OnEditList(); });
}

// The worksheet is always shown when it is opened from here.
bool CTableDispDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_show == 0) m_show = 1;
  CheckDlgButton(IDC_SHOW, m_show == 1);
  CheckDlgButton(IDC_NAME, m_name == 1);
  CheckDlgButton(IDC_RECORD_NUMBER, m_recordNumber == 1);
  CheckDlgButton(IDC_TRANSLATE, m_translate == 1);
  // A colour outside 0..4 ticks no radio and is returned as it came.
  const bool known = m_background >= 0 && m_background <= IDC_AUTOMATIC - IDC_WHITE;
  CheckRadioButton(IDC_WHITE, IDC_AUTOMATIC, known ? IDC_WHITE + m_background : 0);
  return true;
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
