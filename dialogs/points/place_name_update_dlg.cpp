#include "dialogs/points/place_name_update_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/159.h"

namespace topodlg {
using namespace res159;
CPlaceNameUpdateDlg::CPlaceNameUpdateDlg() : CDialog(kTemplateId) {
  OnClicked(IDC_FINISH, [this] { OnFinish(); });
}

void CPlaceNameUpdateDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_LATITUDE, m_latitude);
  DDX_Text(pDX, IDC_LONGITUDE, m_longitude);
  DDX_Text(pDX, IDC_PLACE_NAME, m_placeName);
  DDX_Text(pDX, IDC_ELEVATION, m_elevation);
  DDX_Text(pDX, IDC_PLACE_NAME_FILE, m_placeNameFile);
}

// Regional records hold an elevation or an attribute in their fourth field.
bool CPlaceNameUpdateDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_fileKind == kRegionalFileKind) {
    SetWindowText(" 地点名の更新(地域地点名)");
    SetDlgItemText(IDC_ELEVATION_LABEL, "標高/      属性");
  }
  return true;
}

void CPlaceNameUpdateDlg::OnFinish() {
  UpdateData(true);  // every box is text: nothing can be refused
  m_finish = 1;
  EndDialog(IDOK);
}

CString CPlaceNameUpdateDlg::Result() const {
  return CString::Formatted("%d ", m_finish) + m_placeName + "|" + m_latitude + "|" + m_longitude + "|" + m_elevation;
}

CString entry::OnDlgPntUp(int finish, CString placeName, CString latitude, CString longitude, CString elevation,
                          CString placeNameFile, int fileKind) {
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

}  // namespace topodlg
