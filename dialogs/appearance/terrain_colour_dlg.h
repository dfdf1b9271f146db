// Terrain colouring (dialog 187): the colour scheme, the colouring method, the
// elevation interval of the colouring with the drawing detail it implies, and
// contour lines.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CTerrainColourDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 187;
  CTerrainColourDlg();

  // The result string of a confirmed dialog.
  CString Result() const;

  static constexpr int kContourOff = -999;
  static constexpr int kNoColouring = 3;  // the "地形無着色" method

  int m_highest = 0;          // m
  int m_lowest = 0;           // m
  int m_contourLines = 0;     // kContourOff: off, anything else: on
  int m_interval = 0;         // m, elevation interval of the colouring
  int m_detail = 0;           // drawing detail 0, 1 or 2
  int m_schemePosition = 0;   // position in the scheme index
  int m_method = 0;           // method code; list position in the reduced mode
  int m_keepSchemeName = 0;   // 0: "地形無着色" blanks the scheme box
  int m_gradation = 0;        // 1 when the scheme's name holds "濃淡"
  int m_reducedMode = 0;      // the host's two-method view
  CString m_dataDir;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void FillMethods();
  void ShowSlowWarningIfNeeded();
  void UpdateDetail(bool schemeChanged);
  void OnSchemeChange();
  void OnMethodChange();
  void OnContourCheck();
};

}  // namespace topodlg
