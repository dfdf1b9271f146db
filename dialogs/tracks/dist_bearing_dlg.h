// Distance-bearing board (dialog 222): lines from a point to the places of one
// target group, and the editor on that group's target file.
#pragma once

#include <array>

#include "platform/dialog.h"

namespace topodlg {

class CDistBearingDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 222;
  CDistBearingDlg();

  // Data directory + "MAPELMNT\Dd<group>File.dat".
  static CString TargetFile(const CString& dataDirectory, int group);
  // "%d %d %d %d": group, show, proportional, target names.
  CString Result() const;

  int m_group = 0;
  int m_show = 0;
  int m_proportional = 0;  // bearing lines proportional to distance
  int m_targetNames = 0;
  CString m_editor;
  CString m_targetFile;
  std::array<CString, 5> m_groupNames;
  CString m_dataDirectory;

 protected:
  bool OnInitDialog() override;

 private:
  void OnGroupChosen();
  void OnShowClicked();
  void OnTargetNamesClicked();
};

}  // namespace topodlg
