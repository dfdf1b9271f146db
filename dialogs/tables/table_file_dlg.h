// Registering or updating one point with its table data file (138), one point
// after the other: "continue" asks for the next point, "finish" ends.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CTableFileDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 138;
  static constexpr int kRegistration = 0;  // any other mode updates
  CTableFileDlg();

  CString Result() const;

  int m_mode = kRegistration;
  CString m_pointName, m_note, m_latitude, m_longitude, m_tableFile;
  int m_finish = 0;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;

 private:
  void OnBrowse();
  void OnFinish();
};

}  // namespace topodlg
