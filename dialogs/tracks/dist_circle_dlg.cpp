#include "dialogs/tracks/dist_circle_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/224.h"

namespace topodlg {
using namespace res224;

CDistCircleDlg::CDistCircleDlg() : CDialog(kTemplateId) {
  OnClicked(IDC_SHOW, [this] { OnShowClicked(); });
  // A colour the dialog does not know checks no radio.
  BindRadio(m_lineColour, {{IDC_BLACK, 0}, {IDC_RED, 1}, {IDC_BLUE, 2}});
}

// The texts stand in the edit fields exactly as the host passed them: an
// item is selected only when it is equal to the text, so "5" never turns into
// the "50" that merely begins with it.
void CDistCircleDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_CBStringExact(pDX, IDC_INTERVAL, m_interval);
  DDX_CBStringExact(pDX, IDC_START, m_start);
  DDX_CBStringExact(pDX, IDC_END, m_end);
}

// Opening the dialog switches the circles on.
bool CDistCircleDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_show == 0) m_show = 1;
  CheckDlgButton(IDC_SHOW, m_show == 1 ? 1 : 0);
  return true;
}

// The box always shows the flag it toggles (a flag other than 0 or 1 from the
// host shows cleared and turns into 0).
void CDistCircleDlg::OnShowClicked() {
  m_show = m_show == 0 ? 1 : 0;
  CheckDlgButton(IDC_SHOW, m_show);
}

CString CDistCircleDlg::Result() const {
  return CString::Formatted("%d %d ", m_show, m_lineColour) + m_interval + " " + m_start + " " + m_end;
}

CString entry::OnDlgDCSet(int show, int lineColour, int interval, int start, int end) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CDistCircleDlg dlg;
  dlg.m_show = show;
  dlg.m_lineColour = lineColour;
  dlg.m_interval.Format("%d", interval);
  dlg.m_start.Format("%d", start);
  dlg.m_end.Format("%d", end);
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
