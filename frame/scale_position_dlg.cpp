#include "frame/scale_position_dlg.h"

#include "frame/entries.h"
#include "platform/module_state.h"
#include "platform/spin_step.h"
#include "resources/139.h"

namespace topodlg {
using namespace res139;
namespace {

}  // namespace

CScalePositionDlg::CScalePositionDlg() : CDialog(kTemplateId) {
  // Each spin button pair steps one member, without bounds.
  BindSpin(m_northSouthLength, IDC_NORTH_SOUTH_LENGTH_UP, IDC_NORTH_SOUTH_LENGTH_DOWN).Step(500);
  BindSpin(m_eastWestLength, IDC_EAST_WEST_LENGTH_UP, IDC_EAST_WEST_LENGTH_DOWN).Step(500);
  BindSpin(m_verticalLength, IDC_VERTICAL_LENGTH_UP, IDC_VERTICAL_LENGTH_DOWN).Step(100);
  BindSpin(m_scaleNorthSouth, IDC_SCALE_NORTH_SOUTH_UP, IDC_SCALE_NORTH_SOUTH_DOWN);
  BindSpin(m_scaleEastWest, IDC_SCALE_EAST_WEST_UP, IDC_SCALE_EAST_WEST_DOWN);
  BindSpin(m_compassNorthSouth, IDC_COMPASS_NORTH_SOUTH_UP, IDC_COMPASS_NORTH_SOUTH_DOWN);
  BindSpin(m_compassEastWest, IDC_COMPASS_EAST_WEST_UP, IDC_COMPASS_EAST_WEST_DOWN);
  BindToggle(m_displaySwitch, IDC_DISPLAY_SWITCH, "on", "off");
  OnClicked(IDC_SHOW_ON_MAP, [this] { OnShowOnMap(); });
}

void CScalePositionDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, IDC_NORTH_SOUTH_LENGTH, m_northSouthLength);
  DDX_Text(pDX, IDC_EAST_WEST_LENGTH, m_eastWestLength);
  DDX_Text(pDX, IDC_VERTICAL_LENGTH, m_verticalLength);
  DDX_Text(pDX, IDC_TICKS, m_ticks);
  DDV_MinMaxInt(pDX, m_ticks, 1, 11);
  DDX_Text(pDX, IDC_SCALE_NORTH_SOUTH, m_scaleNorthSouth);
  DDX_Text(pDX, IDC_SCALE_EAST_WEST, m_scaleEastWest);
  DDX_Text(pDX, IDC_COMPASS_NORTH_SOUTH, m_compassNorthSouth);
  DDX_Text(pDX, IDC_COMPASS_EAST_WEST, m_compassEastWest);
}

// The host tells a preview from a final choice by the sign of the vertical
// length. Text typed since the last refill is not taken over.
void CScalePositionDlg::OnShowOnMap() {
  m_verticalLength = Negated(m_verticalLength);
  EndDialog(IDOK);
}

CString CScalePositionDlg::Result() const {
  return CString::Formatted("%d %d %d %d %d %d %d %d ", m_northSouthLength, m_eastWestLength, m_verticalLength,
                            m_scaleNorthSouth, m_scaleEastWest, m_compassNorthSouth, m_compassEastWest, m_ticks) +
         m_displaySwitch;
}

CString entry::OnDlgScaleSet(int northSouthLength, int eastWestLength, int verticalLength, int ticks,
                             int scaleNorthSouth, int scaleEastWest, int compassNorthSouth, int compassEastWest,
                             CString displaySwitch) {
  AFX_MAINTAIN_STATE guard;
  CString result;
  CScalePositionDlg dlg;
  dlg.m_northSouthLength = northSouthLength;
  dlg.m_eastWestLength = eastWestLength;
  dlg.m_verticalLength = verticalLength;
  dlg.m_ticks = ticks;
  dlg.m_scaleNorthSouth = scaleNorthSouth;
  dlg.m_scaleEastWest = scaleEastWest;
  dlg.m_compassNorthSouth = compassNorthSouth;
  dlg.m_compassEastWest = compassEastWest;
  dlg.m_displaySwitch = displaySwitch;
  if (dlg.DoModal() == IDOK) result = dlg.Result();
  return result;
}

}  // namespace topodlg
