#include "dialogs/appearance/elevation_bands_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

constexpr int kAllButton = 1158;

// The band buttons: the flags each one stands for, led by the last of them.
constexpr struct {
  int id;
  int first;
  int lead;
} kBandButtons[] = {
    {1159, 1, 1},   {1160, 2, 2},   {1161, 3, 3},   {1162, 4, 5},   {1163, 6, 11},  {1164, 12, 21},
    {1165, 22, 31}, {1166, 32, 41}, {1167, 42, 51}, {1168, 52, 61}, {1169, 62, 71}, {1117, 72, 81},
};
// Up to this lead flag a button sets its flag only from 0; above it, from any
// value but 1.
constexpr int kLastLeadSetFromZero = 41;

}  // namespace

CElevationBandsDlg::CElevationBandsDlg() : CDialog(kTemplateId) {
  OnClicked(kAllButton, [this] { OnAllElevations(); });
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
    CheckDlgButton(kAllButton, 1);
    for (int i = 1; i < kFlagCount; ++i) m_flags[i] = 0;
  } else {
    CheckDlgButton(kAllButton, 0);
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
