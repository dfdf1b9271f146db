// Screen size (dialog 133): the size of the map on screen in percent.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CGraphicSizeDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 133;
  CGraphicSizeDlg();

  int m_size = 0;  // percent, 5 to 200 through the buttons
};

}  // namespace topodlg
