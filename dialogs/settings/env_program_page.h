// Environment settings page " E＆V" (210): the external editor and the image
// viewer, and whether JPG images are shown by the application itself.
#pragma once

#include "dialogs/settings/env_settings.h"
#include "platform/dialog.h"

namespace topodlg {

class CEnvProgramPage : public CDialog {
 public:
  static constexpr int kTemplateId = 210;
  CEnvProgramPage();

  EnvSettings m_work;  // the page's working copy

 protected:
  bool OnInitDialog() override;

 private:
  void OnPickEditor();
  void OnPickViewer();
};

}  // namespace topodlg
