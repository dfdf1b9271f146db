// Cross-section display (dialog 135): what is written between the points of a
// cross-section and in which colour, background and size, and the
// block-diagram display.
#pragma once

#include "frame/block_diagram_display.h"
#include "platform/dialog.h"

namespace topodlg {

class CSectionDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 135;
  CSectionDlg();

  CString Result() const;

  int m_displayItem = 0;  // 0 gradient, 1 slope/distance, 2 slope/height difference, 3 height difference
  int m_colour = 0;       // 0 black, 1 red, 2 blue, 3 white
  int m_background = 0;   // 0 terrain, 1 white
  int m_passedThrough = 0;  // returned as the host passed it
  int m_textSize = 0;       // 0 large, 1 medium, 2 small
  BlockDiagramDisplay m_block;

 protected:
  bool OnInitDialog() override;
};

}  // namespace topodlg
