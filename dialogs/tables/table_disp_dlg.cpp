#include "dialogs/tables/table_disp_dlg.h"

#include "dialogs/tables/point_records.h"
#include "frame/shared_routines.h"
#include "include/topodlg/topodlg.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kShow = 1088,
  kName = 1089,
  kWhite = 1090,
  kAutomatic = 1094,
  kRecordNumber = 1095,
  kTranslate = 1096,
  kEditList = 1345,
};

// A flag other than 0 or 1 shows unticked, so a click ticks it: it becomes 1.
void Toggle(int& flag) { flag = flag == 1 ? 0 : 1; }

}  // namespace

CTableDispDlg::CTableDispDlg() : CDialog(kTemplateId) {
  OnClicked(kShow, [this] { Toggle(m_show); });
  OnClicked(kName, [this] { Toggle(m_name); });
  OnClicked(kRecordNumber, [this] { Toggle(m_recordNumber); });
  OnClicked(kTranslate, [this] { Toggle(m_translate); });
  OnClickedRange(kWhite, kAutomatic, [this](int id) { m_background = id - kWhite; });
  OnClicked(kEditList, [this] { OnEditList(); });
}

// The worksheet is always shown when it is opened from here.
bool CTableDispDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_show == 0) m_show = 1;
  CheckDlgButton(kShow, m_show == 1);
  CheckDlgButton(kName, m_name == 1);
  CheckDlgButton(kRecordNumber, m_recordNumber == 1);
  CheckDlgButton(kTranslate, m_translate == 1);
  // A colour outside 0..4 ticks no radio and is returned as it came.
  const bool known = m_background >= 0 && m_background <= kAutomatic - kWhite;
  CheckRadioButton(kWhite, kAutomatic, known ? kWhite + m_background : 0);
  return true;
}

void CTableDispDlg::OnEditList() { RunEditorAndWait(m_editorProgram, m_dataDirectory + kStatisticsListName); }

CString CTableDispDlg::Result() const {
  return CString::Formatted("%d|%d|%d|%d|%d|", m_show, m_name, m_recordNumber, m_background, m_translate);
}

}  // namespace topodlg

extern "C" topodlg::CString OnTableDispSet(int show, int name, int recordNumber, int background, int translate,
                                           topodlg::CString editorProgram, topodlg::CString dataDirectory) {
  using namespace topodlg;
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
