#include "frame/legend_position_dlg.h"

#include "frame/spin_step.h"
#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kLegendMove = 107,
  kTitleMove = 110,
  kAlignLeft = 117,
  kAlignNormal = 118,
  kAlignRight = 119,
  kLegendUp = 123,
  kLegendDown = 124,
  kTitleUp = 125,
  kTitleDown = 126,
  kCornerName = 146,
};

// The corner buttons and the corner each one chooses.
constexpr struct {
  int id;
  int corner;
} kCorners[] = {{142, 1}, {143, 2}, {144, 3}, {145, 4}, {147, 0}};

constexpr int kMoveStep = 10;  // dots

}  // namespace

CLegendPositionDlg::CLegendPositionDlg() : CDialog(kTemplateId) {
  for (const auto& c : kCorners) OnClicked(c.id, [this, id = c.id, corner = c.corner] { OnCorner(id, corner); });
  OnClicked(kLegendUp, [this] { OnMove(m_legendMove, kMoveStep); });
  OnClicked(kLegendDown, [this] { OnMove(m_legendMove, -kMoveStep); });
  OnClicked(kTitleUp, [this] { OnMove(m_titleMove, kMoveStep); });
  OnClicked(kTitleDown, [this] { OnMove(m_titleMove, -kMoveStep); });
  OnClicked(kAlignLeft, [this] { m_titleAlignment = -1; });
  OnClicked(kAlignNormal, [this] { m_titleAlignment = 0; });
  OnClicked(kAlignRight, [this] { m_titleAlignment = 1; });
}

void CLegendPositionDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, kLegendMove, m_legendMove);
  DDX_Text(pDX, kTitleMove, m_titleMove);
  DDX_Text(pDX, kCornerName, m_cornerName);
}

bool CLegendPositionDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // An alignment the dialog does not know selects no radio.
  const int radio = m_titleAlignment == -1 ? kAlignLeft
                    : m_titleAlignment == 0 ? kAlignNormal
                    : m_titleAlignment == 1 ? kAlignRight
                                            : 0;
  CheckRadioButton(kAlignLeft, kAlignRight, radio);
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
