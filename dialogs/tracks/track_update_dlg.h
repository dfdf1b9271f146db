// Track file update (200): before the host rewrites or re-imports a registered
// track file, the user picks the group ("分野") and the file, may open it in the
// external editor, and chooses the mesh of the digital map data.
#pragma once

#include "dialogs/tracks/track_file_dlg.h"

namespace topodlg {

class CTrackUpdateDlg : public CTrackFileDlg {
 public:
  static constexpr int kTemplateId = 200;
  CTrackUpdateDlg();

  CString Result() const;

  int m_selectedIndex = 0;  // index of the chosen entry in the file combo box
  int m_group = -1;         // -1: no group chosen yet
  int m_initialised = -1;
  CString m_groupDigit;
  CString m_mesh;           // "SEM" 250 m, "MEM" 50 m, "TEM" 1 km, or as passed

 protected:
  bool OnInitDialog() override;

 private:
  void OnGroupChosen();
  void OnFileChosen();
};

}  // namespace topodlg
