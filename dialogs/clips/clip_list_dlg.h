// The stored map clips (190): the clips of one of five groups from the clip
// list files, the data of the chosen clip, editing the group's file, and the
// terrain colouring and contours to show the clip with.
#pragma once

#include <array>

#include "dialogs/clips/clip_list_file.h"
#include "platform/dialog.h"

namespace topodlg {

class CClipListDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 190;
  static constexpr int kColouringOff = 3;
  static constexpr int kContoursOff = -999;

  CClipListDlg();

  // What the entry function returns after OK: the chosen clip and the display
  // choices, or "CANSEL" when no clip was chosen.
  CString Result() const;

  CString m_group0Path;
  std::array<CString, kClipGroupCount> m_groupNames;
  CString m_editorProgram;
  int m_colouring = 0;             // terrain-colouring mode, 3 = off
  int m_contour = kContoursOff;    // contour value, -999 = off

 protected:
  bool OnInitDialog() override;

 private:
  void LoadGroup(int group);
  void OnSelectGroup();
  void OnSelectClip();
  void OnEdit();
  void OnColouring();
  void OnContours();
  void ShowChosenClip();

  std::array<CString, kClipGroupCount> m_paths;
  CString m_currentPath;
  ClipFields m_chosen;             // fields of the chosen record
  int m_highest = 0;               // highest list index of the group shown
  std::array<int, kClipGroupCount> m_highestOf{-1, -1, -1, -1, -1};  // -1: never opened
  int m_savedColouring = -1;
  int m_savedContour = -1;
};

}  // namespace topodlg
