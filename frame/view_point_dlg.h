// Block-diagram viewpoint (dialog 130): from where and how the terrain block
// is seen and drawn.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CViewPointDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 130;
  CViewPointDlg();

  CString Result() const;

  int m_highest = 0;        // m, shown only
  int m_lowest = 0;         // m, shown only; sets the step of the block bottom
  int m_blockBottom = 0;    // m, not below 0 through the buttons
  int m_azimuth = 0;        // degrees from north, clockwise, 0 to 360
  int m_depression = 0;     // degrees above the horizontal, 0 to 90
  int m_angleStep = 0;      // degrees, 5 to 30
  int m_hiddenLines = 0;    // 2 type 1, 1 type 2, -1 none
  int m_relief = 0;         // 1 contours, 2 wire frame
  int m_wireDirection = 0;  // 0 both, 1 north-south, 2 east-west
  int m_frameInterval = 0;  // 0 normal, 1 coarse
  float m_exaggeration = 0;  // vertical / horizontal, at least 0.1 through the buttons
  CString m_direction;       // "N", "NE", ... : where the viewpoint lies
  int m_showOnMap = 0;       // 1 when the dialog ended with "地図表示"

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnDirection(int id, int azimuth);
  void OnWireFrame(int direction);
  void OnShowOnMap();
};

}  // namespace topodlg
