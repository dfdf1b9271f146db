#include "dialogs/points/point_regist_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kTag = 1039,
  kLatitude = 1236,
  kLongitude = 1237,
  kPlaceName = 1238,
  kItem = 1239,
  kFinish = 1240,
};

}  // namespace

CPointRegistDlg::CPointRegistDlg() : CDialog(kTemplateId) {
  OnClicked(kFinish, [this] {
    m_finish = 1;
    UpdateData(true);
    EndDialog(IDOK);
  });
}

// Every field is free text: nothing is validated.
void CPointRegistDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, kPlaceName, m_placeName);
  DDX_Text(pDX, kItem, m_item);
  DDX_Text(pDX, kLatitude, m_latitude);
  DDX_Text(pDX, kLongitude, m_longitude);
  DDX_Text(pDX, kTag, m_tag);
}

CString CPointRegistDlg::Result() const {
  return CString::Formatted("%d ", m_finish) + m_placeName + "|" + m_item + "|" + m_latitude + "|" + m_longitude +
         "|" + m_tag;
}

CString entry::OnDlgOvlp(int finish, CString latitude, CString longitude) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CPointRegistDlg dlg;
  dlg.m_finish = finish;
  dlg.m_latitude = latitude;
  dlg.m_longitude = longitude;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
