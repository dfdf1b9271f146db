// Scale bar and compass position (dialog 139): axis lengths and ticks of the
// scale bar, where the scale bar and the compass stand, and whether they show.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CScalePositionDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 139;
  CScalePositionDlg();

  CString Result() const;

  int m_northSouthLength = 0;  // m
  int m_eastWestLength = 0;    // m
  int m_verticalLength = 0;    // m; negated by "地図表示"
  int m_ticks = 0;             // 1 to 11
  int m_scaleNorthSouth = 0;   // mesh cells, + north
  int m_scaleEastWest = 0;     // mesh cells, + east
  int m_compassNorthSouth = 0;  // mesh cells
  int m_compassEastWest = 0;    // mesh cells
  CString m_displaySwitch;      // "on" or "off"

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnShowOnMap();
};

}  // namespace topodlg
