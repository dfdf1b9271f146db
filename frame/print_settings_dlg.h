// Print settings (dialog 144): line widths, points, drawing and font sizes,
// sheet index maps, legend place and frame scale of the printed map.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CPrintSettingsDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 144;
  CPrintSettingsDlg();

  CString Result() const;

  int m_contourWidth = 0;     // 0 normal, 1 thick
  int m_showPoints = 0;       // 1 shown
  int m_drawingSize = 0;      // percent of A4 landscape, 50 to 180 through the buttons
  int m_printIndexMaps = 0;   // 1 printed
  int m_fontSize = 0;         // place names, points: 8 to 14 through the buttons
  CString m_legendPlace;      // "OUT" (margin) or "IN" (on the map)
  CString m_frameScale;       // "ON" or "OFF"

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace topodlg
