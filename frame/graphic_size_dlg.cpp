#include "frame/graphic_size_dlg.h"

#include <algorithm>

#include "frame/spin_step.h"
#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int { kSize = 152, kUp = 1091, kDown = 1092 };
constexpr int kSmallest = 5, kLargest = 200, kStep = 5;

}  // namespace

CGraphicSizeDlg::CGraphicSizeDlg() : CDialog(kTemplateId) {
  OnClicked(kUp, [this] { OnStep(kStep); });
  OnClicked(kDown, [this] { OnStep(-kStep); });
}

// The edit only shows the size: it is not exchanged, so text typed into it is
// never taken over and only the buttons change the size.
bool CGraphicSizeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemInt(kSize, m_size);
  return true;
}

void CGraphicSizeDlg::OnStep(int delta) {
  const int stepped = StepBy(m_size, delta);
  m_size = delta > 0 ? std::min(stepped, kLargest) : std::max(stepped, kSmallest);
  SetDlgItemInt(kSize, m_size);
}

int entry::OnDlgGraphicSize(int size) {
  AFX_MAINTAIN_STATE guard;
  CGraphicSizeDlg dlg;
  dlg.m_size = size;
  return dlg.DoModal() == IDOK ? dlg.m_size : -1;
}

}  // namespace topodlg
