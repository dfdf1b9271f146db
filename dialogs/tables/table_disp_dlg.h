// Display settings of the statistics worksheet (141): what the worksheet shows,
// its background, and editing the list of statistics files.
#pragma once

#include "platform/dialog.h"

namespace topodlg {

class CTableDispDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 141;
  CTableDispDlg();

  CString Result() const;

  int m_show = 1;
  int m_name = 0;
  int m_recordNumber = 0;
  int m_background = 0;   // 0 white, 1 purple, 2 sky, 3 green, 4 automatic
  int m_translate = 0;    // field names in Japanese
  CString m_editorProgram;
  CString m_dataDirectory;

 protected:
  bool OnInitDialog() override;

 private:
  void OnEditList();
};

}  // namespace topodlg
