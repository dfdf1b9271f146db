#include "dialogs/tables/table_file_dlg.h"

#include "dialogs/tables/table_file_name.h"
#include "frame/entries.h"
#include "frame/shared_routines.h"
#include "platform/module_state.h"
#include "resources/138.h"

namespace topodlg {
using namespace res138;
CTableFileDlg::CTableFileDlg() : CDialog(kTemplateId) {
  OnClicked(IDC_BROWSE, [this] { OnBrowse(); });
  OnClicked(IDC_FINISH, [this] { OnFinish(); });
}

void CTableFileDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_LATITUDE, m_latitude);
  DDX_Text(pDX, IDC_LONGITUDE, m_longitude);
  DDX_Text(pDX, IDC_POINT_NAME, m_pointName);
  DDX_Text(pDX, IDC_NOTE, m_note);
  DDX_Text(pDX, IDC_TABLE_FILE, m_tableFile);
}

// The template speaks of updating; a registration re-captions the dialog.
bool CTableFileDlg::OnInitDialog() {
  if (m_mode != kRegistration) m_tableFile = TableFileForUpdate(m_tableFile);
  CDialog::OnInitDialog();
  if (m_mode == kRegistration) {
    SetWindowText(" 表形式データの登録");
    SetDlgItemText(IDOK, "登録を継続");
    SetDlgItemText(IDC_FINISH, "登録終了");
  }
  return true;
}

// A cancelled pick empties the field: the choice is the picker's answer.
void CTableFileDlg::OnBrowse() {
  m_tableFile = BrowseForFile("csv", "*.csv", "表 files (*.csv)|*.csv|表 files (*.txt)|*.txt");
  SetDlgItemText(IDC_TABLE_FILE, m_tableFile);
}

// Continue: the host asks for the next point.
void CTableFileDlg::OnOK() {
  UpdateData(true);
  EndDialog(IDOK);
}

void CTableFileDlg::OnFinish() {
  UpdateData(true);
  m_finish = 1;
  EndDialog(IDOK);
}

CString CTableFileDlg::Result() const {
  return CString::Formatted("%d|", m_finish) + m_pointName + "|" + m_latitude + "|" + m_longitude + "|" + m_note +
         "|" + m_tableFile;
}

CString entry::OnTableFileSet(int mode, CString pointName, CString latitude, CString longitude, CString note,
                              CString tableFile) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CTableFileDlg dlg;
  dlg.m_mode = mode;
  dlg.m_pointName = pointName;
  dlg.m_latitude = latitude;
  dlg.m_longitude = longitude;
  dlg.m_note = note;
  dlg.m_tableFile = tableFile;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
