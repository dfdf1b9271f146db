// Environment settings page "指定方法" (209): how white maps are specified,
// the projection of the map of Japan, which confirmation dialogs the host
// shows, and the groups of the map clip index map.
#pragma once

#include "dialogs/settings/env_settings.h"
#include "platform/dialog.h"

namespace topodlg {

class CEnvMethodPage : public CDialog {
 public:
  static constexpr int kTemplateId = 209;
  CEnvMethodPage();

  EnvSettings m_work;  // the page's working copy

 protected:
  bool OnInitDialog() override;

 private:
  void OnIndexAll();
  void OnIndexGroup(int group);
  void ShowIndexMap();
};

}  // namespace topodlg
