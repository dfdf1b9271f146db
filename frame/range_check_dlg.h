// Range check (dialog 131): the chosen map range as two corners in mesh cells
// (x west to east, y north to south) and its extent in km.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CRangeCheckDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 131;
  CRangeCheckDlg();

  CString Result() const;

  int m_northWestX = 0;
  int m_northWestY = 0;
  int m_southEastX = 0;
  int m_southEastY = 0;
  int m_smallestX = 0;
  int m_smallestY = 0;
  int m_largestX = 0;
  int m_largestY = 0;
  float m_userCellWidth = 0;   // m, for maps of kind "USER"
  float m_userCellHeight = 0;  // m
  CString m_cellSize;          // "width,height" in m
  CString m_meshKind;
  CString m_mapKind;
  int m_showOnMap = 0;        // 2 when the dialog ended with "地図表示"
  float m_eastWestKm = 0;
  float m_northSouthKm = 0;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnCornerChanged();
  void OnSpan(int cells);
  void OnShowOnMap();
  // Measures the range between the corners in km, east-west and north-south.
  void ComputeExtents();
  void ShowExtents();
};

}  // namespace topodlg
