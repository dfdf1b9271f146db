#include "dialogs/points/point_coord_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/198.h"

namespace topodlg {
using namespace res198;
CPointCoordDlg::CPointCoordDlg() : CDialog(kTemplateId) {}

void CPointCoordDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_LATITUDE, m_latitude);
  DDX_Text(pDX, IDC_LONGITUDE, m_longitude);
}

// Moving to a coordinate, the user is told the notation: degrees, then minutes
// and seconds after the point.
bool CPointCoordDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (IsMoveTo()) {
    SetWindowText(" 指定の座標へ移動");
    SetDlgItemText(IDC_NUMBER, "形式:度.分秒");
  } else {
    SetDlgItemText(IDC_NUMBER, CString::Formatted("No=%d/%d", m_number, m_count));
  }
  return true;
}

CString CPointCoordDlg::Result() const { return "2 " + m_latitude + "|" + m_longitude; }

CString entry::OnDlgPtUpd(CString latitude, CString longitude, int number, int count) {
  AFX_MAINTAIN_STATE guard;
  CString result = CPointCoordDlg::CancelResult();
  CPointCoordDlg dlg;
  dlg.m_latitude = latitude;
  dlg.m_longitude = longitude;
  dlg.m_number = number;
  dlg.m_count = count;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
