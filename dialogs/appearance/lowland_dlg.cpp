#include "dialogs/appearance/lowland_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/186.h"

namespace topodlg {
using namespace res186;
namespace {

// Low ground (lowest point up to 200 m) moves in steps of 10 m, higher ground
// in steps of 100 m.
constexpr int kLowGround = 200;

// The text before the first blank, the rest after it. Without a blank the
// value is empty (read as 0) and the rest stays whole.
CString NextToken(CString& rest) {
  const int blank = rest.Find(' ');
  if (blank < 0) return {};
  CString token = rest.Left(blank);
  rest = rest.Mid(blank + 1);
  return token;
}

}  // namespace

CLowlandDlg::CLowlandDlg() : CDialog(kTemplateId) {
  BindRadio(m_colourLowland, {{IDC_COLOUR, 1}, {IDC_NO_COLOUR, 0}}).Otherwise(IDC_NO_COLOUR);
  OnClicked(IDC_COLOUR, [this] { OnColour(); });
  OnClicked(IDC_NO_COLOUR, [this] { OnNoColour(); });
  // The upper elevation steps only while the lowland is coloured.
  BindSpin(m_upper, IDC_UPPER_UP, IDC_UPPER_DOWN)
      .Step([this](int) { return m_lowest > kLowGround ? 100 : 10; })
      .Min(0)
      .When([this] { return m_colourLowland == 1; });
}

void CLowlandDlg::SetArgument(const CString& text) {
  CString rest = text;
  m_highest = Atoi(NextToken(rest));
  m_lowest = Atoi(NextToken(rest));
  m_colourLowland = Atoi(NextToken(rest));
  m_upper = Atoi(rest);
}

void CLowlandDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_UPPER, m_upper);
  DDX_Text(pDX, IDC_HIGHEST, m_highest);
  DDX_Text(pDX, IDC_LOWEST, m_lowest);
}

// Colouring again restores the upper elevation it had, else starts from a
// step above the lowest ground.
void CLowlandDlg::OnColour() {
  if (m_savedUpper != 0) {
    m_upper = m_savedUpper;
  } else {
    m_upper = m_lowest <= kLowGround ? 10 : 100;
  }
  UpdateData(false);
}

void CLowlandDlg::OnNoColour() {
  m_savedUpper = m_upper;
  m_upper = 0;
  UpdateData(false);
}

CString CLowlandDlg::Result() const { return CString::Formatted("%d %d", m_colourLowland, m_upper); }

CString entry::OnDlgLowland(CString values) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CLowlandDlg dlg;
  dlg.SetArgument(values);
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
