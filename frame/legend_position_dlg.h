// Legend and title position (dialog 134): moves in dots and the corner of the
// legend, the title's alignment.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CLegendPositionDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 134;
  CLegendPositionDlg();

  CString Result() const;

  int m_legendMove = 0;    // dots, + up
  int m_legendCorner = 0;  // 0 automatic, 1 top right, 2 bottom right, 3 top left, 4 bottom left
  int m_titleMove = 0;     // dots, + up
  int m_titleAlignment = 0;  // -1 left, 0 normal, 1 right
  CString m_cornerName;      // shown only, not returned

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void OnCorner(int id, int corner);
};

}  // namespace topodlg
