#include "dialogs/tables/table_file_dlg.h"

#include "dialogs/tables/table_file_name.h"
#include "frame/shared_routines.h"
#include "include/topodlg/topodlg.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kPointName = 1081,
  kNote = 1082,
  kLatitude = 1083,
  kLongitude = 1084,
  kTableFile = 1085,
  kBrowse = 1086,
  kFinish = 1087,
};

}  // namespace

CTableFileDlg::CTableFileDlg() : CDialog(kTemplateId) {
  OnClicked(kBrowse, [this] { OnBrowse(); });
  OnClicked(kFinish, [this] { OnFinish(); });
}

void CTableFileDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, kLatitude, m_latitude);
  DDX_Text(pDX, kLongitude, m_longitude);
  DDX_Text(pDX, kPointName, m_pointName);
  DDX_Text(pDX, kNote, m_note);
  DDX_Text(pDX, kTableFile, m_tableFile);
}

// The template speaks of updating; a registration re-captions the dialog.
bool CTableFileDlg::OnInitDialog() {
  if (m_mode != kRegistration) m_tableFile = TableFileForUpdate(m_tableFile);
  CDialog::OnInitDialog();
  if (m_mode == kRegistration) {
    SetWindowText(" 表形式データの登録");
    SetDlgItemText(IDOK, "登録を継続");
    SetDlgItemText(kFinish, "登録終了");
  }
  return true;
}

// A cancelled pick empties the field: the choice is the picker's answer.
void CTableFileDlg::OnBrowse() {
  m_tableFile = BrowseForFile("csv", "*.csv", "表 files (*.csv)|*.csv|表 files (*.txt)|*.txt");
  SetDlgItemText(kTableFile, m_tableFile);
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

}  // namespace topodlg

extern "C" topodlg::CString OnTableFileSet(int mode, topodlg::CString pointName, topodlg::CString latitude,
                                           topodlg::CString longitude, topodlg::CString note,
                                           topodlg::CString tableFile) {
  using namespace topodlg;
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
