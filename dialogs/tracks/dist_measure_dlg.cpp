#include "dialogs/tracks/dist_measure_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kCumulative = 1005,
  kBlue = 1007,
  kBlack = 1008,
  kRed = 1009,
  kHide = 1015,
  kPointNumbers = 1416,
  kSectionDistances = 1417,
  kConfirm = 1418,
  kLarge = 1419,
  kSmall = 1420,
  kMeasure = 1421,
};

constexpr int kHidden = -1;

}  // namespace

// "地点番号" (1416) shows and toggles the point-number flag, "区間距離" (1417)
// the section-distance flag: each box toggles the flag it shows, so what the
// user sees ticked is what the host gets back.
CDistMeasureDlg::CDistMeasureDlg() : CDialog(kTemplateId) {
  OnClicked(kMeasure, [this] { Toggle(kMeasure, m_measure); });
  OnClicked(kConfirm, [this] { Toggle(kConfirm, m_confirm); });
  OnClicked(kCumulative, [this] { Toggle(kCumulative, m_cumulative); });
  OnClicked(kPointNumbers, [this] { Toggle(kPointNumbers, m_pointNumbers); });
  OnClicked(kSectionDistances, [this] { Toggle(kSectionDistances, m_sectionDistances); });
  OnClicked(kLarge, [this] { m_fontSize = 0; });
  OnClicked(kSmall, [this] { m_fontSize = 1; });
  OnClicked(kBlue, [this] { m_textColour = 0; });
  OnClicked(kBlack, [this] { m_textColour = 1; });
  OnClicked(kRed, [this] { m_textColour = 2; });
  OnClicked(kHide, [this] { OnHideClicked(); });
}

bool CDistMeasureDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CheckDlgButton(kMeasure, m_measure == 1 ? 1 : 0);
  CheckDlgButton(kConfirm, m_confirm == 1 ? 1 : 0);
  CheckDlgButton(kPointNumbers, m_pointNumbers == 1 ? 1 : 0);
  CheckDlgButton(kSectionDistances, m_sectionDistances == 1 ? 1 : 0);
  CheckDlgButton(kCumulative, m_cumulative == 1 ? 1 : 0);
  CheckRadioButton(kLarge, kSmall, m_fontSize != 0 ? kSmall : kLarge);
  if (m_white == 1) SetDlgItemText(kBlack, "白");
  const int colour[] = {kBlue, kBlack, kRed};
  if (m_textColour >= 0 && m_textColour <= 2) CheckRadioButton(kBlue, kRed, colour[m_textColour]);
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
  CheckDlgButton(kHide, 1);
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
