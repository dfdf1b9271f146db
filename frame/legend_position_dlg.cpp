#include "frame/legend_position_dlg.h"

#include "frame/spin_step.h"
#include "frame/entries.h"
#include "platform/module_state.h"
#include "resources/134.h"

namespace topodlg {
using namespace res134;
namespace {

// The corner buttons and the corner each one chooses.
constexpr struct {
  int id;
  int corner;
} kCorners[] = {{IDC_CORNER_TOP_RIGHT, 1}, {IDC_CORNER_BOTTOM_RIGHT, 2}, {IDC_CORNER_TOP_LEFT, 3},
                {IDC_CORNER_BOTTOM_LEFT, 4}, {IDC_CORNER_AUTOMATIC, 0}};

constexpr int kMoveStep = 10;  // dots

}  // namespace

CLegendPositionDlg::CLegendPositionDlg() : CDialog(kTemplateId) {
  for (const auto& c : kCorners) OnClicked(c.id, [this, id = c.id, corner = c.corner] { OnCorner(id, corner); });
  OnClicked(IDC_LEGEND_UP, [this] { OnMove(m_legendMove, kMoveStep); });
  OnClicked(IDC_LEGEND_DOWN, [this] { OnMove(m_legendMove, -kMoveStep); });
  OnClicked(IDC_TITLE_UP, [this] { OnMove(m_titleMove, kMoveStep); });
  OnClicked(IDC_TITLE_DOWN, [this] { OnMove(m_titleMove, -kMoveStep); });
  OnClicked(IDC_ALIGN_LEFT, [this] { m_titleAlignment = -1; });
  OnClicked(IDC_ALIGN_NORMAL, [this] { m_titleAlignment = 0; });
  OnClicked(IDC_ALIGN_RIGHT, [this] { m_titleAlignment = 1; });
}

void CLegendPositionDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_LEGEND_MOVE, m_legendMove);
  DDX_Text(pDX, IDC_TITLE_MOVE, m_titleMove);
  DDX_Text(pDX, IDC_CORNER_NAME, m_cornerName);
}

bool CLegendPositionDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // An alignment the dialog does not know selects no radio.
  const int radio = m_titleAlignment == -1 ? IDC_ALIGN_LEFT
                    : m_titleAlignment == 0 ? IDC_ALIGN_NORMAL
                    : m_titleAlignment == 1 ? IDC_ALIGN_RIGHT
                                            : 0;
  CheckRadioButton(IDC_ALIGN_LEFT, IDC_ALIGN_RIGHT, radio);
  return true;
}

// A corner button names the corner with its own caption.
void CLegendPositionDlg::OnCorner(int id, int corner) {
  m_legendCorner = corner;
  m_cornerName = GetDlgItemText(id);
  UpdateData(false);
}

void CLegendPositionDlg::OnMove(int& member, int delta) {
  member = StepBy(member, delta);
  UpdateData(false);
}

CString CLegendPositionDlg::Result() const {
  return CString::Formatted("%d %d %d %d", m_legendMove, m_legendCorner, m_titleMove, m_titleAlignment);
}

CString entry::OnDlgLgdSet(int legendMove, int legendCorner, int titleMove, int titleAlignment, CString cornerName) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CLegendPositionDlg dlg;
  dlg.m_legendMove = legendMove;
  dlg.m_legendCorner = legendCorner;
  dlg.m_titleMove = titleMove;
  dlg.m_titleAlignment = titleAlignment;
  dlg.m_cornerName = cornerName;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
