#include "frame/graphic_size_dlg.h"

#include <algorithm>

#include "frame/spin_step.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/133.h"

namespace topodlg {
using namespace res133;
namespace {

constexpr int kSmallest = 5, kLargest = 200, kStep = 5;

}  // namespace

CGraphicSizeDlg::CGraphicSizeDlg() : CDialog(kTemplateId) {
  OnClicked(IDC_SIZE_UP, [this] { OnStep(kStep); });
  OnClicked(IDC_SIZE_DOWN, [this] { OnStep(-kStep); });
}

// The edit only shows the size: it is not exchanged, so text typed into it is
// never taken over and only the buttons change the size.
bool CGraphicSizeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemInt(IDC_SIZE, m_size);
  return true;
}

void CGraphicSizeDlg::OnStep(int delta) {
  const int stepped = StepBy(m_size, delta);
  m_size = delta > 0 ? std::min(stepped, kLargest) : std::max(stepped, kSmallest);
  SetDlgItemInt(IDC_SIZE, m_size);
}

int entry::OnDlgGraphicSize(int size) {
  AFX_MAINTAIN_STATE guard;
  CGraphicSizeDlg dlg;
  dlg.m_size = size;
  return dlg.DoModal() == IDOK ? dlg.m_size : -1;
}

}  // namespace topodlg
