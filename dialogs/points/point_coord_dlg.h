// Latitude and longitude of one numbered point (dialog 198); with number and
// count -1 it takes the coordinate to move the map to instead. Coordinates stay
// text: nothing is converted or checked.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CPointCoordDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 198;
  CPointCoordDlg();

  CString Result() const;
  // What the host gets when the user cancels: not "" but "-1 ".
  static CString CancelResult() { return "-1 "; }

  int m_number = 0;
  int m_count = 0;
  CString m_latitude;
  CString m_longitude;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  bool IsMoveTo() const { return m_number == -1 && m_count == -1; }
};

}  // namespace topodlg
