#include "dialogs/points/landmark_regist_dlg.h"

#include "include/topodlg/topodlg.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kLatitude = 1369,
  kLongitude = 1370,
  kName = 1371,
  kElevation = 1372,
  kHeight = 1373,
  kSymbol = 1374,
  kColour = 1375,
  kFinish = 1376,
  kType = 1400,
};

}  // namespace

CLandmarkRegistDlg::CLandmarkRegistDlg() : CDialog(kTemplateId) {
  OnNotify(kType, CBN_SELCHANGE, [this] { OnTypeChanged(); });
  OnClicked(kFinish, [this] { OnFinish(); });
}

void CLandmarkRegistDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, kLatitude, m_latitude);
  DDX_Text(pDX, kLongitude, m_longitude);
  DDX_Text(pDX, kName, m_name);
  DDX_Text(pDX, kHeight, m_height);
  DDX_Text(pDX, kSymbol, m_symbol);
  DDX_Text(pDX, kElevation, m_elevation);
}

bool CLandmarkRegistDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CWnd* types = GetDlgItem(kType);
  types->ResetContent();
  for (const CString& name : m_typeNames) types->AddString(name);
  types->SetCurSel(0);
  SetDlgItemText(kColour, LandmarkColourLabel(Atoi(m_typeIndex)));
  SetDlgItemText(kName, m_name);
  return true;
}

// A cleared selection (no type) keeps the type chosen before.
void CLandmarkRegistDlg::OnTypeChanged() {
  const int index = GetDlgItem(kType)->GetCurSel();
  if (index < 0) return;
  SetDlgItemText(kColour, LandmarkColourLabel(index));
  m_typeIndex = CString::Formatted("%d", index);
}

// Finishing keeps the values the dialog was opened with: only the type chosen
// in the list has been taken over.
void CLandmarkRegistDlg::OnFinish() {
  m_finish = 1;
  EndDialog(IDOK);
}

CString CLandmarkRegistDlg::Result() const {
  return CString::Formatted("%d ", m_finish) + m_name + "|" + m_elevation + "|" + m_latitude + "|" + m_longitude +
         "|" + m_height + "|" + m_typeIndex;
}

}  // namespace topodlg

// The longitude comes before the latitude here, and after it in the result.
extern "C" topodlg::CString OnDlgRegistLandMark(int finish, topodlg::CString longitude, topodlg::CString latitude,
                                                topodlg::CString typeName1, topodlg::CString typeName2,
                                                topodlg::CString typeName3, topodlg::CString typeName4,
                                                topodlg::CString typeName5, topodlg::CString typeName6,
                                                topodlg::CString typeName7, topodlg::CString typeName8,
                                                topodlg::CString typeName9, topodlg::CString typeName10,
                                                topodlg::CString typeName11, topodlg::CString typeName12) {
  using namespace topodlg;
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
