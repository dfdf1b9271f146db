// The legend window (dialog 195) that the host shows beside the map: a sample
// of each legend entry of one area or line group, drawn with its pattern or line
// and colour, and its description.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CAreaLegendDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 195;
  CAreaLegendDlg();

  int m_x = 0;  // top left corner on the screen, pixels
  int m_y = 0;
  int m_linearFlag = 0;
  int m_group = 0;
  CString m_dataDirectory;
  CString m_groupName;

 protected:
  bool OnInitDialog() override;
  void OnPaint() override;

 private:
  void PaintLegend();
};

}  // namespace topodlg
