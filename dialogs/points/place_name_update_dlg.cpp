#include "dialogs/points/place_name_update_dlg.h"

#include "include/topodlg/topodlg.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kElevationLabel = 1003,
  kPlaceName = 1074,
  kElevation = 1075,
  kLatitude = 1076,
  kLongitude = 1077,
  kPlaceNameFile = 1078,
  kFinish = 1073,
};

}  // namespace

CPlaceNameUpdateDlg::CPlaceNameUpdateDlg() : CDialog(kTemplateId) {
  OnClicked(kFinish, [this] { OnFinish(); });
}

void CPlaceNameUpdateDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, kLatitude, m_latitude);
  DDX_Text(pDX, kLongitude, m_longitude);
  DDX_Text(pDX, kPlaceName, m_placeName);
  DDX_Text(pDX, kElevation, m_elevation);
  DDX_Text(pDX, kPlaceNameFile, m_placeNameFile);
}

// Regional records hold an elevation or an attribute in their fourth field.
bool CPlaceNameUpdateDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_fileKind == kRegionalFileKind) {
    SetWindowText(" 地点名の更新(地域地点名)");
    SetDlgItemText(kElevationLabel, "標高/      属性");
  }
  return true;
}

void CPlaceNameUpdateDlg::OnFinish() {
  UpdateData(true);  // every box is text: nothing can be refused
  m_finish = 1;
  EndDialog(IDOK);
}

CString CPlaceNameUpdateDlg::Result() const {
  return CString::Formatted("%d ", m_finish) + m_placeName + "|" + m_latitude + "|" + m_longitude + "|" +
         m_elevation;
}

}  // namespace topodlg

extern "C" topodlg::CString OnDlgPntUp(int finish, topodlg::CString placeName, topodlg::CString latitude,
                                       topodlg::CString longitude, topodlg::CString elevation,
                                       topodlg::CString placeNameFile, int fileKind) {
  using namespace topodlg;
  AFX_MAINTAIN_STATE guard;
  CString result;
  CPlaceNameUpdateDlg dlg;
  dlg.m_finish = finish;
  dlg.m_placeName = placeName;
  dlg.m_latitude = latitude;
  dlg.m_longitude = longitude;
  dlg.m_elevation = elevation;
  dlg.m_placeNameFile = placeNameFile;
  dlg.m_fileKind = fileKind;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}
