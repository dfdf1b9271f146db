#include "dialogs/points/point_coord_dlg.h"

#include "include/topodlg/topodlg.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kLatitude = 1442,
  kLongitude = 1443,
  kNumber = 1444,
};

}  // namespace

CPointCoordDlg::CPointCoordDlg() : CDialog(kTemplateId) {}

void CPointCoordDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, kLatitude, m_latitude);
  DDX_Text(pDX, kLongitude, m_longitude);
}

// Moving to a coordinate, the user is told the notation: degrees, then minutes
// and seconds after the point.
bool CPointCoordDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (IsMoveTo()) {
    SetWindowText(" 指定の座標へ移動");
    SetDlgItemText(kNumber, "形式:度.分秒");
  } else {
    SetDlgItemText(kNumber, CString::Formatted("No=%d/%d", m_number, m_count));
  }
  return true;
}

CString CPointCoordDlg::Result() const { return "2 " + m_latitude + "|" + m_longitude; }

}  // namespace topodlg

extern "C" topodlg::CString OnDlgPtUpd(topodlg::CString latitude, topodlg::CString longitude, int number,
                                       int count) {
  using namespace topodlg;
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
