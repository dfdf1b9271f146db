// Opening a guidebook (214): a group, a title from the group's index, the key
// line of the chosen guidebook; the editor on the index or on the data file.
#pragma once

#include <array>
#include <vector>

#include "platform/dialog.h"

namespace topodlg {

class CGuideBookDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 214;
  // Mode 3 opens with an empty title list and edits; mode 4 opens on a group
  // and lists the data.
  static constexpr int kEditMode = 3;
  static constexpr int kListMode = 4;

  CGuideBookDlg();

  CString Result() const;

  int m_mode = kEditMode;
  int m_group = -1;  // -1: none
  CString m_editorProgram;
  CString m_dataDirectory;
  std::array<CString, 5> m_groupNames;

 protected:
  bool OnInitDialog() override;

 private:
  void LoadTitles(int group);
  void OnGroupFocus();
  void OnSelectGroup();
  void OnSelectTitle();
  void OnEditButton();
  const char* ResetCaption() const;

  int m_listSelection = -1;
  int m_buttonState = -1;  // -1: no title chosen since the last reset; 1: chosen
  CString m_indexPath;
  CString m_dataPath;
  CString m_title;
  CString m_keyLine;
  std::vector<CString> m_dataFiles;  // of the listed titles, at the same positions
};

}  // namespace topodlg
