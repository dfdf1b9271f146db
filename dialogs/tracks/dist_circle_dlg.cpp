#include "dialogs/tracks/dist_circle_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kInterval = 1409,
  kStart = 1410,
  kEnd = 1411,
  kShow = 1412,
  kBlack = 1413,
  kRed = 1414,
  kBlue = 1415,
};

}  // namespace

CDistCircleDlg::CDistCircleDlg() : CDialog(kTemplateId) {
  OnClicked(kShow, [this] { OnShowClicked(); });
  OnClicked(kBlack, [this] { m_lineColour = 0; });
  OnClicked(kRed, [this] { m_lineColour = 1; });
  OnClicked(kBlue, [this] { m_lineColour = 2; });
}

// The texts stand in the edit fields exactly as the host passed them: an
// item is selected only when it is equal to the text, so "5" never turns into
// the "50" that merely begins with it.
void CDistCircleDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_CBStringExact(pDX, kInterval, m_interval);
  DDX_CBStringExact(pDX, kStart, m_start);
  DDX_CBStringExact(pDX, kEnd, m_end);
}

// Opening the dialog switches the circles on.
bool CDistCircleDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_show == 0) m_show = 1;
  CheckDlgButton(kShow, m_show == 1 ? 1 : 0);
  const int radio[] = {kBlack, kRed, kBlue};
  if (m_lineColour >= 0 && m_lineColour <= 2) CheckRadioButton(kBlack, kBlue, radio[m_lineColour]);
  return true;
}

// The box always shows the flag it toggles (a flag other than 0 or 1 from the
// host shows cleared and turns into 0).
void CDistCircleDlg::OnShowClicked() {
  m_show = m_show == 0 ? 1 : 0;
  CheckDlgButton(kShow, m_show);
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
