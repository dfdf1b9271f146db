#include "dialogs/appearance/elevation_bands_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/169.h"

namespace topodlg {
using namespace res169;
namespace {

// The band buttons: the flags each one stands for, led by the last of them.
constexpr struct {
  int id;
  int first;
  int lead;
} kBandButtons[] = {
    {IDC_BELOW_0M, 1, 1},       {IDC_BELOW_50M, 2, 2},      {IDC_BELOW_100M, 3, 3},     {IDC_BELOW_200M, 4, 5},
    {IDC_BELOW_500M, 6, 11},    {IDC_BELOW_1000M, 12, 21},  {IDC_BELOW_1500M, 22, 31},  {IDC_BELOW_2000M, 32, 41},
    {IDC_BELOW_2500M, 42, 51},  {IDC_BELOW_3000M, 52, 61},  {IDC_BELOW_3500M, 62, 71},  {IDC_BELOW_4000M, 72, 81},
};
// Up to this lead flag a button sets its flag only from 0; above it, from any
// value but 1.
constexpr int kLastLeadSetFromZero = 41;

}  // namespace

CElevationBandsDlg::CElevationBandsDlg() : CDialog(kTemplateId) {
  OnClicked(IDC_ALL_ELEVATIONS, [this] { OnAllElevations(); });
  for (int i = 0; i < static_cast<int>(std::size(kBandButtons)); ++i) OnClicked(kBandButtons[i].id, [this, i] { OnBandButton(i); });
}

void CElevationBandsDlg::SetFlags(const CString& text) {
  for (int i = 0; i < kFlagCount; ++i) {
    const char c = i < text.GetLength() ? text[i] : '0';
    m_flags[i] = c >= '0' && c <= '9' ? c - '0' : 0;
  }
}

bool CElevationBandsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ShowFlags();
  return true;
}

// Shows the flags on the buttons and makes them consistent: all elevations
// clears every band; otherwise the band below 0 m is always coloured, and a
// group takes the value of its leading flag as it stands. A leading flag that
// is neither 0 nor 1 (another digit from the host) is kept, so that its
// button's toggle rule decides what the next click makes of it.
void CElevationBandsDlg::ShowFlags() {
  if (m_flags[0] == 1) {
    CheckDlgButton(IDC_ALL_ELEVATIONS, 1);
    for (int i = 1; i < kFlagCount; ++i) m_flags[i] = 0;
  } else {
    CheckDlgButton(IDC_ALL_ELEVATIONS, 0);
    if (m_flags[1] == 0) m_flags[1] = 1;
  }
  for (const auto& button : kBandButtons) {
    const int lead = m_flags[button.lead];
    CheckDlgButton(button.id, lead == 1 ? 1 : 0);
    for (int i = button.first; i < button.lead; ++i) m_flags[i] = lead;
  }
}

void CElevationBandsDlg::OnAllElevations() {
  m_flags[0] = m_flags[0] == 0 ? 1 : 0;
  ShowFlags();
}

void CElevationBandsDlg::OnBandButton(int index) {
  int& lead = m_flags[kBandButtons[index].lead];
  if (kBandButtons[index].lead <= kLastLeadSetFromZero) {
    lead = lead == 0 ? 1 : 0;
  } else {
    lead = lead != 1 ? 1 : 0;
  }
  m_flags[0] = 0;
  ShowFlags();
}

CString CElevationBandsDlg::Result() const {
  CString text;
  for (int flag : m_flags) text += flag == 1 ? '1' : '0';
  return text;
}

CString entry::OnDlgHgtS(CString flags) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CElevationBandsDlg dlg;
  dlg.SetFlags(flags);
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
