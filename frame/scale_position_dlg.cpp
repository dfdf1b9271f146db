#include "frame/scale_position_dlg.h"

#include "frame/spin_step.h"
#include "frame/entries.h"
#include "platform/module_state.h"

namespace topodlg {
namespace {

enum Control : int {
  kCompassNorthSouth = 104,
  kScaleNorthSouth = 110,
  kScaleEastWest = 112,
  kEastWestLength = 113,
  kNorthSouthLength = 114,
  kVerticalLength = 115,
  kTicks = 116,
  kCompassEastWest = 120,
  kShowOnMap = 151,
  kDisplaySwitch = 215,
};

}  // namespace

CScalePositionDlg::CScalePositionDlg() : CDialog(kTemplateId) {
  // Each spin button pair steps one member, without bounds, and refills.
  const struct {
    int up, down;
    int* member;
    int step;
  } spins[] = {
      {128, 129, &m_northSouthLength, 500}, {132, 133, &m_eastWestLength, 500},
      {130, 131, &m_verticalLength, 100},   {134, 135, &m_scaleNorthSouth, 1},
      {136, 137, &m_scaleEastWest, 1},      {138, 139, &m_compassNorthSouth, 1},
      {126, 127, &m_compassEastWest, 1},
  };
  for (const auto& spin : spins) {
    OnClicked(spin.up, [this, member = spin.member, step = spin.step] {
      *member = StepBy(*member, step);
      UpdateData(false);
    });
    OnClicked(spin.down, [this, member = spin.member, step = spin.step] {
      *member = StepBy(*member, -step);
      UpdateData(false);
    });
  }
  OnClicked(kDisplaySwitch, [this] { m_displaySwitch = m_displaySwitch == "on" ? "off" : "on"; });
  OnClicked(kShowOnMap, [this] { OnShowOnMap(); });
}

void CScalePositionDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, kNorthSouthLength, m_northSouthLength);
  DDX_Text(pDX, kEastWestLength, m_eastWestLength);
  DDX_Text(pDX, kVerticalLength, m_verticalLength);
  DDX_Text(pDX, kTicks, m_ticks);
  DDV_MinMaxInt(pDX, m_ticks, 1, 11);
  DDX_Text(pDX, kScaleNorthSouth, m_scaleNorthSouth);
  DDX_Text(pDX, kScaleEastWest, m_scaleEastWest);
  DDX_Text(pDX, kCompassNorthSouth, m_compassNorthSouth);
  DDX_Text(pDX, kCompassEastWest, m_compassEastWest);
}

bool CScalePositionDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CheckDlgButton(kDisplaySwitch, m_displaySwitch == "on");
  return true;
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
