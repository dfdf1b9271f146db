#include "dialogs/points/landmark_regist_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/219.h"

namespace topodlg {
using namespace res219;
CLandmarkRegistDlg::CLandmarkRegistDlg() : CDialog(kTemplateId) {
  OnNotify(IDC_TYPE, CBN_SELCHANGE, [this] { OnTypeChanged(); });
  OnClicked(IDC_FINISH, [this] { OnFinish(); });
}

void CLandmarkRegistDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_LATITUDE, m_latitude);
  DDX_Text(pDX, IDC_LONGITUDE, m_longitude);
  DDX_Text(pDX, IDC_NAME, m_name);
  DDX_Text(pDX, IDC_HEIGHT, m_height);
  DDX_Text(pDX, IDC_SYMBOL, m_symbol);
  DDX_Text(pDX, IDC_ELEVATION, m_elevation);
}

bool CLandmarkRegistDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CWnd* types = GetDlgItem(IDC_TYPE);
  types->ResetContent();
  for (const CString& name : m_typeNames) types->AddString(name);
  types->SetCurSel(0);
  SetDlgItemText(IDC_COLOUR, LandmarkColourLabel(Atoi(m_typeIndex)));
  SetDlgItemText(IDC_NAME, m_name);
  return true;
}

// A cleared selection (no type) keeps the type chosen before.
void CLandmarkRegistDlg::OnTypeChanged() {
  const int index = GetDlgItem(IDC_TYPE)->GetCurSel();
  if (index < 0) return;
  SetDlgItemText(IDC_COLOUR, LandmarkColourLabel(index));
  m_typeIndex = CString::Formatted("%d", index);
}

// Finishing keeps the values the dialog was opened with: only the type chosen
// in the list has been taken over.
void CLandmarkRegistDlg::OnFinish() {
  m_finish = 1;
  EndDialog(IDOK);
}

CString CLandmarkRegistDlg::Result() const {
  return CString::Formatted("%d ", m_finish) + m_name + "|" + m_elevation + "|" + m_latitude + "|" + m_longitude + "|" +
         m_height + "|" + m_typeIndex;
}

// The longitude comes before the latitude here, and after it in the result.
CString entry::OnDlgRegistLandMark(int finish, CString longitude, CString latitude, CString typeName1,
                                   CString typeName2, CString typeName3, CString typeName4, CString typeName5,
                                   CString typeName6, CString typeName7, CString typeName8, CString typeName9,
                                   CString typeName10, CString typeName11, CString typeName12) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CLandmarkRegistDlg dlg;
  dlg.m_finish = finish;
  dlg.m_typeIndex = "0";
  dlg.m_height = "100";
  dlg.m_symbol = "四角錘";
  dlg.m_elevation = "-999";
  dlg.m_latitude = latitude;
  dlg.m_longitude = longitude;
  dlg.m_typeNames = {typeName1, typeName2, typeName3, typeName4,  typeName5,  typeName6,
                     typeName7, typeName8, typeName9, typeName10, typeName11, typeName12};
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
