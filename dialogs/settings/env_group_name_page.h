// Environment settings page " 分類名" (211): the five group names of each of
// the six kinds of grouped data, and the names of the twelve landmark types,
// each edited in its own dialog.
#pragma once

#include "dialogs/settings/env_settings.h"
#include "platform/dialog.h"

namespace topodlg {

class CEnvGroupNamePage : public CDialog {
 public:
  static constexpr int kTemplateId = 211;
  CEnvGroupNamePage();

  EnvSettings m_work;  // the page's working copy

 private:
  void OnGroupNames(int kind);
  void OnLandmarkTypes();
};

}  // namespace topodlg
