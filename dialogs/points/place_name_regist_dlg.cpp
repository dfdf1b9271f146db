#include "dialogs/points/place_name_regist_dlg.h"

#include "dialogs/points/place_name_files.h"
#include "include/topodlg/topodlg.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kLatitude = 1017,
  kLongitude = 1018,
  kPlaceName = 1019,
  kElevation = 1020,
  kNearestMesh = 1022,
  kMeshElevation = 1023,
  kRegionalFile = 1072,
  kSerialNumber = 1071,
  kFinish = 1016,
};

}  // namespace

CPlaceNameRegistDlg::CPlaceNameRegistDlg() : CDialog(kTemplateId) {
  OnClicked(kSerialNumber, [this] { OnSerialNumber(); });
  OnClicked(kFinish, [this] { OnFinish(); });
  // The four record fields follow their boxes as the user types.
  OnNotify(kPlaceName, EN_CHANGE, [this] { m_placeName = GetDlgItemText(kPlaceName); });
  OnNotify(kElevation, EN_CHANGE, [this] { m_elevation = GetDlgItemText(kElevation); });
  OnNotify(kLatitude, EN_CHANGE, [this] { m_latitude = GetDlgItemText(kLatitude); });
  OnNotify(kLongitude, EN_CHANGE, [this] { m_longitude = GetDlgItemText(kLongitude); });
}

// "登録を継続" takes all seven boxes; the mesh elevation must stay an integer.
void CPlaceNameRegistDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, kLatitude, m_latitude);
  DDX_Text(pDX, kLongitude, m_longitude);
  DDX_Text(pDX, kPlaceName, m_placeName);
  DDX_Text(pDX, kNearestMesh, m_nearestMesh);
  DDX_Text(pDX, kMeshElevation, m_meshElevation);
  DDX_Text(pDX, kElevation, m_elevation);
  DDX_Text(pDX, kRegionalFile, m_regionalFile);
}

// The host passes 0 on the first registration of a session; the count then
// comes from the file (a missing file has 0 lines).
bool CPlaceNameRegistDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_lineCount == 0) m_lineCount = CountPlaceNameLines(m_regionalFile);
  return true;
}

// The new record's name becomes its line number-to-be: the file's line count.
void CPlaceNameRegistDlg::OnSerialNumber() {
  m_placeName = CString::Formatted("%d", m_lineCount);
  SetDlgItemText(kPlaceName, m_placeName);
}

// Finishing takes only the four record fields, so a mesh elevation box that no
// longer holds a number cannot stop it.
void CPlaceNameRegistDlg::OnFinish() {
  m_placeName = GetDlgItemText(kPlaceName);
  m_elevation = GetDlgItemText(kElevation);
  m_latitude = GetDlgItemText(kLatitude);
  m_longitude = GetDlgItemText(kLongitude);
  m_finish = 1;
  EndDialog(IDOK);
}

CString CPlaceNameRegistDlg::Result() const {
  return CString::Formatted("%d %d ", m_lineCount, m_finish) + m_placeName + "|" + m_elevation + "|" + m_latitude +
         "|" + m_longitude + "|" + m_spare1 + "|" + m_spare2;
}

}  // namespace topodlg

extern "C" topodlg::CString OnDlgPntSv(int finish, int lineCount, int meshElevation, topodlg::CString regionalFile,
                                       topodlg::CString nearestMesh, topodlg::CString latitude,
                                       topodlg::CString longitude) {
  using namespace topodlg;
  AFX_MAINTAIN_STATE guard;
  CString result;
  CPlaceNameRegistDlg dlg;
  dlg.m_finish = finish;
  dlg.m_lineCount = lineCount;
  dlg.m_meshElevation = meshElevation;
  dlg.m_regionalFile = regionalFile;
  dlg.m_nearestMesh = nearestMesh;
  dlg.m_latitude = latitude;
  dlg.m_longitude = longitude;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}
