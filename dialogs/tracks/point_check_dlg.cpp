#include "dialogs/tracks/point_check_dlg.h"

#include "include/topodlg/topodlg.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kPoint = 1006,
  kEndPointButton = 1422,
};

}  // namespace

CPointCheckDlg::CPointCheckDlg() : CDialog(kTemplateId) {
  OnClicked(kEndPointButton, [this] {
    m_answer = kEndPoint;
    EndDialog(IDOK);
  });
}

bool CPointCheckDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(kPoint, "N" + m_latitude + ", E" + m_longitude);
  return true;
}

void CPointCheckDlg::OnOK() {
  m_answer = kTaken;
  EndDialog(IDOK);
}

}  // namespace topodlg

extern "C" int OnDlgDtChk(topodlg::CString latitude, topodlg::CString longitude) {
  using namespace topodlg;
  AFX_MAINTAIN_STATE guard;
  CPointCheckDlg dlg;
  dlg.m_latitude = latitude;
  dlg.m_longitude = longitude;
  return dlg.DoModal() == IDOK ? dlg.m_answer : -1;
}
