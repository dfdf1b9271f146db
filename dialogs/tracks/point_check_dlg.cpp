#include "dialogs/tracks/point_check_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/227.h"

namespace topodlg {
using namespace res227;

CPointCheckDlg::CPointCheckDlg() : CDialog(kTemplateId) {
  OnClicked(IDC_END_POINT_BUTTON, [this] {
    m_answer = kEndPoint;
    EndDialog(IDOK);
  });
}

bool CPointCheckDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDC_POINT, "N" + m_latitude + ", E" + m_longitude);
  return true;
}

void CPointCheckDlg::OnOK() {
  m_answer = kTaken;
  EndDialog(IDOK);
}

int entry::OnDlgDtChk(CString latitude, CString longitude) {
  AFX_MAINTAIN_STATE guard;
  CPointCheckDlg dlg;
  dlg.m_latitude = latitude;
  dlg.m_longitude = longitude;
  return dlg.DoModal() == IDOK ? dlg.m_answer : -1;
}

}  // namespace topodlg
