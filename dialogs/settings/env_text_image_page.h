// Environment settings page "ﾃｷｽﾄ画像" (197): whether linked images and texts
// are shown, the images' brightness and frame width, how text and image files
// are registered, and the sibling program.
#pragma once

#include "dialogs/settings/env_settings.h"
#include "platform/dialog.h"

namespace topodlg {

class CEnvTextImagePage : public CDialog {
 public:
  static constexpr int kTemplateId = 197;
  CEnvTextImagePage();

  EnvSettings m_work;  // the page's working copy

 protected:
  bool OnInitDialog() override;
  void OnHScroll(int code, int pos, CScrollBar* bar) override;

 private:
  void ShowBrightness();
};

}  // namespace topodlg
