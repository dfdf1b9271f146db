// Environment settings page " 地図" (212): the elevation mesh folders and
// their speed-up copies in "binary\", the CD-ROM drive, the whole-area
// place-name file (registered through the file-list dialog) and the precision
// of the 250 m sheets.
#pragma once

#include "dialogs/settings/env_settings.h"
#include "platform/dialog.h"

namespace topodlg {

class CEnvMapPage : public CDialog {
 public:
  static constexpr int kTemplateId = 212;
  CEnvMapPage();

  EnvSettings m_work;  // the page's working copy; the main dialog takes its part back at OK

 protected:
  bool OnInitDialog() override;

 private:
  void OnPickFolder(int edit, CString& folder, const char* defaultExtension, const char* initialName,
                    const char* filter);
  void OnSpeedUp250m();
  void OnSpeedUp1km();
  void OnRegisterWholeArea();
  void ShowDrive();
  bool m_driveDerived = false;
};

}  // namespace topodlg
