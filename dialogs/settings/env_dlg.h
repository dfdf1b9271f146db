// Environment settings (dialog 208): the host's program-wide options on five
// tab pages. The dialog holds every setting once; each page works on its own
// copy, which OK takes back and Cancel drops.
#pragma once

#include "dialogs/settings/env_group_name_page.h"
#include "dialogs/settings/env_map_page.h"
#include "dialogs/settings/env_method_page.h"
#include "dialogs/settings/env_program_page.h"
#include "dialogs/settings/env_settings.h"
#include "dialogs/settings/env_text_image_page.h"
#include "platform/dialog.h"

namespace topodlg {

class CEnvDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 208;
  static constexpr int kTabCount = 5;
  CEnvDlg();

  EnvSettings m_settings;

  CEnvMapPage m_mapPage;
  CEnvMethodPage m_methodPage;
  CEnvGroupNamePage m_groupNamePage;
  CEnvProgramPage m_programPage;
  CEnvTextImagePage m_textImagePage;

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  CDialog* PageAt(int tab);
  void CreatePages();
  void OnTabChanging();
  void OnTabChanged();
  void OnStartInLastState();
  bool m_pagesCreated = false;
};

}  // namespace topodlg
