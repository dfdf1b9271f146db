#include "frame/graphic_size_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/133.h"

namespace topodlg {
using namespace res133;

// The edit only shows the size: it is not exchanged, so text typed into it is
// never taken over and only the buttons change the size.
CGraphicSizeDlg::CGraphicSizeDlg() : CDialog(kTemplateId) {
  BindSpin(m_size, IDC_SIZE_UP, IDC_SIZE_DOWN).Step(5).Min(5).Max(200).Shows(IDC_SIZE);
}

int entry::OnDlgGraphicSize(int size) {
  AFX_MAINTAIN_STATE guard;
  CGraphicSizeDlg dlg;
  dlg.m_size = size;
  return dlg.DoModal() == IDOK ? dlg.m_size : -1;
}

}  // namespace topodlg
