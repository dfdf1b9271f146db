// A point entered during a distance measurement (dialog 227): take it as the
// next point, take it as the end point, or drop it.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CPointCheckDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 227;
  static constexpr int kTaken = 1, kEndPoint = 2;
  CPointCheckDlg();

  int m_answer = 0;
  CString m_latitude;
  CString m_longitude;

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
};

}  // namespace topodlg
