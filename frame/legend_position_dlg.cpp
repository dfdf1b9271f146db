#include "frame/legend_position_dlg.h"

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
  BindSpin(m_legendMove, IDC_LEGEND_UP, IDC_LEGEND_DOWN).Step(kMoveStep);
  BindSpin(m_titleMove, IDC_TITLE_UP, IDC_TITLE_DOWN).Step(kMoveStep);
  // An alignment the dialog does not know selects no radio.
  BindRadio(m_titleAlignment, {{IDC_ALIGN_LEFT, -1}, {IDC_ALIGN_NORMAL, 0}, {IDC_ALIGN_RIGHT, 1}});
}

void CLegendPositionDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_LEGEND_MOVE, m_legendMove);
  DDX_Text(pDX, IDC_TITLE_MOVE, m_titleMove);
  DDX_Text(pDX, IDC_CORNER_NAME, m_cornerName);
}

// A corner button names the corner with its own caption.
void CLegendPositionDlg::OnCorner(int id, int corner) {
  m_legendCorner = corner;
  m_cornerName = GetDlgItemText(id);
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
