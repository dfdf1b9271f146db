// Landmark display settings (dialog 217): landmarks on or off, their names on
// or off, how heights are drawn, which of the twelve types are shown; "編集"
// opens the landmark file in the user's editor.
#pragma once

#include "dialogs/points/landmark_types.h"
#include "platform/dialog.h"

namespace topodlg {

class CLandmarkSetDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 217;
  CLandmarkSetDlg();

  CString Result() const;

  int m_names = 0;       // 1: names shown
  int m_heightMode = 0;  // 0: the entered height; 1: stretched to stand out
  int m_display = 0;     // 1: landmarks shown
  LandmarkTypeFlags m_typeFlags{};  // 1: the type is shown
  CString m_landmarkFile;
  CString m_editorPath;
  LandmarkTypeNames m_typeNames;  // captions of the type check boxes

 protected:
  bool OnInitDialog() override;

 private:
  void OnTypeClicked(int type);
};

}  // namespace topodlg
