#include "dialogs/tracks/dist_measure_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/226.h"

namespace topodlg {
using namespace res226;

namespace {

constexpr int kHidden = -1;

}  // namespace

// "地点番号" (1416) shows and toggles the point-number flag, "区間距離" (1417)
// the section-distance flag: each box toggles the flag it shows, so what the
// user sees ticked is what the host gets back.
CDistMeasureDlg::CDistMeasureDlg() : CDialog(kTemplateId) {
  OnClicked(IDC_MEASURE, [this] { Toggle(IDC_MEASURE, m_measure); });
  OnClicked(IDC_CONFIRM, [this] { Toggle(IDC_CONFIRM, m_confirm); });
  OnClicked(IDC_CUMULATIVE, [this] { Toggle(IDC_CUMULATIVE, m_cumulative); });
  OnClicked(IDC_POINT_NUMBERS, [this] { Toggle(IDC_POINT_NUMBERS, m_pointNumbers); });
  OnClicked(IDC_SECTION_DISTANCES, [this] { Toggle(IDC_SECTION_DISTANCES, m_sectionDistances); });
  BindRadio(m_fontSize, {{IDC_LARGE, 0}, {IDC_SMALL, 1}}).Otherwise(IDC_SMALL);
  // A colour the dialog does not know checks no radio.
  BindRadio(m_textColour, {{IDC_BLUE, 0}, {IDC_BLACK, 1}, {IDC_RED, 2}});
  OnClicked(IDC_HIDE, [this] { OnHideClicked(); });
}

bool CDistMeasureDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CheckDlgButton(IDC_MEASURE, m_measure == 1 ? 1 : 0);
  CheckDlgButton(IDC_CONFIRM, m_confirm == 1 ? 1 : 0);
  CheckDlgButton(IDC_POINT_NUMBERS, m_pointNumbers == 1 ? 1 : 0);
  CheckDlgButton(IDC_SECTION_DISTANCES, m_sectionDistances == 1 ? 1 : 0);
  CheckDlgButton(IDC_CUMULATIVE, m_cumulative == 1 ? 1 : 0);
  if (m_white == 1) SetDlgItemText(IDC_BLACK, "白");
  return true;
}

void CDistMeasureDlg::Toggle(int id, int& flag) {
  flag = flag == 0 ? 1 : 0;
  CheckDlgButton(id, flag);
}

// Once asked, the dialog stays hidden for the host: a second click neither
// clears the flag nor the box.
void CDistMeasureDlg::OnHideClicked() {
  m_hide = kHidden;
  CheckDlgButton(IDC_HIDE, 1);
}

CString CDistMeasureDlg::Result() const {
  return CString::Formatted("%d %d %d %d %d %d %d %d", m_measure, m_confirm, m_cumulative, m_pointNumbers,
                            m_sectionDistances, m_fontSize, m_textColour, m_hide);
}

CString entry::OnDlgDtMsr(int measure, int confirm, int cumulative, int pointNumbers,
                                       int sectionDistances, int fontSize, int textColour, int white) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CDistMeasureDlg dlg;
  dlg.m_measure = measure;
  dlg.m_confirm = confirm;
  dlg.m_cumulative = cumulative;
  dlg.m_pointNumbers = pointNumbers;
  dlg.m_sectionDistances = sectionDistances;
  dlg.m_fontSize = fontSize;
  dlg.m_textColour = textColour;
  dlg.m_white = white;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
