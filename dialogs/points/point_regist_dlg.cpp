#include "dialogs/points/point_regist_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/184.h"

namespace topodlg {
using namespace res184;
namespace {

}  // namespace

CPointRegistDlg::CPointRegistDlg() : CDialog(kTemplateId) {
  OnClicked(IDC_FINISH, [this] {
    m_finish = 1;
    UpdateData(true);
    EndDialog(IDOK);
  });
}

// Every field is free text: nothing is validated.
void CPointRegistDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_PLACE_NAME, m_placeName);
  DDX_Text(pDX, IDC_ITEM, m_item);
  DDX_Text(pDX, IDC_LATITUDE, m_latitude);
  DDX_Text(pDX, IDC_LONGITUDE, m_longitude);
  DDX_Text(pDX, IDC_TAG, m_tag);
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
