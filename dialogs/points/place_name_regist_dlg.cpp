#include "dialogs/points/place_name_regist_dlg.h"

#include "dialogs/points/place_name_files.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/145.h"

namespace topodlg {
using namespace res145;
CPlaceNameRegistDlg::CPlaceNameRegistDlg() : CDialog(kTemplateId) {
  OnClicked(IDC_SERIAL_NUMBER, [this] { OnSerialNumber(); });
  OnClicked(IDC_FINISH, [this] { OnFinish(); });
  // The four record fields follow their boxes as the user types.
  OnNotify(IDC_PLACE_NAME, EN_CHANGE, [this] { m_placeName = GetDlgItemText(IDC_PLACE_NAME); });
  OnNotify(IDC_ELEVATION, EN_CHANGE, [this] { m_elevation = GetDlgItemText(IDC_ELEVATION); });
  OnNotify(IDC_LATITUDE, EN_CHANGE, [this] { m_latitude = GetDlgItemText(IDC_LATITUDE); });
  OnNotify(IDC_LONGITUDE, EN_CHANGE, [this] { m_longitude = GetDlgItemText(IDC_LONGITUDE); });
}

// "登録を継続" takes all seven boxes; the mesh elevation must stay an integer.
void CPlaceNameRegistDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_LATITUDE, m_latitude);
  DDX_Text(pDX, IDC_LONGITUDE, m_longitude);
  DDX_Text(pDX, IDC_PLACE_NAME, m_placeName);
  DDX_Text(pDX, IDC_NEAREST_MESH, m_nearestMesh);
  DDX_Text(pDX, IDC_MESH_ELEVATION, m_meshElevation);
  DDX_Text(pDX, IDC_ELEVATION, m_elevation);
  DDX_Text(pDX, IDC_REGIONAL_FILE, m_regionalFile);
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
  SetDlgItemText(IDC_PLACE_NAME, m_placeName);
}

// Finishing takes only the four record fields, so a mesh elevation box that no
// longer holds a number cannot stop it.
void CPlaceNameRegistDlg::OnFinish() {
  m_placeName = GetDlgItemText(IDC_PLACE_NAME);
  m_elevation = GetDlgItemText(IDC_ELEVATION);
  m_latitude = GetDlgItemText(IDC_LATITUDE);
  m_longitude = GetDlgItemText(IDC_LONGITUDE);
  m_finish = 1;
  EndDialog(IDOK);
}

CString CPlaceNameRegistDlg::Result() const {
  return CString::Formatted("%d %d ", m_lineCount, m_finish) + m_placeName + "|" + m_elevation + "|" + m_latitude +
         "|" + m_longitude + "|" + m_spare1 + "|" + m_spare2;
}

CString entry::OnDlgPntSv(int finish, int lineCount, int meshElevation, CString regionalFile, CString nearestMesh,
                          CString latitude, CString longitude) {
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

}  // namespace topodlg
